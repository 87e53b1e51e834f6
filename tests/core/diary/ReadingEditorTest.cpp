#include "core/diary/ReadingEditor.h"

#include "DiaryFixture.h"
#include "core/Error.h"
#include "core/diary/ReadingStore.h"
#include "core/srml/SectionReader.h"
#include "core/srml/SpreadDocument.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kestrava::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

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

// The lines of two documents that differ, as "index: before -> after".
std::vector<std::string> differences(const Lines& before, const Lines& after)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < std::max(before.size(), after.size()); ++i) {
        const std::string a = i < before.size() ? before[i] : "<none>";
        const std::string b = i < after.size() ? after[i] : "<none>";
        if (a != b)
            out.push_back(std::to_string(i) + ": " + a + " -> " + b);
    }
    return out;
}

class ReadingEditorTest : public ::testing::Test
{
protected:
    ReadingEditorTest() { fs::create_directories(home.folder().diary()); }

    fs::path putDiary(const std::string& name, const Lines& document) const
    {
        return home.writeLines("diary/" + name + ".srml", document);
    }
    void open(const fs::path& file) { editor.open(file, readLines(file), deck); }

    TempProgramFolder home;
    fs::path deck = home.folder().deckFolder("Deck");
    ReadingEditor editor;
    ScriptPrompter prompter;
};

TEST_F(ReadingEditorTest, OpenAndComposeGiveTheDiaryEntryBackLineForLine)
{
    for (const int cards : {1, 5, 40}) {
        const Lines original = composeDiary(diaryEntry(cards));
        open(putDiary("Entry", original));
        EXPECT_EQ(editor.cardCount(), cards);
        EXPECT_EQ(editor.shownPositions(), std::min(cards, 30));
        EXPECT_EQ(editor.compose(), original) << cards;
    }
    EXPECT_EQ(editor.entry().question, (Lines{"Will it rain?", "When?"}));
    EXPECT_EQ(editor.editedFile(), home.root() / "diary" / "Entry.srml");
}

TEST_F(ReadingEditorTest, SettingAPositionTwiceChangesOnlyItsTwoLines)
{
    const Lines original = composeDiary(diaryEntry(5));
    open(putDiary("Entry", original));
    editor.select(3);
    ASSERT_TRUE(editor.set(40, true));
    ASSERT_TRUE(editor.set(41, false));
    EXPECT_EQ(differences(original, editor.compose()), (std::vector<std::string>{"40: 3 -> 41"}));
    EXPECT_EQ(editor.picture(3), deck / "normal" / "41.jpg");

    ASSERT_TRUE(editor.set(0, true)); // the blank card lies blank whatever the tick
    EXPECT_EQ(editor.orientationAt(3), "blank");
    EXPECT_EQ(editor.picture(3), deck / "blank" / "0.jpg");
    EXPECT_EQ(differences(original, editor.compose()),
              (std::vector<std::string>{"40: 3 -> 0", "47: normal -> blank"}));
}

TEST_F(ReadingEditorTest, SetNeedsAPositionOfTheReadingAndAChosenCard)
{
    open(putDiary("Entry", composeDiary(diaryEntry(5))));
    const Lines before = editor.compose();
    EXPECT_FALSE(editor.set(7, false)); // no position selected: nothing happens
    editor.select(2);
    EXPECT_EQ(errorOf([&] { editor.set(std::nullopt, true); }), kChooseCardFirst);
    editor.select(12); // left over from a longer reading
    EXPECT_THAT(errorOf([&] { editor.set(7, false); }), HasSubstr("12"));
    EXPECT_EQ(editor.compose(), before);
}

TEST_F(ReadingEditorTest, OpenRefusesAnIncompleteReadingAndKeepsTheEditedOne)
{
    open(putDiary("Good", composeDiary(diaryEntry(3))));
    DiaryEntry unset = diaryEntry(3);
    unset.fortune[1].clear();
    const fs::path bad = putDiary("Bad", composeDiary(unset));
    EXPECT_THAT(errorOf([&] { open(bad); }), HasSubstr(bad.string()));
    EXPECT_EQ(editor.editedFile(), home.root() / "diary" / "Good.srml");
}

