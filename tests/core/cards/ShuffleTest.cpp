#include "core/cards/Shuffle.h"

#include "core/Error.h"
#include "core/app/Preferences.h"
#include "core/cards/Generator.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace kestrava;

namespace {
Lines range(int first, int last)
{
    Lines ids;
    for (int id = first; id <= last; ++id)
        ids.push_back(std::to_string(id));
    return ids;
}

Lines sortedNumerically(Lines ids)
{
    std::sort(ids.begin(), ids.end(), [](const std::string& a, const std::string& b) {
        return std::stoi(a) < std::stoi(b);
    });
    return ids;
}
} // namespace

TEST(Shuffle, FullDeckIsAPermutationDrawnWithOneNumberPerCard)
{
    const Shuffle s = buildAndShuffle(Preferences{}, 0);
    ASSERT_EQ(s.ids.size(), 78u);
    EXPECT_EQ(sortedNumerically(s.ids), range(1, 78));
    EXPECT_EQ(s.orientations, Lines(78, "normal"));
    EXPECT_TRUE(s.deckInPlay.empty());
    // Draw k takes entry (R_k mod remaining) of what is left.
    EXPECT_EQ((Lines{s.ids.begin(), s.ids.begin() + 5}), (Lines{"35", "39", "55", "22", "77"}));
    EXPECT_EQ(s.ids.back(), "63");
}

TEST(Shuffle, ReversalConsumesASecondNumberPerCard)
{
    Preferences p;
    p.reversedCards = true;
    p.cardSet = CardSet::Majors22;
    const Shuffle s = buildAndShuffle(p, 7);

    Generator g;
    g.seed(7);
    Lines deck = range(1, 22);
    for (std::size_t draw = 0; draw < 22; ++draw) {
        const auto pos = g.below(static_cast<std::uint32_t>(deck.size()));
        const std::string word = g.below(2) == 1 ? "reversed" : "normal";
        EXPECT_EQ(s.ids[draw], deck[pos]);
        EXPECT_EQ(s.orientations[draw], word);
        deck.erase(deck.begin() + pos);
    }
}

TEST(Shuffle, BlankCardsStandFirstAndNeverReverse)
{
    Preferences p;
    p.cardSet = CardSet::Majors22;
    p.useBlankCards = true;
    p.blankCardCount = "2";
    p.reversedCards = true;
    const Shuffle s = buildAndShuffle(p, 99);
    ASSERT_EQ(s.ids.size(), 24u);
    Lines expected = range(1, 22);
    expected.insert(expected.begin(), {"0", "0"});
    EXPECT_EQ(sortedNumerically(s.ids), expected);
    for (std::size_t i = 0; i < s.ids.size(); ++i)
        EXPECT_EQ(s.ids[i] == "0", s.orientations[i] == "blank") << i;

    // A blank draw takes one number, so the sequence differs from a deck
    // where every card took two.
    Generator g;
    g.seed(99);
    Lines deck = expected;
    for (std::size_t draw = 0; draw < 24; ++draw) {
        const auto pos = g.below(static_cast<std::uint32_t>(deck.size()));
        if (deck[pos] != "0")
            g.below(2);
        EXPECT_EQ(s.ids[draw], deck[pos]);
        deck.erase(deck.begin() + pos);
    }
}

TEST(Shuffle, MinorsAndRepetition)
{
    Preferences p;
    p.cardSet = CardSet::Minors56;
    p.repeatCards = true;
    const Shuffle s = buildAndShuffle(p, 3);
    ASSERT_EQ(s.ids.size(), 56u);
    EXPECT_EQ(s.deckInPlay, range(23, 78));
    Generator g;
    g.seed(3);
    for (const auto& id : s.ids)
        EXPECT_EQ(id, std::to_string(23 + g.below(56)));
}

TEST(Shuffle, BlankCountMustBeAnInteger)
{
    Preferences p;
    p.useBlankCards = true;
    p.blankCardCount = "two";
    EXPECT_THROW(buildAndShuffle(p, 0), Error);
    p.blankCardCount = "-3";
    EXPECT_EQ(buildAndShuffle(p, 0).ids.size(), 78u);
    p.useBlankCards = false;
    p.blankCardCount = "two";
    EXPECT_EQ(buildAndShuffle(p, 0).ids.size(), 78u);
}

TEST(Shuffle, ThousandBlankCardsDrawAsTheListModelDoes)
{
    Preferences p;
    p.useBlankCards = true;
    p.blankCardCount = "1000";
    p.reversedCards = true;
    const Shuffle s = buildAndShuffle(p, 2024);
    ASSERT_EQ(s.ids.size(), 1078u);
    EXPECT_TRUE(s.deckInPlay.empty());

    // Every draw takes entry p of what is left, the later entries moving up.
    Lines deck(1000, "0");
    const Lines cards = range(1, 78);
    deck.insert(deck.end(), cards.begin(), cards.end());
    Generator g;
    g.seed(2024);
    Lines ids;
    Lines words;
    while (!deck.empty()) {
        const auto pos = g.below(static_cast<std::uint32_t>(deck.size()));
        ids.push_back(deck[pos]);
        words.emplace_back(deck[pos] == "0" ? "blank" : (g.below(2) == 1 ? "reversed" : "normal"));
        deck.erase(deck.begin() + pos);
    }
    EXPECT_EQ(s.ids, ids);
    EXPECT_EQ(s.orientations, words);
}

TEST(Shuffle, MoreThanAThousandBlankCardsStopWithAMessage)
{
    Preferences p;
    p.useBlankCards = true;
    for (const char* count : {"1001", "1000000", "1000000000"}) {
        p.blankCardCount = count;
        try {
            buildAndShuffle(p, 0);
            ADD_FAILURE() << count << " blank cards were shuffled";
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()),
                      "The number of blank cards, " + std::string(count) +
                          ", is too large: at most 1000 blank cards can be added.");
        }
    }
}
