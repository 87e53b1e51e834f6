#pragma once

#include "core/TextFile.h"

#include <cstdint>

namespace kestrava {

struct Preferences;

// The working lists of one shuffle: what was left in the deck in play and the
// draws in order (identifiers as decimal text, orientation words).
struct Shuffle
{
    Lines deckInPlay;
    Lines ids;
    Lines orientations;
};

// Builds the deck in play from the card-set preferences and draws every card
// of it, consuming the generator's numbers in a fixed order. Throws when the
// number of blank cards is not an integer.
Shuffle buildAndShuffle(const Preferences& preferences, std::uint32_t seed);

} // namespace kestrava
