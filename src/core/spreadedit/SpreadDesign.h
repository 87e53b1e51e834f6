#pragma once

#include "core/ProgramFolder.h"
#include "core/Prompter.h"
#include "core/TextFile.h"
#include "core/diary/FileNameTemplate.h"
#include "core/srml/SpreadDocument.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kestrava {

struct SectionSources;

inline constexpr int kMarkerCount = 30;

inline constexpr std::string_view kNameThisSpreadMessage =
    "Please, Name this spread!\nWrite the Name in the field \"Spread Title:\"";
inline constexpr std::string_view kOverwriteSpreadQuestion =
    "Spread with same name already exists.\nOverwrite existing spread with new one?";
inline constexpr std::string_view kDeleteSpreadQuestion = "Delete this spread?";

// The digit rule: the last decimal digit of the coordinate's text decides the
// step, which for non-negative values lands on the nearest multiple of 5.
int snapCoordinate(int value);
DesignPosition snapPosition(DesignPosition position);

// Three rows of ten slots: marker index 0..29.
DesignPosition freshPosition(int index);
std::array<DesignPosition, kMarkerCount> freshLayout();

// Only "1" … "30" exactly (no blanks, no sign, no leading zero) is a count.
bool isValidCount(std::string_view text);
// The count after "Set Number of Cards": the typed one when valid, else the previous.
int appliedCount(std::string_view typed, int previous);

// The title with every restricted symbol removed, as the title field keeps it.
std::string cleanTitle(std::string_view title, std::string_view restrictedSymbols);

// What the editor holds of one spread. The count is the committed one, so it
// is always 1..30 and every marker beyond it is merely hidden.
struct SpreadDesign
{
    std::string title;
    Lines description; // plain hard lines
    Lines comments;
    std::array<std::string, kMarkerCount> meanings{};
    std::array<DesignPosition, kMarkerCount> markers = freshLayout();
    int count = 1;

    bool operator==(const SpreadDesign&) const = default;
};

// The spread document of the design: count meanings and count positions.
Lines designDocument(const SpreadDesign& design);

struct LoadReport
{
    int positionLines = 0;  // as found in the document
    bool truncated = false; // more lines than markers: only the first 30 were taken
};

// Reads the spread document named by the "CSE" code into the design, section
// by section as the editor applies them. The count becomes the number of
// position lines (at least 1, at most 30); CARDS is not read. The title is
// cleaned as the title field cleans it. A position that does not convert
// throws, leaving what was applied before it in the design.
LoadReport loadDesign(const SectionSources& sources, SpreadDesign& design,
                      std::string_view restrictedSymbols = kRestrictedSymbols);

// The files of spreads/ the editor lists: names ending in ".srml" in any
// letter case, with their extension, sorted ignoring case.
std::vector<std::string> listSpreadFiles(const ProgramFolder& folder);

enum class SaveOutcome {
    NoTitle,  // told the user to name the spread; nothing written
    Declined, // the overwrite question was not answered Yes; nothing written
    Saved,
};

// Save: the empty-title message, then the overwrite question when listed holds
// exactly title + ".srml", then the write. A failed write throws.
SaveOutcome saveDesign(const ProgramFolder& folder, Prompter& prompter, const SpreadDesign& design,
                       const std::vector<std::string>& listed);

// Delete after the question; false when the answer was not Yes. A file that
// cannot be deleted throws an error naming it.
bool deleteSpreadFile(const ProgramFolder& folder, Prompter& prompter, const std::string& fileName);

// The entry selected after a delete: the same index, or none (-1) past the end.
int selectionAfterDelete(int deletedIndex, int remainingEntries);

} // namespace kestrava
