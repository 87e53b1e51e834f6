#include "core/Error.h"
#include "core/srml/DescriptionSources.h"
#include "core/srml/ReadingDocument.h"
#include "core/srml/SectionReader.h"
#include "core/srml/SpreadDocument.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace kestrava;

namespace {
SpreadDraft threeCards()
{
    return SpreadDraft{"Past, Present & <Future>",
                       {"Three cards in a row.", "Read left to right."},
                       {"A quick look."},
                       {"The past", "", "The future"},
                       {{5, 65}, {45, 65}, {85, 65}}};
}
} // namespace

TEST(SpreadDocument, WritesTheExactLinesAndReadsBack)
{
    test::TempProgramFolder home;
    std::filesystem::create_directories(home.folder().spreads());
    saveSpread(home.folder(), threeCards());
    EXPECT_EQ(home.readRaw("spreads/Past, Present & <Future>.srml"),
              "[SRML VERSION=\"1.0\" CONTENT-TYPE=\"SPREAD\"]\r\n[SPREAD]\r\n"
              "Past, Present & <Future>\r\n[/SPREAD]\r\n[CARDS]\r\n3\r\n[/CARDS]\r\n"
              "[DESCRIPTION]\r\nThree cards in a row.<br />\r\nRead left to right.<br />\r\n"
              "[/DESCRIPTION]\r\n[MEANINGS]\r\nThe past\r\n\r\nThe future\r\n[/MEANINGS]\r\n"
              "[POSITIONS]\r\n5,65\r\n45,65\r\n85,65\r\n[/POSITIONS]\r\n"
              "[COMMENTS]\r\nA quick look.<br />\r\n[/COMMENTS]\r\n[/SRML]\r\n");
    const Lines doc = readLines(home.folder().spreadFile("Past, Present & <Future>"));
    EXPECT_EQ(plainLines(findSection(doc, "DESCRIPTION")), threeCards().description);
    EXPECT_EQ(findSection(doc, "MEANINGS"), threeCards().meanings);
    EXPECT_EQ(cardCount(findSection(doc, "CARDS")), 3);
}

TEST(SpreadDocument, EmptyTextsWriteNoLines)
{
    SpreadDraft one{"One", {}, {}, {"Now"}, {{5, 5}}};
    const Lines lines = spreadLines(one);
    EXPECT_EQ(findSection(lines, "DESCRIPTION"), Lines{});
    EXPECT_EQ(findSection(lines, "COMMENTS"), Lines{});
    EXPECT_EQ(findSection(lines, "POSITIONS"), Lines{"5,5"});
}

TEST(SpreadDocument, PositionSplitsAtTheLastComma)
{
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"5,65", "5", "65"},
        {"12,5,7", "12,5", "7"},
        {"65", "", "65"},
        {",", "", ""},
        {"-5,0", "-5", "0"}};
    for (const auto& [line, left, top] : cases) {
        const PositionText p = splitPosition(line);
        EXPECT_EQ(p.left, left) << line;
        EXPECT_EQ(p.top, top) << line;
    }
}

TEST(SpreadDocument, CardCountNeedsAnInteger)
{
    EXPECT_EQ(cardCount({"07"}), 7);
    EXPECT_THROW(cardCount({}), Error);
    EXPECT_THROW(cardCount({"seven"}), Error);
    EXPECT_THROW(cardCount({" 7"}), Error);
}

TEST(SpreadDocument, ListsSpreadsWithoutTheirExtension)
{
    test::TempProgramFolder home;
    home.writeRaw("spreads/celtic.srml", "");
    home.writeRaw("spreads/Anna.srml.srml", "");
    home.writeRaw("spreads/Upper.SRML", "");
    home.writeRaw("spreads/notes.txt", "");
    EXPECT_EQ(listSpreads(home.folder()),
              (std::vector<std::string>{"Anna", "celtic", "Upper.SRML"}));
}

class ComposeReading : public ::testing::Test
{
protected:
    DealtReading reading{"Three",
                         "  Anna \t",
                         "2009-01-20, 22-41",
                         {"Will it rain?", "Soon?"},
                         spreadLines(threeCards()),
                         {"0", "17", "40", "5"},
                         {"blank", "normal", "reversed", "normal"}};
};

TEST_F(ComposeReading, WritesTheSavedSpreadLayout)
{
    Lines doc;
    composeReading(reading, doc);
    const Lines expected{R"([SRML VERSION="1.0" CONTENT-TYPE="SAVEDSPREAD"])",
                         "[SPREAD]",
                         "Three",
                         "[/SPREAD]",
                         "[PERSON]",
                         "Anna",
                         "[/PERSON]",
                         "[DATETIME]",
                         "2009-01-20, 22-41",
                         "[/DATETIME]",
                         "[QUESTION]",
                         "Will it rain?<br />",
                         "Soon?<br />",
                         "[/QUESTION]",
                         "[CARDS]",
                         "3",
                         "[/CARDS]",
                         "[DESCRIPTION]",
                         "Three cards in a row.<br />",
                         "Read left to right.<br />",
                         "[/DESCRIPTION]",
                         "[MEANINGS]",
                         "The past",
                         "",
                         "The future",
                         "[/MEANINGS]",
                         "[POSITIONS]",
                         "5,65",
                         "45,65",
                         "85,65",
                         "[/POSITIONS]",
                         "[FORTUNE]",
                         "0",
                         "17",
                         "40",
                         "[/FORTUNE]",
                         "[MIRRORS]",
                         "blank",
                         "normal",
                         "reversed",
                         "[/MIRRORS]",
                         "[COMMENTS]",
                         "A quick look.<br />",
                         "[/COMMENTS]",
                         "[/SRML]"};
    EXPECT_EQ(doc, expected);
    EXPECT_EQ(requiredDeckSize(doc), 78);
}

