#include "core/diary/ReadingStore.h"

#include "DiaryFixture.h"
#include "core/Error.h"
#include "core/cards/Card.h"
#include "core/diary/StoreFilter.h"
#include "core/srml/SectionReader.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kestrava::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

// The message of the error an operation throws; fails the test when none is.
template <typename Operation> std::string errorOf(Operation&& operation)
{
    try {
        operation();
    } catch (const Error& error) {
        return error.what();
    }
    ADD_FAILURE() << "no error";
    return {};
}

class ReadingStoreTest : public ::testing::Test
{
protected:
    fs::path put(const std::string& relative, const Lines& lines) const
    {
        return home.writeLines(relative, lines);
    }

    TempProgramFolder home;
    ReadingStore database{home.folder(), Store::Database};
    ReadingStore diary{home.folder(), Store::Diary};
    ScriptPrompter prompter;
};

TEST_F(ReadingStoreTest, ListsEveryFileOnceWithSrmlRemovedInFileNameOrder)
{
    for (const char* name : {"b.srml", "A.srml", "a.srml.srml", "notes.txt", "Zeta.SRML",
                             ".Reading.srml.tmp123456", "c"})
        home.writeRaw(std::string("diary/") + name, "x");
    fs::create_directories(home.root() / "diary" / "folder.srml");
    fs::create_symlink(home.root() / "diary" / "b.srml", home.root() / "diary" / "link.srml");

    EXPECT_EQ(diary.list(),
              (std::vector<std::string>{"A", "a", "b", "c", "link", "notes.txt", "Zeta.SRML"}));
    EXPECT_EQ(diary.entryPath("a"), home.root() / "diary" / "a.srml");
    EXPECT_EQ(diary.entryPath("notes.txt"), home.root() / "diary" / "notes.txt.srml");
    EXPECT_TRUE(database.list().empty()); // the folder does not even exist
}

TEST_F(ReadingStoreTest, DetailsComeFromTheStoreShown)
{
    put("database/Same.srml", savedReading(3, "Anna", {"Will <br />it<br /> rain?<br />"}));
    put("diary/Same.srml", savedReading(3, "Bert", {}));

    const ReadingDetails fromDatabase = database.details("Same");
    EXPECT_EQ(fromDatabase.spread, "Line of 3");
    EXPECT_EQ(fromDatabase.person, "Anna");
    EXPECT_EQ(fromDatabase.dateTime, "2024-03-05, 14-07");
    EXPECT_EQ(fromDatabase.question, Lines{"Will it rain?"});

    const ReadingDetails fromDiary = diary.details("Same");
    EXPECT_EQ(fromDiary.person, "Bert");
    EXPECT_TRUE(fromDiary.question.empty());
    EXPECT_EQ(sourceCode(Store::Database), "DB");
    EXPECT_EQ(sourceCode(Store::Diary), "DIARY");
}

TEST_F(ReadingStoreTest, AnEntryThatIsNoReadingGivesOneMessageNamingItsFile)
{
    home.writeRaw("database/notes.txt", "just notes");
    home.writeRaw("database/letter.srml", "Dear Anna,\r\n");
    Lines noPerson = savedReading(1);
    noPerson.erase(std::find(noPerson.begin(), noPerson.end(), "[/PERSON]"));
    put("database/Torn.srml", noPerson);
    fs::create_directories(home.root() / "database" / "Folder.srml");
    home.writeRaw("database/Folder", "");

    for (const std::string entry : {"notes.txt", "letter", "Torn", "Folder"}) {
        const std::string message = errorOf([&] { database.details(entry); });
        EXPECT_THAT(message, HasSubstr(entry + ".srml")) << entry;
        EXPECT_THAT(message, Not(HasSubstr("filesystem error"))) << entry;
    }
    EXPECT_THAT(errorOf([&] { database.details("Torn"); }), HasSubstr("[PERSON]"));
}

