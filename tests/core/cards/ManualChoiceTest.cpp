#include "core/cards/ManualChoice.h"

#include "core/Error.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace kestrava;

namespace {
ManualChoice threeCards(bool faceDown, CardSet set = CardSet::All78)
{
    ManualChoice choice;
    choice.start(set, faceDown, {"17", "40", "3"}, {"normal", "reversed", "normal"},
                 {"5", "45", "85"}, {"65", "5", "125"});
    return choice;
}
} // namespace

TEST(ManualChoice, TheKthPickIsPositionKWhicheverBack)
{
    ManualChoice choice = threeCards(false);
    EXPECT_EQ(choice.total(), 3);
    EXPECT_EQ(choice.remaining(), 3);
    EXPECT_EQ(choice.registerEntry(40), kUnplaced);

    EXPECT_EQ(choice.pick(40), 0);
    EXPECT_EQ(choice.pick(3), 1);
    EXPECT_EQ(choice.registerEntry(40), 0);
    EXPECT_EQ(choice.registerEntry(3), 1);
    EXPECT_EQ(choice.remaining(), 1);
    EXPECT_EQ(choice.tablePlace(40), (TablePoint{15, 135}));
    EXPECT_EQ(choice.tablePlace(3), (TablePoint{95, 15}));
    EXPECT_EQ(choice.cardPicture("/deck", choice.registerEntry(40)),
              std::filesystem::path("/deck/normal/17.jpg"));
    EXPECT_EQ(choice.cardPicture("/deck", choice.registerEntry(3)),
              std::filesystem::path("/deck/reversed/40.jpg"));
    EXPECT_TRUE(choice.isFaceUp(40));
    // A placed back is no longer in the strip: a second pick does nothing.
    EXPECT_EQ(choice.pick(40), std::nullopt);
    EXPECT_EQ(choice.remaining(), 1);
}

TEST(ManualChoice, FaceDownUntilRevealedAndOnlyOnTheTable)
{
    ManualChoice choice = threeCards(true);
    EXPECT_FALSE(choice.reveal(12));
    EXPECT_FALSE(choice.isFaceUp(12));
    ASSERT_EQ(choice.pick(12), 0);
    EXPECT_FALSE(choice.isFaceUp(12));
    EXPECT_TRUE(choice.reveal(12));
    EXPECT_TRUE(choice.isFaceUp(12));
    EXPECT_TRUE(choice.reveal(12));
    EXPECT_TRUE(choice.isFaceUp(12));
    EXPECT_FALSE(choice.reveal(0));
    EXPECT_FALSE(choice.reveal(79));
}

TEST(ManualChoice, LastPickClosesTheStripAndOpensContinue)
{
    ManualChoice choice = threeCards(true);
    EXPECT_TRUE(choice.stripEnabled());
    EXPECT_FALSE(choice.canContinue());
    for (const int back : {7, 8, 9})
        ASSERT_TRUE(choice.pick(back).has_value());
    EXPECT_EQ(choice.remaining(), 0);
    EXPECT_FALSE(choice.stripEnabled());
    EXPECT_TRUE(choice.canContinue());
    EXPECT_EQ(choice.pick(10), std::nullopt);
    EXPECT_TRUE(choice.inStrip(10));
}

TEST(ManualChoice, CardSetDecidesWhichBacksShow)
{
    const std::vector<std::tuple<CardSet, int, bool>> cases = {
        {CardSet::Majors22, 22, false}, {CardSet::Minors56, 56, false}, {CardSet::All78, 78, true}};
    for (const auto& [set, shown, scrolls] : cases) {
        EXPECT_EQ(shownBacks(set), shown);
        EXPECT_EQ(stripScrolls(set), scrolls);
        ManualChoice choice = threeCards(true, set);
        EXPECT_TRUE(choice.inStrip(shown));
        EXPECT_FALSE(choice.isShown(shown + 1));
        EXPECT_EQ(choice.pick(shown + 1), std::nullopt);
    }
}

TEST(ManualChoice, NothingToLayOrTooFewBacksStillEnds)
{
    ManualChoice none;
    none.start(CardSet::All78, true, {}, {}, {}, {});
    EXPECT_EQ(none.total(), 0);
    EXPECT_TRUE(none.canContinue());

    // A reading left from an earlier deal may need more cards than the set shows.
    Lines ids(30, "1"), words(30, "normal"), lefts(30, "5"), tops(30, "5");
    ManualChoice many;
    many.start(CardSet::Majors22, true, ids, words, lefts, tops);
    for (int k = 1; k <= 22; ++k)
        ASSERT_TRUE(many.pick(k).has_value());
    EXPECT_EQ(many.remaining(), 8);
    EXPECT_TRUE(many.canContinue());
}

TEST(ManualChoice, BadLayoutStopsThePickBeforeItLays)
{
    ManualChoice choice;
    choice.start(CardSet::All78, true, {"1", "2"}, {"normal", "normal"}, {"5", "x"}, {"5"});
    ASSERT_EQ(choice.pick(1), 0);
    EXPECT_THROW(choice.pick(2), Error);
    EXPECT_TRUE(choice.inStrip(2));
    EXPECT_EQ(choice.remaining(), 1);
}

TEST(ManualChoice, StripGeometryAndHover)
{
    EXPECT_EQ(stripPlace(1), (TablePoint{5, 5}));
    EXPECT_EQ(stripPlace(78), (TablePoint{775, 5}));
    EXPECT_EQ(stripPlace(12, true), (TablePoint{115, 10}));
    EXPECT_EQ(choicePlace(5, 65), (TablePoint{15, 135}));
}

TEST(ManualChoice, BackPictureHonoursTheCustomBack)
{
    test::TempProgramFolder home;
    const auto deck = home.folder().deckFolder("Deck");
    const auto common = home.root() / "cards" / "back.jpg";
    EXPECT_EQ(backPicture(home.folder(), deck, false), common);
    home.writeRaw("cards/Deck/back.jpg", "x");
    EXPECT_EQ(backPicture(home.folder(), deck, false), deck / "back.jpg");
    EXPECT_EQ(backPicture(home.folder(), deck, true), common);
}
