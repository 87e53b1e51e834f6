#include "core/cards/Card.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace kestrava;

TEST(Card, IdentifiersAndPaths)
{
    EXPECT_EQ(minorCardId(1, 1), 23);
    EXPECT_EQ(minorCardId(1, 14), 36);
    EXPECT_EQ(minorCardId(2, 1), 37);
    EXPECT_EQ(minorCardId(4, 14), 78);
    EXPECT_EQ(upperCaseWord("reversed"), "REVERSED");
    EXPECT_EQ(cardPicturePath("/p/cards/Deck", "reversed", "17"),
              std::filesystem::path("/p/cards/Deck/reversed/17.jpg"));
}

TEST(Card, BackFallsBackToTheCommonPicture)
{
    test::TempProgramFolder home;
    const auto deck = home.folder().deckFolder("Deck");
    EXPECT_EQ(cardBackPath(home.folder(), deck), home.root() / "cards" / "back.jpg");
    home.writeRaw("cards/Deck/back.jpg", "x");
    EXPECT_EQ(cardBackPath(home.folder(), deck), deck / "back.jpg");
}

TEST(Card, DeckSizeCountsEveryFileOfNormal)
{
    test::TempProgramFolder home;
    home.makeDeck("Full", 78);
    home.makeDeck("Majors", 22);
    home.makeDeck("Extra", 78);
    home.writeRaw("cards/Extra/normal/Thumbs.db", "");
    EXPECT_EQ(deckSize(home.folder().deckFolder("Full")), "78");
    EXPECT_EQ(deckSize(home.folder().deckFolder("Majors")), "22");
    EXPECT_EQ(deckSize(home.folder().deckFolder("Extra")), "79");
    EXPECT_EQ(deckSize(home.folder().deckFolder("Missing")), "0");
}

TEST(Card, CompatibilityRule)
{
    struct Case
    {
        const char* size;
        int cards;
        Compatibility expected;
    };
    const Case cases[] = {
        {"78", 30, Compatibility::Deal},           {"78", 1, Compatibility::Deal},
        {"22", 22, Compatibility::DealMajorsOnly}, {"22", 1, Compatibility::DealMajorsOnly},
        {"22", 23, Compatibility::TooFewCards},    {"77", 3, Compatibility::NotADeck},
        {"79", 3, Compatibility::NotADeck},        {"078", 3, Compatibility::NotADeck},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkCompatibility(c.size, c.cards), c.expected) << c.size << " " << c.cards;
    EXPECT_EQ(kTooFewCardsMessage,
              "Please, Select another Tarot Deck for this spread. Because There're only 22 cards "
              "in the Deck You selected, but the Spread requires more cards.");
}