TEST_F(ReadingStoreTest, SaveWritesTheDocumentUnchangedAndAsksBeforeReplacing)
{
    const Lines first = savedReading(2);
    const Lines second = savedReading(3);
    put("diary/Reading 1.srml", {"a diary entry of the same name"});

    ASSERT_TRUE(database.save("  Reading 1 ", first, prompter, kDatabaseOverwriteQuestion));
    EXPECT_TRUE(prompter.questions.empty()); // the diary's file does not count
    EXPECT_EQ(readLines(database.entryPath("Reading 1")), first);

    prompter.answers = {Answer::No, Answer::Cancel, Answer::Yes};
    EXPECT_FALSE(database.save("Reading 1", second, prompter, kDatabaseOverwriteQuestion));
    EXPECT_FALSE(database.save("Reading 1", second, prompter, kDatabaseOverwriteQuestion));
    EXPECT_EQ(readLines(database.entryPath("Reading 1")), first);
    fs::path written;
    EXPECT_TRUE(database.save("Reading 1", second, prompter, kDatabaseOverwriteQuestion, &written));
    EXPECT_EQ(written, database.entryPath("Reading 1"));
    EXPECT_EQ(readLines(written), second);
    EXPECT_EQ(prompter.questions,
              std::vector<std::string>(3, std::string(kDatabaseOverwriteQuestion)));
    EXPECT_EQ(database.list(), std::vector<std::string>{"Reading 1"});
}

TEST_F(ReadingStoreTest, SaveRefusesNamesItCouldNotListAndReportsUnwritableFolders)
{
    for (const char* name : {"   ", ".hidden", "a/b"})
        EXPECT_FALSE(errorOf([&] {
                         database.save(name, {"x"}, prompter, kDatabaseOverwriteQuestion);
                     }).empty())
            << name;
    EXPECT_FALSE(fs::exists(home.root() / "database"));

    // A file where the folder should be: fails for root as well.
    home.writeRaw("database", "not a folder");
    const std::string message =
        errorOf([&] { database.save("Reading", {"x"}, prompter, kDatabaseOverwriteQuestion); });
    EXPECT_THAT(message, HasSubstr(database.folder().string()));
    EXPECT_THAT(message, Not(HasSubstr("filesystem error")));
}

TEST_F(ReadingStoreTest, RemoveDeletesOnlyTheEntryFileAndSaysWhenItCannot)
{
    for (const char* name : {"a.srml", "b.srml", "notes.txt"})
        home.writeRaw(std::string("database/") + name, "x");
    fs::create_directories(home.root() / "database" / "Kept.srml");
    home.writeRaw("database/Kept", "x");

    database.remove("a");
    EXPECT_EQ(database.list(), (std::vector<std::string>{"b", "Kept", "notes.txt"}));

    EXPECT_THAT(errorOf([&] { database.remove("notes.txt"); }), HasSubstr("notes.txt.srml"));
    EXPECT_THAT(errorOf([&] { database.remove("Kept"); }), HasSubstr("Kept.srml"));
    EXPECT_TRUE(fs::is_directory(home.root() / "database" / "Kept.srml"));
    EXPECT_EQ(database.list(), (std::vector<std::string>{"b", "Kept", "notes.txt"}));
}

TEST_F(ReadingStoreTest, RemoveAllPassesOverMissingFilesAndNamesThoseItCannotDelete)
{
    for (const char* name : {"a.srml", "b.srml", "notes.txt", "Kept"})
        home.writeRaw(std::string("diary/") + name, "x");
    fs::create_directories(home.root() / "diary" / "Kept.srml");

    const std::string message = errorOf([&] { diary.removeAll(diary.list()); });
    EXPECT_THAT(message, HasSubstr("Kept.srml"));
    EXPECT_THAT(message, Not(HasSubstr("notes.txt")));
    EXPECT_EQ(diary.list(), (std::vector<std::string>{"Kept", "notes.txt"}));

    // The entries' files are gone now; the files listed stay, silently.
    fs::remove(home.root() / "diary" / "Kept.srml");
    EXPECT_NO_THROW(diary.removeAll(diary.list()));
    EXPECT_EQ(diary.list(), (std::vector<std::string>{"Kept", "notes.txt"}));
}

struct BrokenReading
{
    const char* what;
    std::function<void(Lines&)> breakIt;
    const char* said;
};

class CheckSavedReading : public ::testing::TestWithParam<BrokenReading>
{
};

