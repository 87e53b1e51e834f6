#include "core/cards/Shuffle.h"

#include "core/Numbers.h"
#include "core/app/Preferences.h"
#include "core/cards/Card.h"
#include "core/cards/Generator.h"

namespace kestrava {

Shuffle buildAndShuffle(const Preferences& preferences, std::uint32_t seed)
{
    Shuffle result;
    Lines& deck = result.deckInPlay;

    if (preferences.useBlankCards) {
        const int blanks = toInteger(preferences.blankCardCount);
        for (int i = 0; i < blanks; ++i)
            deck.emplace_back("0");
    }
    int first = 1;
    int last = kAllCards;
    if (preferences.cardSet == CardSet::Majors22)
        last = kMajorCards;
    else if (preferences.cardSet == CardSet::Minors56)
        first = kMajorCards + 1;
    for (int id = first; id <= last; ++id)
        deck.push_back(std::to_string(id));

    const std::size_t count = deck.size();
    result.ids.reserve(count);
    result.orientations.reserve(count);
    Generator generator;
    generator.seed(seed);
    for (std::size_t draw = 0; draw < count; ++draw) {
        const auto p = generator.below(static_cast<std::uint32_t>(deck.size()));
        const std::string id = deck[p];
        std::string_view word = kNormal;
        if (id == "0")
            word = kBlank;
        else if (preferences.reversedCards && generator.below(2) == 1)
            word = kReversed;
        result.ids.push_back(id);
        result.orientations.emplace_back(word);
        if (!preferences.repeatCards)
            deck.erase(deck.begin() + static_cast<std::ptrdiff_t>(p));
    }
    return result;
}

} // namespace kestrava
