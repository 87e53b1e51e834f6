#include "core/reading/Renderer.h"

#include "ReadingFixture.h"
#include "core/Error.h"
#include "core/reading/PageFrame.h"

#include <gtest/gtest.h>

namespace kestrava::test {
namespace {

constexpr std::size_t kFrameLines = 102 + 6 + 57;

Lines body(const Lines& page)
{
    return Lines(page.begin() + static_cast<std::ptrdiff_t>(kFrameLines), page.end());
}

class Renderer : public ReadingFolder
{
protected:
    Renderer()
    {
        addSource("Full", "Full Texts",
                  {{R"(CARD ID="5" TYPE="NORMAL")", {"Strong will.<br />", "<b>Bold</b> step"}}});
    }

    std::string img(const std::string& word, const std::string& id) const
    {
        return R"(<img class="ic" src=")" + picture(word, id) +
               R"(" width="144" height="233" border="0" alt="" />)";
    }
};

TEST_F(Renderer, ReportOfOneCardWithTheDefaultPreferences)
{
    ReadingBuilder reading;
    reading.comments = {"Think it over.<br />"};
    const RenderResult result = render(reading);

    Lines frame;
    appendReadingPageFrame(frame, "UTF-8", "One Card", false);
    ASSERT_GT(result.report.size(), kFrameLines);
    EXPECT_EQ(Lines(result.report.begin(), result.report.begin() + kFrameLines), frame);
    const Lines expected = {
        R"(<body class="b"><a id="top" name="top"></a><span class="style5">One Card</span><br />)",
        "<br /><b>Date: </b>2024-03-05, 14-07<br />",
        "<br />",
        R"(<hr /><div id="B" style="height:315px;">)",
        R"(<div id="C" align="center" style="left:17px; top:20px">)",
        R"(<a href="#a1">)",
        img("normal", "5") + "</a>",
        "</div>",
        "</div><hr />",
        "<p><strong>Reading:</strong></p>",
        R"(<div class="border"><table width="99%" border="0" cellspacing="0" cellpadding="4">)",
        R"(<tr><td colspan="2"><span class="cp"><a id="a1" name="a1"></a>Card 1: The heart of )"
        R"(the matter</span></td></tr>)",
        R"(<tr><td colspan="2"><span class="tn">Title 5<span class="cpos"> (Normal)</span></span>)"
        R"(</td></tr>)",
        R"(<tr><td width="144" valign="top">)" + img("normal", "5") +
            R"(</td><td valign="top" width="100%">)",
        R"(<div class="des" style="margin-bottom:5px">)",
        R"(<div style="margin-top:5px; font-weight:bold; color:#666666">Full Texts:</div><br />)",
        "Strong will.<br />",
        "<b>Bold</b> step",
        "</div>",
        R"(</td></tr><tr><td class="v"><a href="#top">back</a></td><td></td></tr></table></div>)"
        R"(<br />)",
        "Think it over.<br />",
        "<br /></body></html>",
    };
    EXPECT_EQ(body(result.report), expected);
    EXPECT_EQ(result.layout.height, 315);
    EXPECT_EQ(result.layout.pictureWidth, 202);
    EXPECT_EQ(result.fortune, Lines{"5"});
    EXPECT_EQ(result.mirrors, Lines{"normal"});
}

