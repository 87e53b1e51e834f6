#pragma once

#include "core/ProgramFolder.h"
#include "core/TextFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace kestrava {

inline constexpr std::string_view kSpreadHeader = R"([SRML VERSION="1.0" CONTENT-TYPE="SPREAD"])";
inline constexpr std::string_view kTrailer = "[/SRML]";
inline constexpr std::string_view kLineBreak = "<br />";
inline constexpr int kDesignWidth = 405;
inline constexpr int kDesignHeight = 605;
inline constexpr int kDesignCardWidth = 35;
inline constexpr int kDesignCardHeight = 55;

// Text blocks: each hard line of a typed text is stored with "<br />" at its end.
Lines toTextBlock(const Lines& plainLines);
// The plain text of a stored line: every "<br />" removed.
std::string plainLine(std::string_view line);
Lines plainLines(const Lines& blockLines);

struct PositionText
{
    std::string left;
    std::string top;
};
// Splits at the last comma; without a comma, left is empty and top the whole line.
PositionText splitPosition(std::string_view line);

struct DesignPosition
{
    int left = 0;
    int top = 0;
    bool operator==(const DesignPosition&) const = default;
};

// A spread as its editor holds it: plain description and comment lines,
// one meaning and one position per card.
struct SpreadDraft
{
    std::string title;
    Lines description;
    Lines comments;
    Lines meanings;
    std::vector<DesignPosition> positions;
};

Lines spreadLines(const SpreadDraft& spread);
void saveSpread(const ProgramFolder& folder, const SpreadDraft& spread);

// The card count of a spread or a reading: line 0 of its "CARDS" section as an
// integer; throws when the section is empty or not a number.
int cardCount(const Lines& cardsSection);

// The names of the spreads: every "*.srml" file of spreads/ with ".srml" removed.
std::vector<std::string> listSpreads(const ProgramFolder& folder);

} // namespace kestrava
