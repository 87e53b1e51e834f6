#pragma once

#include "Style.h"

#include <QImage>

namespace kestrava::deckgen {

// Pictures of one card, 144 x 233, upright. The reversed picture of a card is
// the same picture turned 180 degrees.
QImage paintCard(const DeckStyle& style, int id);
QImage paintBlankCard(const DeckStyle& style);
// Card backs are symmetric, so a back looks the same either way up.
QImage paintBack(const DeckStyle& style);

} // namespace kestrava::deckgen
