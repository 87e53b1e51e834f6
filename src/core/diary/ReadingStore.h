#pragma once

#include "core/ProgramFolder.h"
#include "core/Prompter.h"
#include "core/TextFile.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kestrava {

// The two folders of saved readings.
enum class Store { Database, Diary };

// The section source code that names the selected entry of a store.
std::string_view sourceCode(Store store); // "DB" or "DIARY"
// The shown store as the settings file keeps it: 1 the database, 2 the diary.
Store storeOfSetting(int value);
int settingOfStore(Store store);

inline constexpr std::string_view kSaveSuccess = "Success!              ";
inline constexpr std::string_view kDatabaseOverwriteQuestion =
    "Spread with same name already exists in DataBase.\nOverwrite existing spread with new one?";

// The four facts My Readings shows of an entry; the question as plain lines.
struct ReadingDetails
{
    std::string spread;
    std::string person;
    std::string dateTime;
    Lines question;
};

// One store folder. Whatever regular files lie in it are the store; nothing
// is cached, every call looks at the folder afresh.
class ReadingStore
{
public:
    ReadingStore(const ProgramFolder& folder, Store store);

    Store store() const { return m_store; }
    const std::filesystem::path& folder() const { return m_folder; }

    // The entry names: every regular file, in file-name order ignoring case,
    // with every ".srml" removed. Names starting with "." (the save path's
    // temporary files) are not entries.
    std::vector<std::string> list() const;
    // The file an entry stands for: folder / (entry + ".srml").
    std::filesystem::path entryPath(std::string_view entry) const;

    // The entry's document, whole; an error naming the entry when it cannot be read.
    Lines read(std::string_view entry) const;
    // The entry's document, checked to be a complete reading (checkSavedReading).
    Lines readReading(std::string_view entry) const;
    // SPREAD, PERSON, DATETIME and QUESTION of the entry, read through the
    // store's section source code.
    ReadingDetails details(std::string_view entry) const;

    // Writes the document as entry `name` (outer blanks removed). When the file
    // exists the question is asked first; anything but Yes writes nothing and
    // returns false. Returns the file written through `written` when given.
    bool save(std::string_view name, const Lines& document, Prompter& prompter,
              std::string_view overwriteQuestion, std::filesystem::path* written = nullptr) const;

    // Deletes the entry's file; a file that is missing or cannot be deleted is an error.
    void remove(std::string_view entry) const;
    // Deletes the file of every entry, passing over files that are already
    // gone; the files that could not be deleted are named in one error at the end.
    void removeAll(const std::vector<std::string>& entries) const;

private:
    Store m_store;
    ProgramFolder m_programFolder;
    std::filesystem::path m_folder;
};

// Throws an error naming `label` unless the document carries every section a
// reading is shown and edited from: SPREAD, PERSON, DATETIME, CARDS with a
// card count, and at least that many lines of MEANINGS, POSITIONS (each a
// left,top pair of whole numbers), FORTUNE (each a card identifier) and MIRRORS.
void checkSavedReading(const Lines& document, std::string_view label);

// What Load and Edit do with a reading on the selected deck.
enum class DeckVerdict {
    Fits,        // display or edit it
    TooFewCards, // show kTooFewCardsMessage, nothing else
    NotADeck,    // a deck of neither 22 nor 78 cards: nothing happens
};
DeckVerdict checkDeckForReading(std::string_view deckSize, const Lines& reading);
// The check as Load and Edit make it: too few cards tells the message, a
// deck of neither kind says nothing; returns whether the reading may be shown.
bool deckFitsReading(std::string_view deckSize, const Lines& reading, Prompter& prompter);

} // namespace kestrava
