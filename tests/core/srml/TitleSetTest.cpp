#include "core/srml/TitleSet.h"

#include "core/Error.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace kestrava;

namespace {
Lines defaultTitleLines()
{
    Lines lines{"Empty Card",
                "The Magician",
                "The High Priestess",
                "The Empress",
                "The Emperor",
                "The Hierophant",
                "The Lovers",
                "The Chariot",
                "Justice",
                "The Hermit",
                "The Wheel of Fortune",
                "Strength",
                "The Hanged Man",
                "Death",
                "Temperance",
                "The Devil",
                "The Tower",
                "The Star",
                "The Moon",
                "The Sun",
                "Judgement",
                "The Fool",
                "The World",
                "Wands",
                "Cups",
                "Swords",
                "Coins",
                "Ace",
                "Two",
                "Three",
                "Four",
                "Five",
                "Six",
                "Seven",
                "Eight",
                "Nine",
                "Ten",
                "Page",
                "Knight",
                "Queen",
                "King",
                "of"};
    return lines;
}
} // namespace

TEST(TitleSet, ComposesTheSeventyNineTitles)
{
    test::TempProgramFolder home;
    home.writeLines("titles/default.srml", defaultTitleLines());
    TitleSet titles;
    loadTitleSet(home.folder(), true, titles);
    const auto list = composeTitleList(titles);
    ASSERT_EQ(list.size(), 79u);
    EXPECT_EQ(list[0], "Empty Card");
    EXPECT_EQ(list[21], "The Fool");
    EXPECT_EQ(list[22], "The World");
    EXPECT_EQ(list[23], "Ace of Wands");
    EXPECT_EQ(list[36], "King of Wands");
    EXPECT_EQ(list[37], "Ace of Cups");
    EXPECT_EQ(list[78], "King of Coins");
}

TEST(TitleSet, EmptyDividerRankOrSuit)
{
    TitleSet titles;
    titles.rank(1) = "Ace";
    titles.suit(0) = "Wands";
    EXPECT_EQ(composeTitleList(titles)[23], "Ace Wands"); // empty divider: one space
    titles.rank(1).clear();
    titles.divider() = "of";
    EXPECT_EQ(composeTitleList(titles)[23], " of Wands");
    titles.rank(1) = "Ace";
    titles.suit(0).clear();
    EXPECT_EQ(composeTitleList(titles)[23], "Ace of ");
}

TEST(TitleSet, LoadStopsAtTheFirstMissingLine)
{
    test::TempProgramFolder home;
    Lines lines = defaultTitleLines();
    lines.resize(30);
    home.writeLines("titles/default.srml", lines);
    TitleSet titles;
    titles.fields.fill("old");
    EXPECT_THROW(loadTitleSet(home.folder(), true, titles), Error);
    EXPECT_EQ(titles.fields[29], "Three");
    EXPECT_EQ(titles.fields[30], "old");
    // A missing custom document changes nothing.
    TitleSet untouched;
    EXPECT_THROW(loadTitleSet(home.folder(), false, untouched), Error);
    EXPECT_EQ(untouched, TitleSet{});
}

TEST(TitleSet, SaveAsCustomWritesFortyTwoLinesThatLoadBack)
{
    test::TempProgramFolder home;
    home.writeLines("titles/default.srml", defaultTitleLines());
    Lines longer = defaultTitleLines();
    longer.push_back("ignored");
    home.writeLines("titles/default.srml", longer);
    TitleSet titles;
    loadTitleSet(home.folder(), true, titles);
    titles.fields[21] = "[The Madman]";
    saveCustomTitleSet(home.folder(), titles);
    EXPECT_EQ(readLines(home.root() / "titles" / "custom.srml").size(), 42u);
    TitleSet custom;
    loadTitleSet(home.folder(), false, custom);
    EXPECT_EQ(custom, titles);
}

TEST(TitleSet, SuggestionsKeepTheirOrder)
{
    const auto& suggestions = titleSuggestions();
    ASSERT_EQ(suggestions.size(), 30u);
    EXPECT_EQ(suggestions[4].first, "t5");
    EXPECT_EQ(suggestions[4].second.front(), "The High Priest");
    EXPECT_EQ(suggestions.back().second.back(), "Earth");
}
