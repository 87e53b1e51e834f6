#include "core/stats/StatsReport.h"

#include <cstdio>

namespace kestrava {

namespace {

std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

std::string titleOf(const std::vector<std::string>& titles, int id)
{
    return static_cast<std::size_t>(id) < titles.size() ? titles[static_cast<std::size_t>(id)]
                                                        : std::string();
}

std::string storeFolderName(Store store)
{
    return store == Store::Diary ? "diary" : "database";
}

std::string timesText(const CardCount& card)
{
    return std::to_string(card.count) + " (" + std::to_string(card.reversed) + " reversed)";
}

} // namespace

std::string shareText(int part, int whole)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", whole > 0 ? 100.0 * part / whole : 0.0);
    return text;
}

std::vector<ShareLine> shareLines(const CardStatistics& stats,
                                  const std::vector<std::string>& suitNames)
{
    std::vector<ShareLine> lines{{"Majors", stats.majors(), stats.falls}};
    for (int s = 0; s < 4; ++s) {
        const std::string name = static_cast<std::size_t>(s) < suitNames.size()
                                     ? suitNames[static_cast<std::size_t>(s)]
                                     : "Suit " + std::to_string(s + 1);
        lines.push_back({name, stats.suit(s), stats.falls});
    }
    lines.push_back({"Reversed", stats.reversedCards(), stats.falls - stats.blanks()});
    lines.push_back({"Blank", stats.blanks(), stats.falls});
    return lines;
}

Lines statisticsText(const CardStatistics& stats, const std::vector<std::string>& titles,
                     const std::vector<std::string>& suitNames)
{
    char fair[32];
    std::snprintf(fair, sizeof fair, "%.2f", stats.fairCount());
    Lines text{"Readings: " + std::to_string(stats.readings),
               "Cards that fell: " + std::to_string(stats.falls),
               std::string("A fair shuffle would give each card: ") + fair};
    for (const ShareLine& share : shareLines(stats, suitNames))
        text.push_back(share.name + ": " + std::to_string(share.count) + " (" +
                       shareText(share.count, share.whole) + ")");
    text.emplace_back("Most frequent cards:");
    int rank = 0;
    for (int id : stats.mostFrequent(5))
        text.push_back("  " + std::to_string(++rank) + ". " + titleOf(titles, id) + ": " +
                       timesText(stats.cards[static_cast<std::size_t>(id)]));
    text.emplace_back("Every card (identifier, title, count):");
    for (int id = 0; id < kCardIdentifiers; ++id)
        text.push_back("  " + std::to_string(id) + " " + titleOf(titles, id) + ": " +
                       timesText(stats.cards[static_cast<std::size_t>(id)]));
    return text;
}

Lines statisticsCsv(const CardStatistics& stats, const std::vector<std::string>& titles)
{
    Lines csv{"card,title,count,reversed"};
    for (int id = 0; id < kCardIdentifiers; ++id) {
        const CardCount& card = stats.cards[static_cast<std::size_t>(id)];
        csv.push_back(std::to_string(id) + "," + csvField(titleOf(titles, id)) + "," +
                      std::to_string(card.count) + "," + std::to_string(card.reversed));
    }
    return csv;
}

Lines malformedNote(const std::vector<MalformedReading>& malformed)
{
    if (malformed.empty())
        return {};
    Lines note{malformed.size() == 1
                   ? std::string("1 saved reading could not be read and was not counted:")
                   : std::to_string(malformed.size()) +
                         " saved readings could not be read and were not counted:"};
    for (const MalformedReading& bad : malformed)
        note.push_back("  " + storeFolderName(bad.store) + "/" + bad.entry + ": " + bad.reason);
    return note;
}

} // namespace kestrava
