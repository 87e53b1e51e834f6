#pragma once

#include "Style.h"

#include <QImage>
#include <array>

namespace kestrava::deckgen {

// The sizes of the program's icon, as the desktop's icon themes want them.
inline constexpr std::array<int, 6> kIconSizes = {16, 32, 48, 64, 128, 256};

// The program's icon: an upright card back of the deck with its medallion, on
// a transparent square. Each size is drawn on its own, so the small ones keep
// only what still reads at that size.
QImage paintIcon(const DeckStyle& style, int size);

} // namespace kestrava::deckgen
