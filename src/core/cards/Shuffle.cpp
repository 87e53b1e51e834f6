#include "core/cards/Shuffle.h"

#include "core/Error.h"
#include "core/Numbers.h"
#include "core/app/Preferences.h"
#include "core/cards/Card.h"
#include "core/cards/Generator.h"

namespace kestrava {

namespace {

// The cards still in the deck in play, by their place in the deck as built:
// finding the p-th one left and taking it out each cost log n, where erasing
// from the list itself would make a shuffle quadratic in the deck size.
class RemainingCards
{
public:
    explicit RemainingCards(std::size_t count) : m_tree(count + 1, 0)
    {
        for (std::size_t i = 1; i <= count; ++i) {
            m_tree[i] += 1;
            const std::size_t parent = i + (i & (~i + 1));
            if (parent <= count)
                m_tree[parent] += m_tree[i];
        }
        m_top = 1;
        while (m_top * 2 <= count)
            m_top *= 2;
    }

    // The place in the deck as built of entry p (from 0) of what is left.
    std::size_t place(std::size_t p) const
    {
        std::size_t at = 0;
        for (std::size_t step = m_top; step > 0; step /= 2) {
            if (at + step < m_tree.size() && m_tree[at + step] <= p) {
                at += step;
                p -= m_tree[at];
            }
        }
        return at;
    }

    void take(std::size_t place)
    {
        for (std::size_t i = place + 1; i < m_tree.size(); i += i & (~i + 1))
            m_tree[i] -= 1;
    }

private:
    std::vector<std::size_t> m_tree;
    std::size_t m_top = 1;
};

} // namespace

Shuffle buildAndShuffle(const Preferences& preferences, std::uint32_t seed)
{
    Shuffle result;
    Lines& deck = result.deckInPlay;

    if (preferences.useBlankCards) {
        const int blanks = toInteger(preferences.blankCardCount);
        // The field takes no more; a larger number can only come from an edited
        // settings file, and would build a deck too large to shuffle.
        if (blanks > Preferences::kMaxBlankCards)
            throw Error("The number of blank cards, " + preferences.blankCardCount +
                        ", is too large: at most " + std::to_string(Preferences::kMaxBlankCards) +
                        " blank cards can be added.");
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
    RemainingCards remaining(count);
    for (std::size_t draw = 0; draw < count; ++draw) {
        const std::size_t left = preferences.repeatCards ? count : count - draw;
        const std::size_t p = generator.below(static_cast<std::uint32_t>(left));
        const std::size_t place = preferences.repeatCards ? p : remaining.place(p);
        const std::string& id = deck[place];
        std::string_view word = kNormal;
        if (id == "0")
            word = kBlank;
        else if (preferences.reversedCards && generator.below(2) == 1)
            word = kReversed;
        result.ids.push_back(id);
        result.orientations.emplace_back(word);
        if (!preferences.repeatCards)
            remaining.take(place);
    }
    // Without repetition every card of the deck in play was drawn out of it.
    if (!preferences.repeatCards)
        deck.clear();
    return result;
}

} // namespace kestrava