TEST_F(Renderer, ReportWithEveryOptionShowsNameQuestionNumbersTitlesAndMeanings)
{
    prefs.addName = prefs.addQuestion = prefs.showPositionNumbers = prefs.showCardTitles =
        prefs.showMeanings = true;
    prefs.showTexts = false;
    prefs.addDateTime = false;
    ReadingBuilder reading;
    reading.question = {"Will it rain?<br />", "And when?<br />"};
    const Lines page = body(render(reading).report);
    const Lines expected = {
        R"(<body class="b"><a id="top" name="top"></a><span class="style5">One Card</span><br />)",
        "<br /><b>Name: Anna</b><br />",
        R"(<br /><b>Question:</b><br /><br /><div class="que">)",
        "Will it rain?<br />",
        "And when?<br />",
        "</div>",
        "<br />",
        R"(<hr /><div id="B" style="height:315px;">)",
        R"(<div id="C" align="center" style="left:17px; top:20px">)",
        R"(<span class="cp">1</span><br />)",
        R"(<a href="#a1">)",
        img("normal", "5") + "</a>",
        R"(<span class="cn">Title 5</span><br /><span class="cpos">Normal</span>)",
        "</div>",
        "</div><hr />",
        R"(<br /><strong>Spread:</strong><br /><br /><span class="cp0">)",
        R"(<a href="#a1" class="CL">Card 1</a>: The heart of the matter<br />)",
        "</span>",
        "<br /></body></html>",
    };
    EXPECT_EQ(page, expected);
}

TEST_F(Renderer, LayoutOnlyWithoutMeaningsAndTextsNotEvenComments)
{
    prefs.showTexts = false;
    ReadingBuilder reading;
    reading.comments = {"A comment<br />"};
    const Lines page = render(reading).report;
    EXPECT_FALSE(contains(page, "A comment<br />"));
    EXPECT_EQ(page[page.size() - 2], "</div><hr />");
    EXPECT_EQ(page.back(), "<br /></body></html>");
}

struct PositionCase
{
    std::string position;
    std::string box;
    int maxLeft;
    int maxTop;
};

class Positions : public Renderer, public ::testing::WithParamInterface<PositionCase>
{
};

TEST_P(Positions, PlaceTheCardBoxAndBoundTheExtents)
{
    ReadingBuilder reading;
    reading.positions = {GetParam().position};
    const RenderResult result = render(reading);
    EXPECT_TRUE(contains(result.report, GetParam().box));
    EXPECT_EQ(result.layout.maxLeft, GetParam().maxLeft);
    EXPECT_EQ(result.layout.maxTop, GetParam().maxTop);
    EXPECT_EQ(result.layout.height, GetParam().maxTop * 5 + 290);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Positions,
    ::testing::Values(
        PositionCase{"5,5", R"(<div id="C" align="center" style="left:17px; top:20px">)", 5, 5},
        PositionCase{"0,0", R"(<div id="C" align="center" style="left:-5px; top:-5px">)", 0, 0},
        PositionCase{"-10,-20", R"(<div id="C" align="center" style="left:-49px; top:-105px">)", 0,
                     0},
        PositionCase{"365,125", R"(<div id="C" align="center" style="left:1601px; top:620px">)",
                     365, 125}));

TEST_F(Renderer, ExtraPositionLinesWidenTheLayoutButAreNotDrawn)
{
    ReadingBuilder reading;
    reading.positions = {"5,5", "200,300", "45,400"};
    const RenderResult result = render(reading);
    EXPECT_EQ(result.layout.maxLeft, 200);
    EXPECT_EQ(result.layout.maxTop, 400);
    EXPECT_TRUE(contains(result.report, R"(<hr /><div id="B" style="height:2290px;">)"));
    EXPECT_EQ(result.layout.pictureWidth, 200 * 44 / 10 + 180);
    EXPECT_EQ(result.layout.places.size(), 1u);
    EXPECT_EQ(canvas.ofKind(CanvasCall::Jpeg).size(), 1u);
    EXPECT_EQ(canvas.ofKind(CanvasCall::Create).front().rect, (PixelRect{0, 0, 1060, 2290 + 65}));
}

TEST(OrientationLabels, EachReplacementWorksOnTheResultOfTheOneBefore)
{
    Preferences prefs;
    prefs.blankLabel = "abnormal";
    EXPECT_EQ(orientationLabels({"blank", "normal", "reversed"}, prefs),
              (Lines{"abNormal", "Normal", "Reversed"}));
    prefs.normalLabelEnabled = false;
    EXPECT_EQ(orientationLabels({"blank", "normal"}, prefs), (Lines{"ab", ""}));
}

