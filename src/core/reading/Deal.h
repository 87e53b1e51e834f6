#pragma once

#include "core/Clock.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"
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
    // Set once the pass succeeded and both page files were written.
    bool pagesWritten = false;
};

// Composes the "SAVEDSPREAD" reading of the draws on the selected spread into
// result.reading and suggests its name. Throws (keeping what was composed)
// when no deck is selected, the spread cannot be read, its card count is not
// a number or fewer cards were drawn than it needs.
void composeDeal(const ProgramFolder& folder, const Preferences& preferences,
                 const DealRequest& request, DealResult& result);

// The two page files of the last rendered reading.
std::filesystem::path reportPagePath(const ProgramFolder& folder);  // xfiles/newSpread-0001.html
std::filesystem::path previewPagePath(const ProgramFolder& folder); // xfiles/export.html

// Renders the reading and, only when the pass succeeded, writes the report
// page and the preview page, each whole. A failing pass or write throws; the
// page files then keep the previous reading.
void showReading(const RenderInput& input, Canvas& canvas, RenderResult& result);

// The whole deal without its widgets: compose, suggest the name, render and
// write the pages. titles is the card title list the caller rebuilt first.
void deal(const ProgramFolder& folder, const Preferences& preferences, const DealRequest& request,
          const std::vector<std::string>& descriptionSources,
          const std::vector<std::string>& titles, Canvas& canvas, DealResult& result);

} // namespace kestrava
