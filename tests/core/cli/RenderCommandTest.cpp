#include "CliRunner.h"
#include "core/TextFile.h"
#include "core/app/Preferences.h"
#include "core/app/SettingsFile.h"
#include "core/cards/Card.h"
#include "core/jpeg/JpegFile.h"
#include "core/srml/SpreadDocument.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace kestrava::test {
namespace {

class RenderCommand : public ::testing::Test
{
protected:
    RenderCommand()
    {
        Lines titles;
        for (int i = 0; i < 42; ++i)
            titles.push_back("T" + std::to_string(i));
        home.writeLines("titles/default.srml", titles);
        home.writeLines("descriptions/Full.srml",
                        {"[NAME]", "Full Texts", "[/NAME]", R"([CARD ID="5" TYPE="NORMAL"])",
                         "Will.<br />", R"([/CARD ID="5" TYPE="NORMAL"])"});
        Preferences prefs;
        prefs.selectedDeck.emplace("Deck");
        prefs.sourceChecks = {true};
        prefs.addName = true;
        std::filesystem::create_directories(home.folder().cards() / "Deck");
        std::filesystem::create_directories(home.folder().xfiles());
        saveSettings(home.folder(), prefs);
        writePicture("Deck", "normal", "5");
        writePicture("Other", "normal", "5");
        reading = home.writeLines("reading.srml", {R"([SRML VERSION="1.0" CONTENT-TYPE="DIARY"])",
                                                   "[SPREAD]",
                                                   "One",
                                                   "[/SPREAD]",
                                                   "[CARDS]",
                                                   "1",
                                                   "[/CARDS]",
                                                   "[PERSON]",
                                                   "Anna",
                                                   "[/PERSON]",
                                                   "[DATETIME]",
                                                   "2024-03-05, 14-07",
                                                   "[/DATETIME]",
                                                   "[MEANINGS]",
                                                   "The heart",
                                                   "[/MEANINGS]",
                                                   "[POSITIONS]",
                                                   "5,5",
                                                   "[/POSITIONS]",
                                                   "[FORTUNE]",
                                                   "5",
                                                   "[/FORTUNE]",
                                                   "[MIRRORS]",
                                                   "normal",
                                                   "[/MIRRORS]",
                                                   "[/SRML]"});
    }

    void writePicture(const std::string& deck, const std::string& word, const std::string& id)
    {
        const auto path = cardPicturePath(home.folder().deckFolder(deck), word, id);
        std::filesystem::create_directories(path.parent_path());
        RgbImage image{144, 233, {}};
        image.rgb.assign(144u * 233u * 3u, 90);
        encodeJpeg(path, image);
    }

    CliResult render(const std::string& arguments) const
    {
        return runCli("--home " + shellQuote(home.root().string()) + " render " +
                      shellQuote(reading.string()) + " " + arguments);
    }

    std::string out(const std::string& name) const
    {
        return shellQuote((home.root() / name).string());
    }

    TempProgramFolder home;
    std::filesystem::path reading;
};

TEST_F(RenderCommand, WritesEveryRequestedOutput)
{
    const auto result = render("--report " + out("r.html") + " --preview " + out("p.html") +
                               " --rtf " + out("r.rtf") + " --jpeg " + out("t.jpg"));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.empty());
    EXPECT_TRUE(result.err.empty()) << result.err;

    const Lines report = readLines(home.root() / "r.html");
    EXPECT_EQ(report.front(), "<!-- THIS DOCUMENT GENERATED IN KESTRAVA 9.1.21 -->");
    EXPECT_EQ(report.back(), "<br /></body></html>");
    const auto has = [](const Lines& lines, const std::string& text) {
        return std::find(lines.begin(), lines.end(), text) != lines.end();
    };
    EXPECT_TRUE(has(report, "Will.<br />"));
    EXPECT_TRUE(has(report, R"(<div id="C" align="center" style="left:17px; top:20px">)"));
    EXPECT_TRUE(has(readLines(home.root() / "p.html"), "Generated in Kestrava 9.1.21"));
    EXPECT_TRUE(home.readRaw("r.rtf").starts_with("{\\rtf1"));
    const RgbImage picture = decodeJpeg(home.root() / "t.jpg");
    EXPECT_EQ(picture.width, 202);
    EXPECT_EQ(picture.height, 380);
}