TEST_F(Renderer, BlankCardLabelFeedsLaterReplacements)
{
    prefs.blankLabel = "abnormal";
    prefs.showCardTitles = true;
    ReadingBuilder reading;
    reading.fortune = {"0"};
    reading.mirrors = {"blank"};
    const RenderResult result = render(reading);
    EXPECT_EQ(result.labels, Lines{"abNormal"});
    EXPECT_TRUE(
        contains(result.report,
                 R"(<span class="cn">Title 0</span><br /><span class="cpos">abNormal</span>)"));
    EXPECT_TRUE(contains(result.report, R"(<tr><td colspan="2"><span class="tn">Title 0<span )"
                                        R"(class="cpos"> (abNormal)</span></span></td></tr>)"));
}

TEST_F(Renderer, DisabledLabelLeavesAnEmptySpanAndNoParentheses)
{
    prefs.normalLabelEnabled = false;
    prefs.showCardTitles = true;
    const RenderResult result = render(ReadingBuilder{});
    EXPECT_TRUE(contains(result.report,
                         R"(<span class="cn">Title 5</span><br /><span class="cpos"></span>)"));
    EXPECT_TRUE(contains(result.report, R"(<tr><td colspan="2"><span class="tn">Title 5<span )"
                                        R"(class="cpos"> </span></span></td></tr>)"));
    const auto& lines = result.richText.lines();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [](const RichLine& line) { return line.text == "Title 5 "; }));
}

TEST_F(Renderer, TwoCheckedSourcesGiveTwoBlocksInListOrderAndUncheckedNone)
{
    addSource("Keywords", "Keywords", {{R"(CARD ID="5" TYPE="NORMAL")", {"will"}}}, false);
    addSource("Short", "Short Texts", {{R"(CARD ID="5" TYPE="NORMAL")", {"Will.<br />"}}});
    const RenderResult result = render(ReadingBuilder{});
    const std::string heading = R"(<div style="margin-top:5px; font-weight:bold; color:#666666">)";
    const int full = indexOf(result.report, heading + "Full Texts:</div><br />");
    const int shortTexts = indexOf(result.report, heading + "Short Texts:</div><br />");
    ASSERT_GE(full, 0);
    ASSERT_GT(shortTexts, full);
    EXPECT_FALSE(contains(result.report, heading + "Keywords:</div><br />"));
    EXPECT_EQ(result.report[static_cast<std::size_t>(shortTexts) + 1], "Will.<br />");
    EXPECT_TRUE(contains(result.preview, heading + "Short Texts:</div><br />"));
}

TEST_F(Renderer, SourceWithoutTheCardsSectionGivesItsHeadingAndAnEmptyBody)
{
    ReadingBuilder reading;
    reading.fortune = {"0"};
    reading.mirrors = {"blank"};
    const Lines& report = render(reading).report;
    const int heading = indexOf(
        report,
        R"(<div style="margin-top:5px; font-weight:bold; color:#666666">Full Texts:</div><br />)");
    ASSERT_GE(heading, 0);
    EXPECT_EQ(report[static_cast<std::size_t>(heading) + 1], "</div>");
}

TEST_F(Renderer, QuestionIsInBothPreviewsEvenWhenTheReportLeavesItOut)
{
    ReadingBuilder reading;
    reading.question = {"Will it rain?<br />"};
    const RenderResult result = render(reading);
    EXPECT_FALSE(contains(result.report, "Will it rain?<br />"));
    EXPECT_TRUE(contains(result.preview, R"(<br /><b>Question:</b><br /><br /><div class="que">)"));
    EXPECT_TRUE(contains(result.preview, "Will it rain?<br />"));
    const auto& lines = result.richText.lines();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [](const RichLine& line) { return line.text == "Will it rain?"; }));
}