TEST_F(ComposeReading, EmptyQuestionAndBlankPerson)
{
    reading.question.clear();
    reading.person = "   ";
    Lines doc;
    composeReading(reading, doc);
    EXPECT_EQ(findSection(doc, "QUESTION"), Lines{});
    EXPECT_EQ(findSection(doc, "PERSON"), Lines{""});
}

TEST_F(ComposeReading, StopsWhereItFailsAndKeepsWhatWasAppended)
{
    reading.ids = {"1", "2"};
    Lines doc;
    EXPECT_THROW(composeReading(reading, doc), Error);
    EXPECT_EQ(doc.back(), "2");
    EXPECT_EQ(findSection(doc, "POSITIONS").size(), 3u);

    reading.spread = {"[CARDS]", "x", "[/CARDS]"};
    doc.clear();
    EXPECT_THROW(composeReading(reading, doc), Error);
    EXPECT_EQ(doc.back(), "[CARDS]");
}

TEST(ReadingDocument, DiaryLayoutAndRequiredDeck)
{
    DiaryEntry entry{"Three",
                     "2",
                     "Anna",
                     "today",
                     {"Q"},
                     {"d<br />"},
                     {"m1", "m2"},
                     {"5,5", "45,5"},
                     {},
                     {"3", "22"},
                     {"normal", "reversed"}};
    const Lines doc = composeDiary(entry);
    const Lines expected{R"([SRML VERSION="1.0" CONTENT-TYPE="DIARY"])",
                         "[SPREAD]",
                         "Three",
                         "[/SPREAD]",
                         "[CARDS]",
                         "2",
                         "[/CARDS]",
                         "[PERSON]",
                         "Anna",
                         "[/PERSON]",
                         "[DATETIME]",
                         "today",
                         "[/DATETIME]",
                         "[QUESTION]",
                         "Q<br />",
                         "[/QUESTION]",
                         "[DESCRIPTION]",
                         "d<br />",
                         "[/DESCRIPTION]",
                         "[MEANINGS]",
                         "m1",
                         "m2",
                         "[/MEANINGS]",
                         "[POSITIONS]",
                         "5,5",
                         "45,5",
                         "[/POSITIONS]",
                         "[COMMENTS]",
                         "[/COMMENTS]",
                         "[FORTUNE]",
                         "3",
                         "22",
                         "[/FORTUNE]",
                         "[MIRRORS]",
                         "normal",
                         "reversed",
                         "[/MIRRORS]",
                         "[/SRML]"};
    EXPECT_EQ(doc, expected);
    EXPECT_EQ(requiredDeckSize(doc), 22);
}

class DescriptionSourcesTest : public ::testing::Test
{
protected:
    test::TempProgramFolder home;
    SectionSources sources{home.folder()};
};

TEST_F(DescriptionSourcesTest, ListsByFileNameIgnoringCase)
{
    home.writeRaw("descriptions/classic.srml", "");
    home.writeRaw("descriptions/Brief.srml", "");
    home.writeRaw("descriptions/Odd.SRML", "");
    home.writeRaw("descriptions/readme.txt", "");
    home.writeRaw("descriptions/folder.srml/x", "");
    EXPECT_EQ(listDescriptionSources(home.folder()),
              (std::vector<std::string>{"Brief", "classic", "Odd.SRML"}));
    EXPECT_TRUE(listDescriptionSources(test::TempProgramFolder().folder()).empty());
}

TEST_F(DescriptionSourcesTest, OneBlockPerCheckedSourceInListOrder)
{
    home.writeLines("descriptions/A.srml",
                    {"[NAME]", "Alpha", "extra", "[/NAME]", R"([CARD ID="17" TYPE="REVERSED"])",
                     "a1<br />", "a2", R"([/CARD ID="17" TYPE="REVERSED"])"});
    home.writeLines("descriptions/B.srml", {"[NAME]", "Beta", "[/NAME]"});
    home.writeLines("descriptions/C.srml",
                    {"[NAME]", "Gamma", "[/NAME]", R"([CARD ID="0" TYPE="BLANK"])", "empty card",
                     R"([/CARD ID="0" TYPE="BLANK"])"});
    sources.descriptionSources = listDescriptionSources(home.folder());

    const auto blocks = cardDescriptions(sources, {true, false, true}, "17", "reversed");
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].heading, "Alpha");
    EXPECT_EQ(blocks[0].body, (Lines{"a1<br />", "a2"}));
    EXPECT_EQ(blocks[1].heading, "Gamma");
    EXPECT_TRUE(blocks[1].body.empty());

    const auto blank = cardDescriptions(sources, {false, true, true}, "0", "blank");
    ASSERT_EQ(blank.size(), 2u);
    EXPECT_TRUE(blank[0].body.empty());
    EXPECT_EQ(blank[1].body, Lines{"empty card"});
    EXPECT_TRUE(cardDescriptions(sources, {false, false, false}, "1", "normal").empty());
}

TEST_F(DescriptionSourcesTest, SourceWithoutNameOrFileStops)
{
    home.writeLines("descriptions/A.srml", {"[NAME]", "[/NAME]"});
    sources.descriptionSources = {"A", "Gone"};
    EXPECT_THROW(cardDescriptions(sources, {true, false}, "1", "normal"), Error);
    EXPECT_THROW(cardDescriptions(sources, {false, true}, "1", "normal"), Error);
}

TEST(DescriptionSections, CompleteDocumentHas158)
{
    const auto names = descriptionSectionNames();
    ASSERT_EQ(names.size(), 158u);
    EXPECT_EQ(names[1], R"(CARD ID="0" TYPE="BLANK")");
    EXPECT_EQ(names[157], R"(CARD ID="78" TYPE="REVERSED")");
}