TEST_F(RenderCommand, WithoutOutputsPrintsTheReport)
{
    const auto result = render("");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.ends_with("<br /></body></html>\r\n"));
}

TEST_F(RenderCommand, FailedPassWritesNothing)
{
    std::filesystem::remove(cardPicturePath(home.folder().deckFolder("Deck"), "normal", "5"));
    const auto result = render("--report " + out("r.html") + " --jpeg " + out("t.jpg"));
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.err.find("5.jpg"), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(home.root() / "r.html"));
    EXPECT_FALSE(std::filesystem::exists(home.root() / "t.jpg"));
    // Another deck has the picture.
    EXPECT_EQ(render("--deck Other --report " + out("r.html")).exitCode, 0);
}

TEST_F(RenderCommand, MissingReadingIsAnError)
{
    const auto result =
        runCli("--home " + shellQuote(home.root().string()) + " render " + out("none.srml"));
    EXPECT_NE(result.exitCode, 0);
    EXPECT_TRUE(result.err.starts_with("kestrava-cli: "));
}

#ifdef KESTRAVA_HAVE_PDF

// The printed page as a PDF reader sees it: its text, its paper and its pictures.
struct PdfReading
{
    std::string text;
    std::string info;
    std::string images;
};

PdfReading readPdf(const std::filesystem::path& pdf)
{
    const std::string file = shellQuote(pdf.string());
    const auto text = runProgram("pdftotext -layout " + file + " -");
    const auto info = runProgram("pdfinfo " + file);
    const auto images = runProgram("pdfimages -list " + file);
    if (text.exitCode != 0 || info.exitCode != 0 || images.exitCode != 0)
        ADD_FAILURE() << "poppler-utils (scripts/setup --tests) cannot read " << pdf << ": "
                      << text.err << info.err << images.err;
    return {text.out, info.out, images.out};
}

TEST_F(RenderCommand, PdfIsTheReportOnA4Paper)
{
    const auto result = render("--pdf " + out("r.pdf") + " --report " + out("r.html"));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.empty());
    // A headless run says nothing about its engine.
    EXPECT_TRUE(result.err.empty()) << result.err;

    const PdfReading pdf = readPdf(home.root() / "r.pdf");
    for (const char* shown : {"ONE", "Anna", "T5 (Normal)", "The heart", "Will."})
        EXPECT_NE(pdf.text.find(shown), std::string::npos) << shown << " in\n" << pdf.text;
    EXPECT_NE(pdf.info.find("Page size:       594.96 x 841.92 pts (A4)"), std::string::npos)
        << pdf.info;
    // The card's picture is printed, not only its text: one image below the header lines.
    EXPECT_GE(std::count(pdf.images.begin(), pdf.images.end(), '\n'), 3) << pdf.images;
    // The other pages are written as ever beside the PDF.
    EXPECT_EQ(readLines(home.root() / "r.html").back(), "<br /></body></html>");
}

TEST_F(RenderCommand, PdfFromARelativeProgramFolderShowsItsPictures)
{
    const auto result = runProgram("cd " + shellQuote(home.root().parent_path().string()) + " && " +
                                   shellQuote(KESTRAVA_CLI) + " --home " +
                                   shellQuote(home.root().filename().string()) + " render " +
                                   shellQuote(reading.string()) + " --pdf " + out("r.pdf"));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const PdfReading pdf = readPdf(home.root() / "r.pdf");
    EXPECT_GE(std::count(pdf.images.begin(), pdf.images.end(), '\n'), 3) << pdf.images;
}

TEST_F(RenderCommand, PdfThatCannotBeWrittenIsAnError)
{
    // A folder in the file's place; root is refused as well.
    std::filesystem::create_directories(home.root() / "r.pdf");
    const auto result = render("--pdf " + out("r.pdf"));
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.err.find("r.pdf"), std::string::npos) << result.err;
    EXPECT_TRUE(std::filesystem::is_directory(home.root() / "r.pdf"));
    EXPECT_TRUE(std::filesystem::is_empty(home.root() / "r.pdf"));
}

#else

TEST_F(RenderCommand, PdfNeedsTheDesktopBuild)
{
    const auto result = render("--pdf " + out("r.pdf"));
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.err.find("--pdf is not available"), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(home.root() / "r.pdf"));
}

#endif

} // namespace
} // namespace kestrava::test
