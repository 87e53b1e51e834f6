#pragma once

#include "core/ProgramFolder.h"
#include "core/TextFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrava {

// The documents of a folder as the program lists them: every file whose name
// ends in ".srml" in any letter case, in file-name order ignoring case, with
// every exact ".srml" removed from the name.
std::vector<std::string> listDocumentNames(const std::filesystem::path& folder);

// The lines between the last "[name]" and the last "[/name]" of a document;
// empty when either tag is missing or the end does not follow the start.
Lines findSection(const Lines& document, std::string_view name);

// Where a section's lines lie in a document: [first, end), found as
// findSection finds them (the last start tag and the last end tag).
struct SectionSpan
{
    std::size_t first = 0;
    std::size_t end = 0;
    bool found = false; // both tags, the end tag after the start tag
};

// The spans of several sections, in one pass over the document.
std::vector<SectionSpan> findSections(const Lines& document,
                                      const std::vector<std::string_view>& names);

// What the section source codes name: the program folder and the selections
// of the lists the codes refer to. Callers fill in what they have; a code
// whose selection is missing raises an error when it is read.
struct SectionSources
{
    explicit SectionSources(ProgramFolder programFolder) : folder(std::move(programFolder)) {}

    ProgramFolder folder;
    std::optional<std::string> selectedDeck;               // "MC"
    std::optional<std::filesystem::path> spreadEditorFile; // "CSE"
    std::optional<std::string> selectedSpread;             // "CSS"
    const Lines* currentReading = nullptr;                 // "CSS1"
    std::optional<std::string> selectedHiddenSource;       // "CDS"
    std::vector<std::string> descriptionSources;           // "CDS1", by position
    int currentSourcePosition = 0;                         // "CDS1"
    std::optional<std::string> selectedSavedReading;       // "DB" and "DIARY"

    // The whole document a code names; empty for a code that names none.
    Lines load(std::string_view code) const;
    // One section of it. Every call reads the document afresh.
    Lines read(std::string_view name, std::string_view code) const;
};

// Rewrites one section of the custom description document, keeping every
// other line byte for byte. A section the document lacks is appended, and a
// missing document is created, so the user's text is never dropped.
void replaceCustomSection(const ProgramFolder& folder, std::string_view name, const Lines& lines);

} // namespace kestrava