TEST_F(Renderer, PreviewPageLineByLine)
{
    ReadingBuilder reading;
    reading.comments = {"Think it over.<br />"};
    const RenderResult result = render(reading);
    Lines frame;
    appendReadingPageFrame(frame, "UTF-8", "One Card", false);
    ASSERT_GT(result.preview.size(), kFrameLines);
    EXPECT_EQ(Lines(result.preview.begin(), result.preview.begin() + kFrameLines), frame);
    const Lines expected = {
        R"(<body class="b"><a id="top" name="top"></a><span class="style5">One Card</span><br />)",
        "<br /><b>Date: </b>2024-03-05, 14-07<br />",
        R"(<br /><strong>Spread:</strong><br /><br /><span class="cp0">)",
        R"(<a href="#a1" class="CL">Card 1</a>: The heart of the matter<br />)",
        "</span>",
        "<p><strong>Reading:</strong></p>",
        R"(<div class="border"><table width="99%" border="0" cellspacing="0" cellpadding="4">)",
        R"(<tr><td colspan="2"><span class="cp"><a id="a1" name="a1"></a>Card 1: The heart of )"
        R"(the matter</span></td></tr>)",
        R"(<tr><td colspan="2"><span class="tn">Title 5<span class="cpos"> (Normal)</span></span>)"
        R"(</td></tr><tr>)",
        R"(<td valign="top" width="100%">)",
        R"(<div class="desPREVIEW" style="margin-bottom:5px">)",
        R"(<div style="margin-top:5px; font-weight:bold; color:#666666">Full Texts:</div><br />)",
        "Strong will.<br />",
        "<b>Bold</b> step",
        "</div>",
        "</td></tr></table></div><br />",
        "Think it over.<br />",
        "---------<br />",
        "Generated in Kestrava 9.1.21",
        R"(<br /><a href="https://kestrava.example" target="_blank">https://kestrava.example</a>)",
        "<br /></body></html>",
    };
    EXPECT_EQ(body(result.preview), expected);
}

TEST_F(Renderer, RichTextRunsAccumulateBoldAndUnderline)
{
    prefs.addName = true;
    ReadingBuilder reading;
    reading.question = {"Rain?<br />"};
    reading.comments = {"Think it over.<br />"};
    const RenderResult result = render(reading);
    const std::vector<RichLine> expected = {
        {"One Card", 15, true, false},
        {"", 15, true, false},
        {"Date: 2024-03-05, 14-07", 15, true, false},
        {"", 15, true, false},
        {"Name: Anna", 15, true, false},
        {"", 15, true, false},
        {"Question:", 15, true, false},
        {"", 15, true, false},
        {"Rain?", 15, true, false},
        {"", 15, true, false},
        {"Spread:", 13, true, false},
        {"", 13, true, false},
        {"Card 1: The heart of the matter", 13, true, false},
        {"", 13, true, false},
        {"Reading:", 13, true, false},
        {"", 13, true, false},
        {"Card 1: The heart of the matter", 13, true, false},
        {"", 13, true, false},
        {"Title 5 (Normal)", 13, true, true},
        {"", 13, true, true},
        {"Full Texts:", 13, true, true},
        {"Strong will.", 13, true, true},
        {"<b>Bold</b> step", 13, true, true},
        {"Think it over.", 13, true, true},
        {"", 13, true, true},
        {"---------", 13, true, true},
        {"Generated in Kestrava 9.1.21", 13, true, true},
        {"https://kestrava.example", 13, true, true},
    };
    EXPECT_EQ(result.richText.lines(), expected);
}

TEST_F(Renderer, PreviewsFollowTheDateOptionAndSkipAnEmptyName)
{
    prefs.addDateTime = false;
    prefs.addName = true;
    ReadingBuilder reading;
    reading.person = "";
    const RenderResult result = render(reading);
    for (const auto& line : result.preview) {
        EXPECT_EQ(line.find("<b>Date"), std::string::npos);
        EXPECT_EQ(line.find("<b>Name"), std::string::npos);
    }
    EXPECT_EQ(result.richText.lines()[2].text, "Spread:");
}

struct HeaderCase
{
    bool header;
    PixelRect card;
    PixelRect picture;
};

class PictureGeometry : public Renderer, public ::testing::WithParamInterface<HeaderCase>
{
};

