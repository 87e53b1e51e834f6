#include "core/diary/ReadingStore.h"

#include "core/Error.h"
#include "core/Numbers.h"
#include "core/cards/Card.h"
#include "core/srml/ReadingDocument.h"
#include "core/srml/SectionReader.h"
#include "core/srml/SpreadDocument.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace kestrava {

namespace fs = std::filesystem;

namespace {

std::string inQuotes(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

// Both tags of the section stand in the document, the end after the start.
bool hasSection(const Lines& document, std::string_view name)
{
    const std::string startTag = "[" + std::string(name) + "]";
    const std::string endTag = "[/" + std::string(name) + "]";
    std::optional<std::size_t> start;
    std::optional<std::size_t> end;
    for (std::size_t i = 0; i < document.size(); ++i) {
        if (document[i] == startTag)
            start = i;
        if (document[i] == endTag)
            end = i;
    }
    return start && end && *end > *start;
}

Error notAReading(std::string_view label, const std::string& why)
{
    return Error(inQuotes(label) + " is not a reading the program can open: " + why);
}

} // namespace

std::string_view sourceCode(Store store)
{
    return store == Store::Diary ? "DIARY" : "DB";
}

Store storeOfSetting(int value)
{
    return value == 2 ? Store::Diary : Store::Database;
}

int settingOfStore(Store store)
{
    return store == Store::Diary ? 2 : 1;
}

ReadingStore::ReadingStore(const ProgramFolder& folder, Store store)
    : m_store(store), m_programFolder(folder),
      m_folder(store == Store::Diary ? folder.diary() : folder.database())
{
}

std::vector<std::string> ReadingStore::list() const
{
    // listFiles leaves out sub-folders and names starting with ".", and sorts;
    // removing ".srml" keeps that order.
    std::vector<std::string> names = listFiles(m_folder);
    for (auto& name : names)
        name = replaceAll(std::move(name), ".srml", "");
    return names;
}

fs::path ReadingStore::entryPath(std::string_view entry) const
{
    return m_folder / (std::string(entry) + ".srml");
}

Lines ReadingStore::read(std::string_view entry) const
{
    // An entry stands for a file: opening a FIFO or a device in its place
    // would wait for a writer, so those are refused unopened.
    std::error_code ec;
    const fs::file_status status = fs::status(entryPath(entry), ec);
    if (fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status))
        throw Error("The saved reading " + inQuotes(entry) + " cannot be read. " +
                    inQuotes(entryPath(entry).string()) + " is not a file.");
    SectionSources sources(m_programFolder);
    sources.selectedSavedReading = std::string(entry);
    try {
        return sources.load(sourceCode(m_store));
    } catch (const Error& error) {
        throw Error("The saved reading " + inQuotes(entry) + " cannot be read. " + error.what());
    }
}

Lines ReadingStore::readReading(std::string_view entry) const
{
    Lines document = read(entry);
    checkSavedReading(document, entryPath(entry).string());
    return document;
}

ReadingDetails ReadingStore::details(std::string_view entry) const
{
    // One read of the file and one pass over it for the four sections, found
    // as the section reader finds them: the last start tag and the last end tag.
    const Lines document = read(entry);
    static const std::vector<std::string_view> kNames = {"SPREAD", "PERSON", "DATETIME",
                                                         "QUESTION"};
    const std::vector<SectionSpan> spans = findSections(document, kNames);
    Lines sections[4];
    for (std::size_t k = 0; k < kNames.size(); ++k) {
        if (!spans[k].found)
            throw notAReading(entryPath(entry).string(),
                              "it has no [" + std::string(kNames[k]) + "] section.");
        sections[k].assign(document.begin() + static_cast<std::ptrdiff_t>(spans[k].first),
                           document.begin() + static_cast<std::ptrdiff_t>(spans[k].end));
    }
    const auto first = [](const Lines& lines) {
        return lines.empty() ? std::string() : lines.front();
    };
    return {first(sections[0]), first(sections[1]), first(sections[2]), plainLines(sections[3])};
}

bool ReadingStore::save(std::string_view name, const Lines& document, Prompter& prompter,
                        std::string_view overwriteQuestion, fs::path* written) const
{
    const std::string saveName = trimmed(name);
    if (saveName.empty())
        throw Error("A reading needs a name to be saved under.");
    // Such a file would never be listed, so the reading would seem lost.
    if (saveName.front() == '.')
        throw Error("The name of a saved reading cannot start with \".\".");
    if (saveName.find('/') != std::string::npos)
        throw Error("The name of a saved reading cannot hold \"/\".");
    const fs::path target = entryPath(saveName);
    std::error_code ec;
    if (fs::exists(fs::symlink_status(target, ec)) &&
        prompter.ask(overwriteQuestion) != Answer::Yes)
        return false;
    fs::create_directories(m_folder, ec);
    if (ec)
        throw Error("Cannot create the folder " + inQuotes(m_folder.string()) + ". " +
                    ec.message() + ".");
    writeLines(target, document);
    if (written)
        *written = target;
    return true;
}