TEST_F(ReadingEditorTest, AnEmptyReadingOnASpreadPlacesItsPositionsAndStartsUnset)
{
    const Lines spread{std::string(kSpreadHeader),
                       "[SPREAD]",
                       "Three Cards",
                       "[/SPREAD]",
                       "[CARDS]",
                       "03",
                       "[/CARDS]",
                       "[DESCRIPTION]",
                       "About.<br />",
                       "[/DESCRIPTION]",
                       "[MEANINGS]",
                       "Past",
                       "Present",
                       "Future",
                       "[/MEANINGS]",
                       "[POSITIONS]",
                       "10,20",
                       "50,20",
                       "90,20",
                       "[/POSITIONS]",
                       "[COMMENTS]",
                       "[/COMMENTS]",
                       std::string(kTrailer)};
    open(putDiary("Old", composeDiary(diaryEntry(5))));
    editor.select(2);
    editor.startFromSpread(spread, deck);

    EXPECT_TRUE(editor.editedFile().empty());
    EXPECT_EQ(editor.entry().spreadName, "Three Cards");
    EXPECT_EQ(editor.entry().cards, "03");
    EXPECT_TRUE(editor.entry().person.empty());
    EXPECT_TRUE(editor.entry().question.empty());
    EXPECT_EQ(editor.shownPositions(), 3);
    EXPECT_EQ(editor.place(1), (CardPlace{39, 95}));
    EXPECT_EQ(editor.place(3), (CardPlace{391, 95}));
    EXPECT_EQ(editor.entry().fortune, Lines(3, ""));
    EXPECT_EQ(editor.entry().mirrors, Lines(3, ""));
    EXPECT_EQ(editor.describe(2, {}), "Position 2: empty");
    EXPECT_FALSE(editor.picture(2));
    EXPECT_EQ(editor.selected(), 2); // the selection outlives the reading
    EXPECT_EQ(editor.firstEmptyPosition(), 1);

    Lines tooFewPlaces = spread;
    tooFewPlaces.erase(std::find(tooFewPlaces.begin(), tooFewPlaces.end(), "90,20"));
    Lines noCount = spread;
    *std::find(noCount.begin(), noCount.end(), "03") = "three";
    for (const Lines& broken : {tooFewPlaces, noCount})
        EXPECT_THROW(editor.startFromSpread(broken, deck), Error);
    EXPECT_EQ(editor.entry().cards, "03");
}

TEST_F(ReadingEditorTest, NoSaveWritesAReadingWithAnUnsetPosition)
{
    editor.startFromSpread(readLines(putDiary("Spread", composeDiary(diaryEntry(4)))), deck);
    editor.select(1);
    editor.set(1, false);
    editor.select(2);
    editor.set(2, false);
    prompter.files = {home.root() / "diary" / "New.srml"};
    EXPECT_EQ(errorOf([&] { editor.saveAsNew(prompter, home.folder()); }),
              "Please set card 3 before saving.");
    EXPECT_EQ(errorOf([&] { editor.saveChanges(prompter, home.folder()); }),
              "Please set card 3 before saving.");
    EXPECT_TRUE(prompter.dialogStarts.empty());
    EXPECT_FALSE(fs::exists(home.root() / "diary" / "New.srml"));
}

TEST_F(ReadingEditorTest, SaveAsNewAddsTheExtensionAndAsksBeforeReplacing)
{
    const fs::path opened = putDiary("Opened", composeDiary(diaryEntry(2)));
    open(opened);
    editor.entry().person = "Carla";
    const fs::path existing = putDiary("Existing", {"keep me"});

    prompter.files = {std::nullopt, existing, home.root() / "diary" / "Fresh"};
    prompter.answers = {Answer::No};
    EXPECT_EQ(editor.saveAsNew(prompter, home.folder()), DiarySaveOutcome::Declined);
    EXPECT_EQ(editor.saveAsNew(prompter, home.folder()), DiarySaveOutcome::Declined);
    EXPECT_EQ(readLines(existing), Lines{"keep me"});
    fs::path written;
    EXPECT_EQ(editor.saveAsNew(prompter, home.folder(), &written), DiarySaveOutcome::SavedAs);
    EXPECT_EQ(written, home.root() / "diary" / "Fresh.srml");
    EXPECT_EQ(readLines(written), editor.compose());
    EXPECT_EQ(prompter.dialogStarts, std::vector<fs::path>(3, home.folder().diary()));
    EXPECT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(editor.editedFile(), opened); // Save Changes still writes the opened file
    EXPECT_EQ(findSection(readLines(opened), "PERSON"), Lines{"Anna"});
}

