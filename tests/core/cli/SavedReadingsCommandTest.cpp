#include "CliRunner.h"
#include "core/TextFile.h"
#include "core/srml/ReadingDocument.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace kestrava::test {
namespace {

class SavedReadingsCommands : public ::testing::Test
{
protected:
    SavedReadingsCommands()
    {
        Lines titles;
        for (int i = 0; i < 41; ++i)
            titles.push_back("Field " + std::to_string(i));
        titles[1] = "The Magician";
        titles[23] = "Wands";
        titles[27] = "Ace";
        titles.emplace_back("of");
        home.writeLines("titles/default.srml", titles);
    }

    CliResult run(const std::string& arguments) const
    {
        return runCli("--home " + shellQuote(home.root().string()) + " " + arguments);
    }

    TempProgramFolder home;
};

TEST_F(SavedReadingsCommands, ListPrintsTheEntriesOfEitherStoreInListOrder)
{
    for (const char* name : {"b.srml", "A.srml", "a.srml.srml", "notes.txt"})
        home.writeRaw(std::string("database/") + name, "x");
    home.writeRaw("diary/Only in the diary.srml", "x");

    EXPECT_EQ(run("list").out, "A\na\nb\nnotes.txt\n");
    EXPECT_EQ(run("list --store database").out, "A\na\nb\nnotes.txt\n");
    EXPECT_EQ(run("list --store diary").out, "Only in the diary\n");
    const CliResult wrong = run("list --store attic");
    EXPECT_NE(wrong.exitCode, 0);
    EXPECT_NE(wrong.err.find("attic"), std::string::npos) << wrong.err;
}

TEST_F(SavedReadingsCommands, ShowPrintsTheFourDetailsThenOneLinePerCard)
{
    DiaryEntry entry{"Two Cards",
                     "2",
                     "Anna",
                     "2024-03-05, 14-07",
                     {"Will it rain?", "When?"},
                     {},
                     {"Past", "Future"},
                     {"5,5", "45,5"},
                     {},
                     {"1", "23"},
                     {"reversed", "normal"}};
    home.writeLines("diary/Rain.srml", composeDiary(entry));

    const CliResult shown = run("show Rain --store diary");
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_EQ(shown.out, "Spread: Two Cards\n"
                         "Person: Anna\n"
                         "Date and Time: 2024-03-05, 14-07\n"
                         "Question to the Cards or Notes/Comments:\n"
                         "  Will it rain?\n"
                         "  When?\n"
                         "1 1 reversed The Magician\n"
                         "2 23 normal Ace of Wands\n");

    const CliResult missing = run("show Rain");
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_NE(missing.err.find("database"), std::string::npos) << missing.err;
    EXPECT_NE(missing.err.find("Rain.srml"), std::string::npos) << missing.err;
}

} // namespace
} // namespace kestrava::test