void ReadingStore::remove(std::string_view entry) const
{
    const fs::path path = entryPath(entry);
    const auto fail = [&](const std::string& why) {
        return Error("Cannot remove the saved reading " + inQuotes(entry) + ": " + why);
    };
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (!fs::exists(status))
        throw fail("there is no file " + inQuotes(path.string()) + ".");
    if (fs::is_directory(status))
        throw fail(inQuotes(path.string()) + " is a folder.");
    // unlink, not remove: an empty folder of that name must never go.
    if (::unlink(path.c_str()) != 0)
        throw fail("the file " + inQuotes(path.string()) + " cannot be deleted. " +
                   std::strerror(errno) + ".");
}

void ReadingStore::removeAll(const std::vector<std::string>& entries) const
{
    std::vector<std::string> failures;
    for (const auto& entry : entries) {
        const fs::path path = entryPath(entry);
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(path, ec);
        if (!fs::exists(status))
            continue;
        if (fs::is_directory(status))
            failures.push_back(inQuotes(path.string()) + " is a folder.");
        else if (::unlink(path.c_str()) != 0)
            failures.push_back(inQuotes(path.string()) + ": " + std::strerror(errno) + ".");
    }
    if (failures.empty())
        return;
    constexpr std::size_t kShown = 10;
    std::string message =
        failures.size() == 1
            ? std::string("One saved reading could not be removed:")
            : std::to_string(failures.size()) + " saved readings could not be removed:";
    for (std::size_t i = 0; i < failures.size() && i < kShown; ++i)
        message += "\n" + failures[i];
    if (failures.size() > kShown)
        message += "\n... and " + std::to_string(failures.size() - kShown) + " more.";
    throw Error(message);
}

void checkSavedReading(const Lines& document, std::string_view label)
{
    for (const char* name :
         {"SPREAD", "PERSON", "DATETIME", "CARDS", "MEANINGS", "POSITIONS", "FORTUNE", "MIRRORS"}) {
        if (!hasSection(document, name))
            throw notAReading(label, std::string("it has no [") + name + "] section.");
    }
    const Lines cards = findSection(document, "CARDS");
    int n = 0;
    if (cards.empty() || !tryToInteger(cards.front(), n) || n < 0)
        throw notAReading(label, "its number of cards is not a number.");
    for (const char* name : {"MEANINGS", "POSITIONS", "FORTUNE", "MIRRORS"}) {
        if (static_cast<int>(findSection(document, name).size()) < n)
            throw notAReading(label, "it has " + std::to_string(n) + " cards but fewer lines in [" +
                                         name + "].");
    }
    const Lines positions = findSection(document, "POSITIONS");
    for (int j = 0; j < n; ++j) {
        const PositionText place = splitPosition(positions[static_cast<std::size_t>(j)]);
        int value = 0;
        if (!tryToInteger(place.left, value) || !tryToInteger(place.top, value))
            throw notAReading(label, "the place of position " + std::to_string(j + 1) +
                                         " is not a pair of numbers.");
    }
    const Lines fortune = findSection(document, "FORTUNE");
    for (std::size_t j = 0; j < fortune.size(); ++j) {
        int id = 0;
        if (fortune[j].empty())
            throw notAReading(label, "position " + std::to_string(j + 1) + " has no card.");
        if (!tryToInteger(fortune[j], id) || id < kBlankCard || id > kAllCards)
            throw notAReading(label, "the card of position " + std::to_string(j + 1) + ", " +
                                         inQuotes(fortune[j]) + ", is not a card.");
    }
}

DeckVerdict checkDeckForReading(std::string_view deckSize, const Lines& reading)
{
    const int required = requiredDeckSize(reading);
    if (deckSize == "78")
        return DeckVerdict::Fits;
    if (deckSize == "22")
        return required == kAllCards ? DeckVerdict::TooFewCards : DeckVerdict::Fits;
    return DeckVerdict::NotADeck;
}

bool deckFitsReading(std::string_view deckSize, const Lines& reading, Prompter& prompter)
{
    switch (checkDeckForReading(deckSize, reading)) {
    case DeckVerdict::TooFewCards:
        prompter.tell(kTooFewCardsMessage);
        return false;
    case DeckVerdict::NotADeck:
        return false;
    case DeckVerdict::Fits:
        break;
    }
    return true;
}

} // namespace kestrava