TEST_P(PictureGeometry, CardAndPictureFollowTheHeaderBand)
{
    prefs.screenshotHeader = GetParam().header;
    render(ReadingBuilder{});
    EXPECT_EQ(canvas.ofKind(CanvasCall::Create).at(0).rect, GetParam().picture);
    const auto jpegs = canvas.ofKind(CanvasCall::Jpeg);
    ASSERT_EQ(jpegs.size(), 1u);
    EXPECT_EQ(jpegs[0].rect, GetParam().card);
    const PixelRect& card = GetParam().card;
    const auto rectangles = canvas.ofKind(CanvasCall::Rectangle);
    ASSERT_EQ(rectangles.size(), 2u);
    EXPECT_EQ(rectangles[0].rect, GetParam().picture);
    EXPECT_TRUE(rectangles[0].filled);
    EXPECT_EQ(rectangles[1].rect,
              (PixelRect{card.left - 1, card.top - 1, card.left + 145, card.top + 234}));
    EXPECT_FALSE(rectangles[1].filled);
}

INSTANTIATE_TEST_SUITE_P(Cases, PictureGeometry,
                         ::testing::Values(HeaderCase{false, {17, 35, 161, 268}, {0, 0, 202, 330}},
                                           HeaderCase{true, {17, 85, 161, 318}, {0, 0, 202, 380}}));

TEST_F(Renderer, PictureTextsInOrderAtNinePoints)
{
    prefs.screenshotCardNumbers = prefs.screenshotCardTitles = true;
    render(ReadingBuilder{});
    const auto texts = canvas.ofKind(CanvasCall::Text);
    ASSERT_EQ(texts.size(), 7u);
    const auto at = [&](std::size_t i, int x, int y, const std::string& text, TextBackground bg) {
        EXPECT_EQ(texts[i].rect.left, x) << text;
        EXPECT_EQ(texts[i].rect.top, y) << text;
        EXPECT_EQ(texts[i].text, text);
        EXPECT_EQ(texts[i].pointSize, 9);
        EXPECT_EQ(texts[i].background, bg) << text;
    };
    at(0, 87, 65, "1", TextBackground::Transparent);
    at(1, 52, 324, "Title 5", TextBackground::Transparent);
    at(2, 10, 10, "One Card", TextBackground::Transparent);
    at(3, 10, 25, "Date: 2024-03-05, 14-07", TextBackground::Transparent);
    at(4, 10, 40, "Person: Anna", TextBackground::Transparent);
    at(5, 10, 345, "Generated in Kestrava 9.1.21", TextBackground::White);
    at(6, 10, 360, "https://kestrava.example", TextBackground::White);
}

TEST_F(Renderer, HeaderWithoutDateAndPersonStillWritesItsCaptions)
{
    prefs.addDateTime = false;
    ReadingBuilder reading;
    reading.person = "";
    render(reading);
    const auto texts = canvas.ofKind(CanvasCall::Text);
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[1].text, "Date: ");
    EXPECT_EQ(texts[2].text, "Person: ");
}

TEST_F(Renderer, NoFrameMeansNoRectangleOfThePicture)
{
    prefs.screenshotFrame = false;
    render(ReadingBuilder{});
    const auto rectangles = canvas.ofKind(CanvasCall::Rectangle);
    ASSERT_EQ(rectangles.size(), 1u);
    EXPECT_FALSE(rectangles[0].filled);
}

