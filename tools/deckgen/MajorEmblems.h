#pragma once

#include "Style.h"

#include <QPainter>
#include <QRectF>

namespace kestrava::deckgen {

// The emblem of major card 1..22 (21 is the Fool, 22 the World), drawn into a
// square box that lies on the card's night-sky window.
void drawMajorEmblem(QPainter& painter, int id, const QRectF& box, const DeckStyle& style);

} // namespace kestrava::deckgen
