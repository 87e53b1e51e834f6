#pragma once

#include "core/TextFile.h"
#include "core/stats/CardStatistics.h"

#include <string>
#include <string_view>
#include <vector>

namespace kestrava {

// "23.3%": the part of the whole with one decimal; "0.0%" of nothing.
std::string shareText(int part, int whole);

// The names the shares go by: "Majors", the four suits as the title set
// names them, "Reversed", "Blank".
struct ShareLine
{
    std::string name;
    int count = 0;
    int whole = 0;
};
// Majors, each suit and blank cards out of every card that fell; reversed
// cards out of those that can lie reversed (every card but a blank one).
std::vector<ShareLine> shareLines(const CardStatistics& stats,
                                  const std::vector<std::string>& suitNames);

// The figures as text, one fact a line, then one line per card.
Lines statisticsText(const CardStatistics& stats, const std::vector<std::string>& titles,
                     const std::vector<std::string>& suitNames);

// "card,title,count,reversed", then one line per card identifier 0..78; a
// title holding a comma or a double quote is quoted, its quotes doubled.
Lines statisticsCsv(const CardStatistics& stats, const std::vector<std::string>& titles);

// What the malformed readings were: a count, then one line per file.
Lines malformedNote(const std::vector<MalformedReading>& malformed);

} // namespace kestrava
