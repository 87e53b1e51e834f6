#include "Command.h"
#include "core/Clock.h"
#include "core/Error.h"
#include "core/app/Preferences.h"
#include "core/app/SettingsFile.h"
#include "core/srml/TitleSet.h"
#include "core/stats/CardStatistics.h"
#include "core/stats/StatsReport.h"

#include <ostream>

namespace kestrava::cli {

namespace {

std::vector<Store> takeStores(std::vector<std::string>& args)
{
    std::string value;
    if (!takeOption(args, "--store", value) || value == "both")
        return {Store::Database, Store::Diary};
    if (value == "database")
        return {Store::Database};
    if (value == "diary")
        return {Store::Diary};
    throw Error("--store needs \"database\", \"diary\" or \"both\", not \"" + value + "\"");
}

int takeSince(const std::string& text)
{
    const auto day = parseDateTime("yyyy-mm-dd", text);
    if (!day)
        throw Error("--since needs a date written YYYY-MM-DD, not \"" + text + "\"");
    return dayNumber(day->year, day->month, day->day);
}

int runStats(Invocation& in)
{
    if (takeFlag(in.args, "--help")) {
        in.out << "usage: kestrava-cli [--home DIR] stats [--store database|diary|both]\n"
                  "    [--since YYYY-MM-DD] [--csv]\n\n"
                  "Counts how often each card fell in the saved readings of database/, diary/\n"
                  "or both (the default): the share of majors, of each suit, of reversed and\n"
                  "blank cards, the five most frequent cards and every card's count.\n"
                  "--since keeps the readings dated on or after that day (a date that none of\n"
                  "the three date-time patterns reads is left out then). --csv prints the table\n"
                  "card,title,count,reversed with one line per card identifier 0..78.\n"
                  "A saved reading that cannot be read is named on stderr and not counted.\n";
        return 0;
    }
    StatsFilter filter;
    const std::vector<Store> stores = takeStores(in.args);
    filter.database = filter.diary = false;
    for (Store store : stores)
        (store == Store::Diary ? filter.diary : filter.database) = true;
    std::string since;
    if (takeOption(in.args, "--since", since))
        filter.sinceDay = takeSince(since);
    const bool csv = takeFlag(in.args, "--csv");
    expectNoMoreArguments(in.args);

    Preferences preferences;
    loadSettings(in.home, settingsListsOf(in.home), preferences);
    TitleSet titleSet;
    loadTitleSet(in.home, preferences.defaultTitles, titleSet);
    const std::vector<std::string> titles = composeTitleList(titleSet);
    std::vector<std::string> suits;
    for (int s = 0; s < 4; ++s)
        suits.push_back(titleSet.suit(s));

    const CardStatistics stats = computeStatistics(collectReadings(in.home, stores), filter);
    for (const auto& line :
         csv ? statisticsCsv(stats, titles) : statisticsText(stats, titles, suits))
        in.out << line << "\n";
    if (stats.undated > 0) {
        const std::string undatedNote = std::to_string(stats.undated) +
                                 (stats.undated == 1 ? " reading has" : " readings have") +
                                 " a date that none of the date-time patterns reads" +
                                 (filter.dated() ? "; left out." : "; counted.");
        (csv ? in.err : in.out) << (csv ? "kestrava-cli: " : "") << undatedNote << "\n";
    }
    const Lines note = malformedNote(stats.malformed);
    for (std::size_t i = 0; i < note.size(); ++i)
        in.err << (i == 0 ? "kestrava-cli: " : "") << note[i] << "\n";
    return 0;
}

const CommandRegistration registration{
    {"stats", "count how often each card fell in the saved readings", runStats}};

} // namespace

} // namespace kestrava::cli
