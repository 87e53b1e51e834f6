#include "core/reading/Deal.h"

#include "ReadingFixture.h"
#include "core/Error.h"
#include "core/cards/Card.h"
#include "core/srml/SectionReader.h"
#include "core/srml/SpreadDocument.h"

#include <gtest/gtest.h>

namespace kestrava::test {
namespace {

class Deal : public ReadingFolder
{
protected:
    Deal()
    {
        SpreadDraft spread;
        spread.title = "Two Cards";
        spread.description = {"Past and future"};
        spread.comments = {"Look twice"};
        spread.meanings = {"Past", "Future"};
        spread.positions = {{5, 5}, {45, 5}};
        std::filesystem::create_directories(temp.folder().spreads());
        saveSpread(temp.folder(), spread);
        std::filesystem::create_directories(temp.folder().xfiles());
        addPicture("normal", "21");
        addPicture("reversed", "3");
        request.spreadName = "Two Cards";
        request.person = "  Anna ";
        request.question = {"Will it rain?", "When?"};
        request.deck = "Test";
        request.now = {2009, 1, 20, 22, 41, 7};
        request.ids = {"21", "3", "9"};
        request.orientations = {"normal", "reversed", "normal"};
    }

    void runDeal() { deal(temp.folder(), prefs, request, sources, titles, canvas, result); }

    DealRequest request;
    DealResult result;
};

TEST_F(Deal, ComposesTheReadingSuggestsItsNameAndWritesBothPages)
{
    runDeal();
    const Lines expected = {
        R"([SRML VERSION="1.0" CONTENT-TYPE="SAVEDSPREAD"])",
        "[SPREAD]",
        "Two Cards",
        "[/SPREAD]",
        "[PERSON]",
        "Anna",
        "[/PERSON]",
        "[DATETIME]",
        "2009-01-20, 22-41",
        "[/DATETIME]",
        "[QUESTION]",
        "Will it rain?<br />",
        "When?<br />",
        "[/QUESTION]",
        "[CARDS]",
        "2",
        "[/CARDS]",
        "[DESCRIPTION]",
        "Past and future<br />",
        "[/DESCRIPTION]",
        "[MEANINGS]",
        "Past",
        "Future",
        "[/MEANINGS]",
        "[POSITIONS]",
        "5,5",
        "45,5",
        "[/POSITIONS]",
        "[FORTUNE]",
        "21",
        "3",
        "[/FORTUNE]",
        "[MIRRORS]",
        "normal",
        "reversed",
        "[/MIRRORS]",
        "[COMMENTS]",
        "Look twice<br />",
        "[/COMMENTS]",
        "[/SRML]",
    };
    EXPECT_EQ(result.reading, expected);
    // The name goes in after the trim, so its own blanks stay (saving trims them).
    EXPECT_EQ(result.suggestedName, "  Anna , Two Cards, 2009-01-20, 22-41");
    EXPECT_EQ(result.deckFolder, temp.folder().deckFolder("Test"));
    EXPECT_TRUE(result.pagesWritten);
    EXPECT_EQ(readLines(reportPagePath(temp.folder())), result.render.report);
    EXPECT_EQ(readLines(previewPagePath(temp.folder())), result.render.preview);
    EXPECT_EQ(temp.readRaw("xfiles/newSpread-0001.html"), joinLines(result.render.report));
    EXPECT_EQ(canvas.ofKind(CanvasCall::Jpeg).size(), 2u);
}

TEST_F(Deal, NameDropsRestrictedSymbolsOfThePerson)
{
    request.person = "Who?";
    prefs.fileNameTemplate = "#N #S";
    runDeal();
    EXPECT_EQ(result.suggestedName, "Who Two Cards");
}

TEST_F(Deal, FailedRenderKeepsThePreviousPages)
{
    temp.writeRaw("xfiles/newSpread-0001.html", "old report\r\n");
    temp.writeRaw("xfiles/export.html", "old preview\r\n");
    std::filesystem::remove(cardPicturePath(deckFolder(), "reversed", "3"));
    EXPECT_THROW(runDeal(), Error);
    EXPECT_FALSE(result.pagesWritten);
    EXPECT_EQ(temp.readRaw("xfiles/newSpread-0001.html"), "old report\r\n");
    EXPECT_EQ(temp.readRaw("xfiles/export.html"), "old preview\r\n");
    EXPECT_EQ(result.reading.back(), "[/SRML]");
}

TEST_F(Deal, TooFewDrawsStopsComposingAndRendersNothing)
{
    request.ids = {"21"};
    EXPECT_THROW(runDeal(), Error);
    EXPECT_EQ(result.reading.back(), "21");
    EXPECT_TRUE(result.suggestedName.empty());
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_FALSE(std::filesystem::exists(reportPagePath(temp.folder())));
}

TEST_F(Deal, UnreadableSpreadStopsAtTheCardCountKeepingTheLinesBefore)
{
    std::filesystem::remove(temp.folder().spreadFile("Two Cards"));
    try {
        runDeal();
        FAIL() << "the deal went on without its spread";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("Two Cards"), std::string::npos) << error.what();
    }
    ASSERT_EQ(result.reading.size(), 15u);
    EXPECT_EQ(result.reading[13], "[/QUESTION]");
    EXPECT_EQ(result.reading.back(), "[CARDS]");
    EXPECT_TRUE(result.suggestedName.empty());
    EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(Deal, MissingXfilesFolderIsAnErrorAfterRendering)
{
    std::filesystem::remove_all(temp.folder().xfiles());
    EXPECT_THROW(runDeal(), Error);
    EXPECT_FALSE(result.pagesWritten);
    EXPECT_EQ(result.render.report.back(), "<br /></body></html>");
}

TEST_F(Deal, NoSelectedDeckIsAnError)
{
    request.deck.reset();
    EXPECT_THROW(runDeal(), Error);
    EXPECT_TRUE(result.reading.empty());
}

TEST_F(Deal, EmptyQuestionAndBlankPerson)
{
    request.question.clear();
    request.person = "   ";
    runDeal();
    EXPECT_EQ(findSection(result.reading, "QUESTION"), Lines{});
    EXPECT_EQ(findSection(result.reading, "PERSON"), Lines{""});
}

} // namespace
} // namespace kestrava::test
