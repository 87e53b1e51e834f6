#pragma once

#include "Style.h"

#include <QPainter>
#include <QRectF>

namespace kestrava::deckgen {

// Suit index 0..3: wands, cups, swords, coins. The emblem fills a square box;
// wands and swords are tall and narrow inside it.
void drawSuitEmblem(QPainter& painter, int suit, const QRectF& box, const SuitStyle& style);

} // namespace kestrava::deckgen
