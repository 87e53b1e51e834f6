#pragma once

#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "core/reading/Canvas.h"
#include "core/reading/RichText.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kestrava {

struct Preferences;

// The seven words the report, the preview page and the rich-text preview use
// as headings and captions; the second interface language replaces them.
struct ReportWords
{
    std::string spreadHeading = "Spread";
    std::string readingHeading = "Reading";
    std::string cardWord = "Card";
    std::string backLink = "back";
    std::string questionCaption = "Question";
    std::string dateCaption = "Date";
    std::string nameCaption = "Name";
};

// What one pass reads. Everything is read afresh on every call: the reading
// document, the description source documents on disk and the preferences.
struct RenderInput
{
    const ProgramFolder& folder;
    // The current reading document, of either kind.
    const Lines& reading;
    // The current deck folder: every picture path starts here.
    const std::filesystem::path& deckFolder;
    // Preferences, including the checks of the description sources.
    const Preferences& preferences;
    // The description sources in list order; preferences.sourceChecks ticks them.
    const std::vector<std::string>& descriptionSources;
    // The card title list, 79 titles by card identifier.
    const std::vector<std::string>& titles;
    ReportWords words = {};
};

// Where position j lies on the report page and (shifted down by the header
// band) on the card-table picture.
struct CardPlace
{
    int x = 0;
    int y = 0;

    bool operator==(const CardPlace&) const = default;
};

struct Layout
{
    int maxLeft = 0;
    int maxTop = 0;
    int height = 0;        // L, the height of the layout area
    int headerBand = 0;    // E, 65 with the screenshot header, 15 without
    int pictureWidth = 0;  // W
    int pictureHeight = 0; // H = L + E
    int choiceRangeX = 0;  // scroll ranges of the manual-choice table
    int choiceRangeY = 0;
    std::vector<CardPlace> places; // positions 1..n
};

// The results of one pass. Each output is emptied when the pass starts
// producing it, so a pass that fails keeps what it appended so far and leaves
// the outputs it never reached as they were.
struct RenderResult
{
    Lines report;      // the report page
    Lines preview;     // the preview page
    RichText richText; // the rich-text preview
    Lines labels;      // one orientation label per MIRRORS line
    Layout layout;     // positions, extents and picture size
    Lines fortune;     // copies of FORTUNE and MIRRORS for the manual choice
    Lines mirrors;
    bool pictureCreated = false; // the canvas holds a W × H picture of this pass
};

// Renders the reading in one pass: the report page, the card-table picture
// drawn through the canvas, then the preview page and the rich-text preview.
// Any failure (a missing section line, a text that is not a number, a card
// picture or a checked description source that cannot be read) throws
// kestrava::Error where it happens; the comments block alone swallows its
// failure. Callers write and show the pages only when the pass succeeded.
void renderReading(const RenderInput& input, Canvas& canvas, RenderResult& result);

// Orientation labels: "blank", then "normal", then "reversed" replaced in
// every MIRRORS line by its label (or by nothing when the label is disabled),
// each replacement working on the result of the one before.
Lines orientationLabels(const Lines& mirrors, const Preferences& preferences);

} // namespace kestrava
