#pragma once

#include "core/Clock.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "core/cards/Card.h"
#include "core/reading/Renderer.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kestrava {

struct Preferences;

// What the New Reading page holds at the moment of dealing.
struct DealRequest
{
    std::string spreadName;          // the selected spread, its file name without ".srml"
    std::string person;              // as typed; the reading stores it trimmed
    Lines question;                  // hard lines as typed
    std::optional<std::string> deck; // the selected deck
    DateTime now;                    // taken once: the DATETIME line and the suggested name
    Lines ids;                       // the draws; the first n are used
    Lines orientations;
};

struct DealResult
{
    // The current reading document; keeps the lines composed so far when
    // composing stops.
    Lines reading;
    // The current deck folder of the reading.
    std::filesystem::path deckFolder;
    // The name the reading is offered under for saving, restricted symbols
    // removed; empty until composing succeeded.
    std::string suggestedName;
    RenderResult render;
    // Set once the pass succeeded, before the page files are written.
    bool rendered = false;
    // Set once the pass succeeded and both page files were written.
    bool pagesWritten = false;
};

// What the checks before a deal found. A deal goes ahead only for Deal and
// DealMajorsOnly; for DealMajorsOnly the card set has been switched to the
// 22 majors already.
struct DealPreparation
{
    Compatibility compatibility = Compatibility::NotADeck;
    int cards = 0;        // CARDS of the spread
    std::string deckSize; // the deck's size as measured
    std::filesystem::path deckFolder;

    bool goesAhead() const
    {
        return compatibility == Compatibility::Deal ||
               compatibility == Compatibility::DealMajorsOnly;
    }
};

// Checks the deck against the spread before a deal and applies the switch to
// the 22 majors. Throws the no-deck message when no deck is given, and the
// spread's error when its card count cannot be read.
DealPreparation prepareDeal(const ProgramFolder& folder, Preferences& preferences,
                            const std::optional<std::string>& deck, const std::string& spreadName);

// The card-set rule of a selected spread of the given card count: the 22
// majors are offered only up to 22 cards, and a larger spread leaves them for
// the full deck. Returns whether the majors are offered.
bool adaptCardSet(Preferences& preferences, int cards);

// Composes the "SAVEDSPREAD" reading of the draws on the selected spread into
// result.reading and suggests its name. Throws (keeping what was composed)
// when no deck is selected, the spread cannot be read, its card count is not
// a number or fewer cards were drawn than it needs.
void composeDeal(const ProgramFolder& folder, const Preferences& preferences,
                 const DealRequest& request, DealResult& result);

// The two page files of the last rendered reading.
std::filesystem::path reportPagePath(const ProgramFolder& folder);  // xfiles/newSpread-0001.html
std::filesystem::path previewPagePath(const ProgramFolder& folder); // xfiles/export.html

// Writes the report page and the preview page of a pass that succeeded, each whole.
void writeReadingPages(const ProgramFolder& folder, const RenderResult& result);

// Renders the reading and, only when the pass succeeded, writes the report
// page and the preview page, each whole. A failing pass or write throws; the
// page files then keep the previous reading.
void showReading(const RenderInput& input, Canvas& canvas, RenderResult& result);

// The whole deal without its widgets: compose, suggest the name, render and
// write the pages. titles is the card title list the caller rebuilt first.
void deal(const ProgramFolder& folder, const Preferences& preferences, const DealRequest& request,
          const std::vector<std::string>& descriptionSources,
          const std::vector<std::string>& titles, Canvas& canvas, DealResult& result,
          const ReportWords& words = {});

} // namespace kestrava
