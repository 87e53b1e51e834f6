#include "Command.h"
#include "core/Error.h"
#include "core/app/Preferences.h"
#include "core/app/SettingsFile.h"
#include "core/cards/Card.h"
#include "core/reading/Renderer.h"
#include "core/reading/RtfWriter.h"
#include "core/srml/TitleSet.h"
#include "raster/RasterCanvas.h"
#ifdef KESTRAVA_HAVE_PDF
#include "pdf/PagePdf.h"
#endif

#include <memory>
#include <ostream>

namespace kestrava::cli {

namespace {

int runRender(Invocation& in)
{
    if (takeFlag(in.args, "--help")) {
        in.out << "usage: kestrava-cli [--home DIR] render READING [--deck NAME] [--report FILE]\n"
                  "           [--preview FILE] [--rtf FILE] [--jpeg FILE] [--pdf FILE]\n\n"
                  "Renders the reading document READING (a saved reading or a diary entry) with\n"
                  "the preferences and the checked description sources of DIR's settings files,\n"
                  "and writes each output asked for; nothing is written when the rendering fails.\n"
                  "Without any output option the report page goes to standard output.\n\n"
                  "--deck NAME      takes the card pictures from cards/NAME instead of the deck\n"
                  "                 of the settings\n"
                  "--report FILE    the report page\n"
                  "--preview FILE   the preview page (the HTML export)\n"
                  "--rtf FILE       the rich-text preview as an RTF document\n"
                  "--jpeg FILE      the card-table picture as a JPEG file\n"
                  "--pdf FILE       the report page printed on A4 paper as a PDF document (a\n"
                  "                 desktop build only); the pages then name the pictures by\n"
                  "                 absolute paths\n";
        return 0;
    }
    std::string deckName;
    std::string reportFile;
    std::string previewFile;
    std::string rtfFile;
    std::string jpegFile;
    std::string pdfFile;
    const bool haveDeck = takeOption(in.args, "--deck", deckName);
    const bool haveReport = takeOption(in.args, "--report", reportFile);
    const bool havePreview = takeOption(in.args, "--preview", previewFile);
    const bool haveRtf = takeOption(in.args, "--rtf", rtfFile);
    const bool haveJpeg = takeOption(in.args, "--jpeg", jpegFile);
    const bool havePdf = takeOption(in.args, "--pdf", pdfFile);
#ifndef KESTRAVA_HAVE_PDF
    if (havePdf)
        throw Error("--pdf is not available: this build has no desktop program to print with");
#endif
    if (in.args.empty() || in.args.front().starts_with("--"))
        throw Error("render needs a reading document (see kestrava-cli render --help)");
    const std::string readingFile = in.args.front();
    in.args.erase(in.args.begin());
    expectNoMoreArguments(in.args);

    const Lines reading = readLines(readingFile);
    // The printed page is shown from a temporary file: its pictures need whole paths.
    const ProgramFolder home =
        havePdf ? ProgramFolder(std::filesystem::absolute(in.home.root())) : in.home;
    Preferences preferences;
    const SettingsLists lists = settingsListsOf(home);
    loadSettings(home, lists, preferences);
    selectFirstDeckIfNone(preferences, lists.decks);
    const std::optional<std::string> deck = haveDeck ? deckName : preferences.selectedDeck;
    if (!deck)
        throw Error(std::string(kNoDeckMessage));
    const auto deckFolder = home.deckFolder(*deck);
    TitleSet titleSet;
    loadTitleSet(home, preferences.defaultTitles, titleSet);
    const std::vector<std::string> titles = composeTitleList(titleSet);

#ifdef KESTRAVA_HAVE_PDF
    // The browser engine needs its application settings before any application starts.
    if (havePdf)
        ensurePdfApplication();
#endif
    ensureGuiApplication();
    RasterCanvas canvas;
    RenderResult result;
    renderReading({home, reading, deckFolder, preferences, lists.descriptionSources, titles},
                  canvas, result);

    if (haveReport)
        writeLines(reportFile, result.report);
    if (havePreview)
        writeLines(previewFile, result.preview);
    if (haveRtf)
        saveRtf(rtfFile, result.richText);
    if (haveJpeg)
        canvas.saveJpeg(jpegFile);
#ifdef KESTRAVA_HAVE_PDF
    if (havePdf)
        printHtmlToPdf(joinLines(result.report), pdfFile);
#endif
    if (!haveReport && !havePreview && !haveRtf && !haveJpeg && !havePdf)
        in.out << joinLines(result.report);
    return 0;
}

const CommandRegistration registration{
    {"render", "render a reading document to its pages, RTF and picture", runRender}};

} // namespace

} // namespace kestrava::cli