void replaceLine(Lines& lines, const std::string& from, const std::string& to)
{
    *std::find(lines.begin(), lines.end(), from) = to;
}

TEST_P(CheckSavedReading, RefusesAReadingThatCannotBeShownNamingTheFile)
{
    Lines reading = savedReading(3);
    EXPECT_NO_THROW(checkSavedReading(reading, "/x/entry.srml"));
    GetParam().breakIt(reading);
    const std::string message = errorOf([&] { checkSavedReading(reading, "/x/entry.srml"); });
    EXPECT_THAT(message, HasSubstr("/x/entry.srml"));
    EXPECT_THAT(message, HasSubstr(GetParam().said));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckSavedReading,
    ::testing::Values(
        BrokenReading{"no fortune", [](Lines& r) { replaceLine(r, "[FORTUNE]", "[fortune]"); },
                      "[FORTUNE]"},
        BrokenReading{"no card count", [](Lines& r) { replaceLine(r, "3", "three"); },
                      "number of cards"},
        BrokenReading{"too few mirrors",
                      [](Lines& r) { r.erase(std::find(r.begin(), r.end(), "normal")); },
                      "fewer lines in [MIRRORS]"},
        BrokenReading{"unset position", [](Lines& r) { replaceLine(r, "2", ""); },
                      "position 2 has no card"},
        BrokenReading{"not a card", [](Lines& r) { replaceLine(r, "2", "79"); }, "\"79\""},
        BrokenReading{"place not a number", [](Lines& r) { replaceLine(r, "45,5", "45,a"); },
                      "position 2"}),
    [](const auto& info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(DeckForReading, FollowsTheRequiredDeckSize)
{
    const Lines majors = savedReading(3); // cards 1, 2, 3
    Lines full = savedReading(3);
    replaceLine(full, "2", "23");
    Lines blanks = savedReading(3);
    replaceLine(blanks, "1", "0");
    replaceLine(blanks, "2", "22");

    EXPECT_EQ(checkDeckForReading("78", full), DeckVerdict::Fits);
    EXPECT_EQ(checkDeckForReading("78", majors), DeckVerdict::Fits);
    EXPECT_EQ(checkDeckForReading("22", majors), DeckVerdict::Fits);
    EXPECT_EQ(checkDeckForReading("22", blanks), DeckVerdict::Fits);
    EXPECT_EQ(checkDeckForReading("22", full), DeckVerdict::TooFewCards);
    for (const char* size : {"77", "79", "0", ""})
        EXPECT_EQ(checkDeckForReading(size, majors), DeckVerdict::NotADeck) << size;
}

TEST_F(ReadingStoreTest, FilterLooksAtNamePersonSpreadDateAndQuestionIgnoringCase)
{
    put("diary/Monday.srml", savedReading(3, "Anna", {"Will it RAIN<br /> today?<br />"}));
    put("diary/Tuesday.srml", savedReading(1, "Bert", {"Work?<br />"}));
    home.writeRaw("diary/rainy notes.txt", "not a reading");
    const auto index = indexEntries(diary, diary.list());
    ASSERT_EQ(index.size(), 3u);
    EXPECT_FALSE(index[1].details); // the notes

    const auto filter = [&](const std::string& text) {
        return filterEntries(index, text);
    };
    EXPECT_EQ(filter(""), (std::vector<std::string>{"Monday", "rainy notes.txt", "Tuesday"}));
    EXPECT_EQ(filter("rain"), (std::vector<std::string>{"Monday", "rainy notes.txt"}));
    EXPECT_EQ(filter("it rain"), std::vector<std::string>{"Monday"}); // "<br />" is not text
    EXPECT_EQ(filter("BERT"), std::vector<std::string>{"Tuesday"});
    EXPECT_EQ(filter("line of 1"), std::vector<std::string>{"Tuesday"});
    EXPECT_EQ(filter("2024-03"), (std::vector<std::string>{"Monday", "Tuesday"}));
    EXPECT_EQ(filter("snow"), std::vector<std::string>{});
    EXPECT_TRUE(matchesFilter(index[0], "tODAY"));
}

} // namespace
} // namespace kestrava::test