TEST_F(ReadingEditorTest, SaveChangesWritesOverTheOpenedFileAndAsksWhenItChangedOnDisk)
{
    const fs::path file = putDiary("Entry", composeDiary(diaryEntry(3)));
    open(file);
    editor.entry().dateTime = "yesterday";
    EXPECT_EQ(editor.saveChanges(prompter, home.folder()), DiarySaveOutcome::Saved);
    EXPECT_EQ(findSection(readLines(file), "DATETIME"), Lines{"yesterday"});
    EXPECT_TRUE(prompter.questions.empty());

    // Another program writes the file: the next save asks first.
    DiaryEntry theirs = diaryEntry(3);
    theirs.person = "Someone else";
    home.writeLines("diary/Entry.srml", composeDiary(theirs));
    prompter.answers = {Answer::No, Answer::Yes};
    EXPECT_EQ(editor.saveChanges(prompter, home.folder()), DiarySaveOutcome::Declined);
    EXPECT_EQ(findSection(readLines(file), "PERSON"), Lines{"Someone else"});
    EXPECT_EQ(editor.saveChanges(prompter, home.folder()), DiarySaveOutcome::Saved);
    EXPECT_EQ(findSection(readLines(file), "PERSON"), Lines{"Anna"});
    ASSERT_EQ(prompter.questions.size(), 2u);
    EXPECT_THAT(prompter.questions[0], HasSubstr(file.string()));
}

TEST_F(ReadingEditorTest, SaveChangesOfANewReadingAsksForAFileEveryTime)
{
    editor.startFromSpread(readLines(putDiary("Spread", composeDiary(diaryEntry(1)))), deck);
    editor.select(1);
    editor.set(5, true);
    prompter.files = {std::nullopt, home.root() / "diary" / "Mine.srml"};
    EXPECT_EQ(editor.saveChanges(prompter, home.folder()), DiarySaveOutcome::Declined);
    EXPECT_EQ(editor.saveChanges(prompter, home.folder()), DiarySaveOutcome::SavedAs);
    EXPECT_TRUE(editor.editedFile().empty());
    EXPECT_EQ(prompter.dialogStarts.size(), 2u);
    // What was written opens again like any diary entry.
    const Lines saved = ReadingStore(home.folder(), Store::Diary).readReading("Mine");
    EXPECT_EQ(findSection(saved, "FORTUNE"), Lines{"5"});
    EXPECT_EQ(findSection(saved, "MIRRORS"), Lines{"reversed"});
}

TEST_F(ReadingEditorTest, WritingFailuresAreErrorsWithTheFileName)
{
    open(putDiary("Entry", composeDiary(diaryEntry(1))));
    const fs::path folderInPlace = home.root() / "diary" / "Taken.srml";
    fs::create_directories(folderInPlace);
    prompter.files = {folderInPlace};
    prompter.answers = {Answer::Yes};
    EXPECT_THAT(errorOf([&] { editor.saveAsNew(prompter, home.folder()); }),
                HasSubstr(folderInPlace.string()));
    EXPECT_TRUE(fs::is_directory(folderInPlace));
}

TEST(EditorRules, PlacesDescriptionsAndChooser)
{
    EXPECT_EQ(editorPlace("10,20"), (CardPlace{39, 95}));
    EXPECT_EQ(editorPlace("3,1"), (CardPlace{8, 0})); // 13.2 rounds to 13
    EXPECT_THROW(editorPlace("ten,20"), Error);
    EXPECT_EQ(chooserCardCount("22"), 23);
    EXPECT_EQ(chooserCardCount("78"), 79);

    ReadingEditor editor;
    DiaryEntry entry = diaryEntry(3);
    entry.fortune[2] = "41";
    entry.mirrors[2] = "reversed";
    editor.open("/x/e.srml", composeDiary(entry), "/deck");
    std::vector<std::string> titles(79);
    titles[41] = "Five of Cups";
    EXPECT_EQ(editor.describe(3, titles), "Position 3: Five of Cups, reversed");
}

} // namespace
} // namespace kestrava::test