TEST_F(Renderer, MissingPictureStopsThePassAtThatCard)
{
    ReadingBuilder reading;
    reading.cards = "2";
    reading.meanings = {"one", "two"};
    reading.positions = {"5,5", "45,5"};
    reading.fortune = {"5", "6"};
    reading.mirrors = {"normal", "reversed"};
    addPicture("normal", "5");
    RenderResult result;
    result.preview = {"previous preview"};
    try {
        render(reading.lines(), canvas, result);
        FAIL() << "the pass went on without the picture";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find(picture("reversed", "6")), std::string::npos)
            << error.what();
    }
    EXPECT_TRUE(contains(result.report, R"(<a href="#a1">)"));
    EXPECT_FALSE(contains(result.report, R"(<a href="#a2">)"));
    EXPECT_EQ(result.report.back(), "</div>");
    EXPECT_EQ(result.preview, Lines{"previous preview"});
    EXPECT_TRUE(result.richText.lines().empty());
}

struct BrokenCase
{
    std::string what;
    void (*spoil)(ReadingBuilder&);
    std::string lastLine; // the report's last line when the pass stopped
};

class BrokenReading : public Renderer, public ::testing::WithParamInterface<BrokenCase>
{
};

TEST_P(BrokenReading, StopsWhereItFailsAndKeepsWhatWasAppended)
{
    ReadingBuilder reading;
    reading.cards = "2";
    reading.meanings = {"one", "two"};
    reading.positions = {"5,5", "45,5"};
    reading.fortune = {"5", "5"};
    reading.mirrors = {"normal", "normal"};
    GetParam().spoil(reading);
    addPicturesOf(reading);
    RenderResult result;
    EXPECT_THROW(render(reading.lines(), canvas, result), Error);
    ASSERT_FALSE(result.report.empty());
    EXPECT_EQ(result.report.back(), GetParam().lastLine);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenReading,
    ::testing::Values(
        BrokenCase{"CardsNotANumber", [](ReadingBuilder& r) { r.cards = "two"; }, "<br />"},
        BrokenCase{"TooFewPositions", [](ReadingBuilder& r) { r.positions.pop_back(); }, "<br />"},
        BrokenCase{"PositionNotANumber", [](ReadingBuilder& r) { r.positions[1] = "45;5"; },
                   "<br />"},
        BrokenCase{"TooFewFortuneLines", [](ReadingBuilder& r) { r.fortune.pop_back(); }, "</div>"},
        BrokenCase{"TooFewMeanings", [](ReadingBuilder& r) { r.meanings.pop_back(); },
                   R"(<div class="border"><table width="99%" border="0" cellspacing="0" )"
                   R"(cellpadding="4">)"},
        BrokenCase{"HugePosition", [](ReadingBuilder& r) { r.positions[1] = "45,999999999"; },
                   "<br />"},
        // The pictures these name exist, so only the check stops the pass.
        BrokenCase{"OrientationLeavingTheDeck",
                   [](ReadingBuilder& r) { r.mirrors[1] = "../Other/normal"; }, "</div>"},
        BrokenCase{"OrientationInCapitals", [](ReadingBuilder& r) { r.mirrors[1] = "Normal"; },
                   "</div>"},
        BrokenCase{"CardLeavingTheDeck",
                   [](ReadingBuilder& r) { r.fortune[1] = "../../Other/normal/5"; }, "</div>"},
        BrokenCase{"NoCards", [](ReadingBuilder& r) { r.cards = "0"; }, "<br />"},
        BrokenCase{"NegativeCards", [](ReadingBuilder& r) { r.cards = "-2"; }, "<br />"}),
    [](const auto& info) { return info.param.what; });

TEST_F(Renderer, OrientationOutsideTheThreeWordsIsNamedWithItsPosition)
{
    ReadingBuilder reading;
    reading.cards = "2";
    reading.meanings = {"one", "two"};
    reading.positions = {"5,5", "45,5"};
    reading.fortune = {"5", "5"};
    reading.mirrors = {"normal", "../../../../etc"};
    addPicture("normal", "5");
    RenderResult result;
    try {
        render(reading.lines(), canvas, result);
        FAIL() << "the pass went on";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "The orientation of position 2 of the reading, '../../../../etc', is not "
                  "\"normal\", \"reversed\" or \"blank\".");
    }
    EXPECT_EQ(canvas.ofKind(CanvasCall::Jpeg).size(), 1u);
}

TEST_F(Renderer, UnreadableCheckedSourceStopsThePass)
{
    addSource("Gone", "Gone", {});
    std::filesystem::remove(temp.root() / "descriptions" / "Gone.srml");
    RenderResult result;
    addPicturesOf(ReadingBuilder{});
    EXPECT_THROW(render(ReadingBuilder{}.lines(), canvas, result), Error);
}

TEST_F(Renderer, UnreadableSourceStopsRightAtItsBlockKeepingTheBlocksBefore)
{
    addSource("Gone", "Gone", {});
    std::filesystem::remove(temp.root() / "descriptions" / "Gone.srml");
    RenderResult result;
    addPicturesOf(ReadingBuilder{});
    EXPECT_THROW(render(ReadingBuilder{}.lines(), canvas, result), Error);
    const Lines expectedEnd = {
        R"(<div style="margin-top:5px; font-weight:bold; color:#666666">Full Texts:</div><br />)",
        "Strong will.<br />",
        "<b>Bold</b> step",
        "</div>",
        R"(<div class="des" style="margin-bottom:5px">)",
    };
    ASSERT_GE(result.report.size(), expectedEnd.size());
    EXPECT_EQ(Lines(result.report.end() - static_cast<std::ptrdiff_t>(expectedEnd.size()),
                    result.report.end()),
              expectedEnd);
}

TEST_F(Renderer, SourceFailingFirstInThePreviewsKeepsTheirLinesUpToItsBlock)
{
    prefs.showTexts = false;
    addSource("Gone", "Gone", {});
    std::filesystem::remove(temp.root() / "descriptions" / "Gone.srml");
    RenderResult result;
    addPicturesOf(ReadingBuilder{});
    EXPECT_THROW(render(ReadingBuilder{}.lines(), canvas, result), Error);
    EXPECT_EQ(result.preview.back(), R"(<div class="desPREVIEW" style="margin-bottom:5px">)");
    EXPECT_TRUE(result.richText.lines().empty());
}

TEST_F(Renderer, SourceWithoutNameStopsThePassNamingTheSource)
{
    temp.writeLines("descriptions/Nameless.srml",
                    {R"([CARD ID="5" TYPE="NORMAL"])", "x", R"([/CARD ID="5" TYPE="NORMAL"])"});
    sources.push_back("Nameless");
    prefs.sourceChecks.push_back(true);
    RenderResult result;
    addPicturesOf(ReadingBuilder{});
    try {
        render(ReadingBuilder{}.lines(), canvas, result);
        FAIL();
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("Nameless"), std::string::npos);
    }
}

TEST_F(Renderer, ChangedSourceShowsAtTheNextPass)
{
    render(ReadingBuilder{});
    addSource("Full", "Renamed", {{R"(CARD ID="5" TYPE="NORMAL")", {"New text"}}});
    sources.pop_back();
    prefs.sourceChecks.pop_back();
    const RenderResult second = render(ReadingBuilder{});
    EXPECT_TRUE(contains(second.report, "New text"));
}

TEST_F(Renderer, DiaryKindRendersLikeTheSavedKind)
{
    ReadingBuilder reading;
    const RenderResult saved = render(reading);
    RenderResult fromDiary;
    render(reading.diaryLines(), canvas, fromDiary);
    EXPECT_EQ(fromDiary.report, saved.report);
    EXPECT_EQ(fromDiary.preview, saved.preview);
}

TEST_F(Renderer, UnselectedCharsetDeclaresUtf8)
{
    prefs.codePage = -1;
    const RenderResult result = render(ReadingBuilder{});
    EXPECT_EQ(result.report[105],
              R"(<meta http-equiv="Content-Type" content="text/html; charset=UTF-8" />)");
    EXPECT_EQ(result.preview[105], result.report[105]);
}

TEST_F(Renderer, FramesOptionAddsTheFrameLineToBothPages)
{
    prefs.showFrames = true;
    const std::string frame =
        "background-color:#FFFFFF; border:1px; border-color:#006699; border-style:solid;";
    const RenderResult result = render(ReadingBuilder{});
    EXPECT_TRUE(contains(result.report, frame));
    EXPECT_TRUE(contains(result.preview, frame));
}

} // namespace
} // namespace kestrava::test
