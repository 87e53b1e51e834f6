#include "Command.h"
#include "core/Error.h"
#include "core/app/Preferences.h"
#include "core/app/SettingsFile.h"
#include "core/diary/ReadingStore.h"
#include "core/srml/SectionReader.h"
#include "core/srml/SpreadDocument.h"
#include "core/srml/TitleSet.h"

#include <ostream>

namespace kestrava::cli {

namespace {

int runShow(Invocation& in)
{
    if (takeFlag(in.args, "--help")) {
        in.out << "usage: kestrava-cli [--home DIR] show ENTRY [--store database|diary]\n\n"
                  "Prints the saved reading ENTRY of database/ (or of diary/): its spread,\n"
                  "person, date and time and question, then one line per card: the position,\n"
                  "the card identifier, the orientation word and the card's title (from the\n"
                  "title set of DIR's settings).\n";
        return 0;
    }
    const Store store = takeStore(in.args);
    if (in.args.empty() || in.args.front().starts_with("--"))
        throw Error("show needs the name of a saved reading (see kestrava-cli list)");
    const std::string entry = in.args.front();
    in.args.erase(in.args.begin());
    expectNoMoreArguments(in.args);

    const ReadingStore readings(in.home, store);
    const ReadingDetails details = readings.details(entry);
    const Lines reading = readings.readReading(entry);
    Preferences preferences;
    loadSettings(in.home, settingsListsOf(in.home), preferences);
    TitleSet titleSet;
    loadTitleSet(in.home, preferences.defaultTitles, titleSet);
    const std::vector<std::string> titles = composeTitleList(titleSet);

    in.out << "Spread: " << details.spread << "\n"
           << "Person: " << details.person << "\n"
           << "Date and Time: " << details.dateTime << "\n"
           << "Question to the Cards or Notes/Comments:\n";
    for (const auto& line : details.question)
        in.out << "  " << line << "\n";
    const Lines fortune = findSection(reading, "FORTUNE");
    const Lines mirrors = findSection(reading, "MIRRORS");
    const int n = cardCount(findSection(reading, "CARDS"));
    for (int j = 0; j < n; ++j) {
        const auto at = static_cast<std::size_t>(j);
        // The reading was checked: every identifier is a card of the title list.
        in.out << j + 1 << " " << fortune[at] << " " << mirrors[at] << " "
               << titles.at(static_cast<std::size_t>(std::stoi(fortune[at]))) << "\n";
    }
    return 0;
}

const CommandRegistration registration{
    {"show", "show the details and cards of a saved reading", runShow}};

} // namespace

} // namespace kestrava::cli
