#include "core/srml/SectionReader.h"

#include "core/Error.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace kestrava;

struct FindCase
{
    const char* name;
    Lines document;
    Lines expected;
};

class FindSection : public ::testing::TestWithParam<FindCase>
{
};

TEST_P(FindSection, TakesLastStartAndLastEndTag)
{
    EXPECT_EQ(findSection(GetParam().document, "CARDS"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    SectionReader, FindSection,
    ::testing::Values(
        FindCase{"Plain", {"[SRML]", "[CARDS]", "3", "[/CARDS]", "[/SRML]"}, {"3"}},
        FindCase{
            "SecondSectionWins", {"[CARDS]", "1", "[/CARDS]", "[CARDS]", "2", "[/CARDS]"}, {"2"}},
        FindCase{"StartAfterEndIsEmpty", {"[CARDS]", "1", "[/CARDS]", "[CARDS]", "2"}, {}},
        FindCase{"AdjacentTagsAreEmpty", {"[CARDS]", "[/CARDS]"}, {}},
        FindCase{"MissingEndTag", {"[CARDS]", "1"}, {}},
        FindCase{"MissingStartTag", {"1", "[/CARDS]"}, {}},
        FindCase{"TrailingBlankIsContent", {"[CARDS] ", "1", "[/CARDS]"}, {}},
        FindCase{"OtherCaseIsContent",
                 {"[CARDS]", "[cards]", "[/Cards]", "[/CARDS]"},
                 {"[cards]", "[/Cards]"}},
        FindCase{"IndentedTagIsContent", {"[CARDS]", " [/CARDS]", "[/CARDS]"}, {" [/CARDS]"}},
        FindCase{"LinesOutsideIgnored", {"x", "[CARDS]", "", "a", "[/CARDS]", "y"}, {"", "a"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SectionReader, NamesWithQuotesAndBlanksMatchWholeLines)
{
    const Lines doc{"[NAME]",     "Classic",
                    "[/NAME]",    R"([CARD ID="5" TYPE="NORMAL"])",
                    "text<br />", R"([/CARD ID="5" TYPE="NORMAL"])"};
    EXPECT_EQ(findSection(doc, R"(CARD ID="5" TYPE="NORMAL")"), Lines{"text<br />"});
    EXPECT_TRUE(findSection(doc, R"(CARD ID="5" TYPE="REVERSED")").empty());
}

class SectionSourcesTest : public ::testing::Test
{
protected:
    test::TempProgramFolder home;
    SectionSources sources{home.folder()};
};

TEST_F(SectionSourcesTest, EveryCodeOpensItsDocument)
{
    home.writeLines("cards/Deck/info.srml", {"[YEAR]", "2026", "[/YEAR]"});
    home.writeLines("spreads/Three.srml", {"[CARDS]", "3", "[/CARDS]"});
    home.writeLines("editor/Edited.srml", {"[CARDS]", "7", "[/CARDS]"});
    home.writeLines("descriptions/Custom.srml", {"[NAME]", "Custom", "[/NAME]"});
    home.writeLines("descriptions/Alpha.srml", {"[NAME]", "Alpha", "[/NAME]"});
    home.writeLines("descriptions/Beta.srml", {"[NAME]", "Beta", "[/NAME]"});
    home.writeLines("database/Saved.srml", {"[PERSON]", "Anna", "[/PERSON]"});
    home.writeLines("diary/Saved.srml", {"[PERSON]", "Boris", "[/PERSON]"});
    const Lines reading{"[PERSON]", "Clara", "[/PERSON]"};

    sources.selectedDeck = "Deck";
    sources.spreadEditorFile = home.root() / "editor" / "Edited.srml";
    sources.selectedSpread = "Three";
    sources.currentReading = &reading;
    sources.selectedHiddenSource = "Alpha";
    sources.descriptionSources = {"Alpha", "Beta", "Custom"};
    sources.currentSourcePosition = 1;
    sources.selectedSavedReading = "Saved";

    EXPECT_EQ(sources.read("YEAR", "MC"), Lines{"2026"});
    EXPECT_EQ(sources.read("CARDS", "CSE"), Lines{"7"});
    EXPECT_EQ(sources.read("CARDS", "CSS"), Lines{"3"});
    EXPECT_EQ(sources.read("PERSON", "CSS1"), Lines{"Clara"});
    EXPECT_EQ(sources.read("NAME", "CDE"), Lines{"Custom"});
    EXPECT_EQ(sources.read("NAME", "CDS"), Lines{"Alpha"});
    EXPECT_EQ(sources.read("NAME", "CDS1"), Lines{"Beta"});
    EXPECT_EQ(sources.read("PERSON", "DB"), Lines{"Anna"});
    EXPECT_EQ(sources.read("PERSON", "DIARY"), Lines{"Boris"});
    EXPECT_TRUE(sources.read("PERSON", "db").empty());
    EXPECT_TRUE(sources.read("PERSON", "").empty());
}

TEST_F(SectionSourcesTest, ReadsAfreshOnEveryCall)
{
    home.writeLines("spreads/S.srml", {"[CARDS]", "3", "[/CARDS]"});
    sources.selectedSpread = "S";
    EXPECT_EQ(sources.read("CARDS", "CSS"), Lines{"3"});
    home.writeLines("spreads/S.srml", {"[CARDS]", "4", "[/CARDS]"});
    EXPECT_EQ(sources.read("CARDS", "CSS"), Lines{"4"});
}

TEST_F(SectionSourcesTest, MissingDocumentOrSelectionIsAnError)
{
    EXPECT_THROW(sources.read("CARDS", "CSS"), Error); // nothing selected
    sources.selectedSpread = "Gone";
    EXPECT_THROW(sources.read("CARDS", "CSS"), Error);
    sources.descriptionSources = {"A"};
    sources.currentSourcePosition = 3;
    EXPECT_THROW(sources.read("NAME", "CDS1"), Error);
    // An empty current reading document reads as empty sections.
    EXPECT_TRUE(sources.read("CARDS", "CSS1").empty());
}

class ReplaceCustomSection : public ::testing::Test
{
protected:
    test::TempProgramFolder home;
    const std::string path = "descriptions/Custom.srml";
};

TEST_F(ReplaceCustomSection, KeepsEverythingElseByteForByte)
{
    home.writeRaw(path,
                  "header\n[NAME]\nCustom\n[/NAME]\n[A]\nold 1\nold 2\n[/A]\n[B]\nb\n[/B]\ntail");
    replaceCustomSection(home.folder(), "A", {"new<br />"});
    EXPECT_EQ(home.readRaw(path),
              "header\r\n[NAME]\r\nCustom\r\n[/NAME]\r\n[A]\r\nnew<br />\r\n[/A]"
              "\r\n[B]\r\nb\r\n[/B]\r\ntail\r\n");
    replaceCustomSection(home.folder(), "A", {});
    EXPECT_EQ(findSection(readLines(home.root() / path), "A"), Lines{});
    EXPECT_EQ(findSection(readLines(home.root() / path), "B"), Lines{"b"});
}

TEST_F(ReplaceCustomSection, AppendsAMissingSectionAndCreatesAMissingDocument)
{
    std::filesystem::create_directories(home.folder().descriptions());
    replaceCustomSection(home.folder(), R"(CARD ID="3" TYPE="NORMAL")", {"first"});
    EXPECT_EQ(home.readRaw(path), "[CARD ID=\"3\" TYPE=\"NORMAL\"]\r\nfirst\r\n"
                                  "[/CARD ID=\"3\" TYPE=\"NORMAL\"]\r\n");
    home.writeRaw(path, "[/A]\r\n[A]\r\nstray\r\n");
    replaceCustomSection(home.folder(), "A", {"kept"});
    const Lines doc = readLines(home.root() / path);
    EXPECT_EQ(doc, (Lines{"[/A]", "[A]", "stray", "[A]", "kept", "[/A]"}));
    EXPECT_EQ(findSection(doc, "A"), Lines{"kept"});
}
