#include "Command.h"
#include "core/Clock.h"
#include "core/Error.h"
#include "core/Numbers.h"
#include "core/app/Preferences.h"
#include "core/app/SettingsFile.h"
#include "core/cards/Card.h"
#include "core/cards/Shuffle.h"
#include "core/diary/ReadingStore.h"
#include "core/reading/Deal.h"
#include "core/srml/SectionReader.h"
#include "core/srml/SpreadDocument.h"

#include <ostream>

namespace kestrava::cli {

namespace {

// The command line asks nobody: --force is the answer given in advance.
class AnsweringPrompter : public Prompter
{
public:
    explicit AnsweringPrompter(Answer answer) : m_answer(answer) {}
    Answer ask(std::string_view) override { return m_answer; }
    void tell(std::string_view) override {}
    std::optional<std::filesystem::path> chooseSaveFile(std::string_view, std::string_view,
                                                        const std::filesystem::path&) override
    {
        return std::nullopt;
    }

private:
    Answer m_answer;
};

DateTime parseNow(const std::string& text)
{
    // YYYY-MM-DD HH:MM, every field zero-padded.
    const auto fail = [&]() {
        return Error("--now needs a date and time written \"YYYY-MM-DD HH:MM\", not \"" + text +
                     "\"");
    };
    if (text.size() != 16 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':')
        throw fail();
    const auto field = [&](std::size_t at, std::size_t length) {
        int value = 0;
        const std::string_view digits = std::string_view(text).substr(at, length);
        for (const char c : digits) {
            if (c < '0' || c > '9')
                throw fail();
        }
        tryToInteger(digits, value);
        return value;
    };
    DateTime moment;
    moment.year = field(0, 4);
    moment.month = field(5, 2);
    moment.day = field(8, 2);
    moment.hour = field(11, 2);
    moment.minute = field(14, 2);
    if (moment.month < 1 || moment.month > 12 || moment.day < 1 || moment.day > 31 ||
        moment.hour > 23 || moment.minute > 59)
        throw fail();
    return moment;
}

int runDeal(Invocation& in)
{
    if (takeFlag(in.args, "--help")) {
        in.out
            << "usage: kestrava-cli [--home DIR] deal SPREAD [--person TEXT] [--question FILE]\n"
               "           [--seed V] [--now \"YYYY-MM-DD HH:MM\"] [--deck NAME] [--out FILE]\n"
               "           [--save [--force]]\n\n"
               "Shuffles with the preferences of DIR's settings files (as shuffle does), deals\n"
               "the cards onto the spread spreads/SPREAD.srml and writes the reading document.\n"
               "The deck must suit the spread: a deck of the 22 major cards deals spreads of up\n"
               "to 22 cards (and then uses the majors only), a full deck of 78 cards any "
               "spread.\n\n"
               "--person TEXT     the person the reading is for (stored without outer blanks)\n"
               "--question FILE   the question, one line of the file per line\n"
               "--seed V          seeds the generator with the 32-bit value V instead of the "
               "clock\n"
               "--now \"...\"       the date and time of the reading instead of the clock\n"
               "--deck NAME       deals from cards/NAME instead of the deck of the settings\n"
               "--out FILE        writes the reading to FILE instead of standard output\n"
               "--save            saves the reading into database/ under the name the file\n"
               "                  name template suggests and prints the saved file's path\n"
               "--force           with --save, replaces a saved reading of the same name\n";
        return 0;
    }
    std::string person;
    std::string questionFile;
    std::string seedText;
    std::string nowText;
    std::string deckName;
    std::string outFile;
    takeOption(in.args, "--person", person);
    const bool haveQuestion = takeOption(in.args, "--question", questionFile);
    const bool fixedSeed = takeOption(in.args, "--seed", seedText);
    const bool fixedNow = takeOption(in.args, "--now", nowText);
    const bool haveDeck = takeOption(in.args, "--deck", deckName);
    const bool haveOut = takeOption(in.args, "--out", outFile);
    const bool save = takeFlag(in.args, "--save");
    const bool force = takeFlag(in.args, "--force");
    if (in.args.empty() || in.args.front().starts_with("--"))
        throw Error("deal needs the name of a spread (see kestrava-cli deal --help)");
    const std::string spreadName = in.args.front();
    in.args.erase(in.args.begin());
    expectNoMoreArguments(in.args);
    if (force && !save)
        throw Error("--force goes with --save");
    const unsigned seed = fixedSeed ? parseSeed(seedText) : SystemClock().shuffleSeed();
    const DateTime now = fixedNow ? parseNow(nowText) : SystemClock().now();

    Preferences preferences;
    const SettingsLists lists = settingsListsOf(in.home);
    loadSettings(in.home, lists, preferences);
    selectFirstDeckIfNone(preferences, lists.decks);
    DealRequest request;
    request.spreadName = spreadName;
    request.person = person;
    if (haveQuestion)
        request.question = readLines(questionFile);
    request.deck = haveDeck ? std::optional<std::string>(deckName) : preferences.selectedDeck;
    request.now = now;
    if (!request.deck)
        throw Error(std::string(kNoDeckMessage));
    const auto deckFolder = in.home.deckFolder(*request.deck);
    std::error_code ec;
    if (!std::filesystem::is_directory(deckFolder, ec))
        throw Error("There is no deck \"" + *request.deck + "\" in " + in.home.cards().string() +
                    ".");

    const DealPreparation preparation = prepareDeal(in.home, preferences, request.deck, spreadName);
    switch (preparation.compatibility) {
    case Compatibility::Deal:
    case Compatibility::DealMajorsOnly:
        break;
    case Compatibility::TooFewCards:
        throw Error(std::string(kTooFewCardsMessage));
    case Compatibility::NotADeck:
        throw Error("The deck \"" + *request.deck + "\" holds " + preparation.deckSize +
                    " normal cards; only decks of 22 or 78 cards can be dealt from.");
    }
    const Shuffle shuffle = buildAndShuffle(preferences, seed);
    request.ids = shuffle.ids;
    request.orientations = shuffle.orientations;
    DealResult result;
    composeDeal(in.home, preferences, request, result);

    if (haveOut)
        writeLines(outFile, result.reading);
    if (save) {
        const std::string name = trimmed(result.suggestedName);
        if (name.empty())
            throw Error("The file name template gives an empty name for this reading.");
        const ReadingStore database(in.home, Store::Database);
        AnsweringPrompter prompter(force ? Answer::Yes : Answer::No);
        std::filesystem::path target;
        if (!database.save(name, result.reading, prompter, kDatabaseOverwriteQuestion, &target))
            throw Error("The database already holds \"" + database.entryPath(name).string() +
                        "\"; --force replaces it.");
        in.out << target.string() << "\n";
    }
    if (!haveOut && !save)
        in.out << joinLines(result.reading);
    return 0;
}

const CommandRegistration registration{
    {"deal", "deal the cards onto a spread and write the reading document", runDeal}};

} // namespace

} // namespace kestrava::cli
