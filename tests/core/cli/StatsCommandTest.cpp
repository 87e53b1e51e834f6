#include "CliRunner.h"
#include "core/TextFile.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace kestrava::test {
namespace {

class StatsCommand : public ::testing::Test
{
protected:
    StatsCommand()
    {
        Lines titles;
        for (int i = 0; i < 42; ++i)
            titles.push_back("T" + std::to_string(i));
        titles[1] = "The Magician";
        titles[23] = "Wands, the staves";
        titles[27] = "Ace";
        titles[41] = "of";
        home.writeLines("titles/default.srml", titles);
        writeReading(home, Store::Database, "old", laid({{1, true}, {23}}).on("2023-06-01, 10-00"));
        writeReading(home, Store::Database, "new", laid({{1}}).on("05-03-2024"));
        writeReading(home, Store::Diary, "typed", laid({{1}, {0}}).on("yesterday"));
    }

    CliResult run(const std::string& arguments) const
    {
        return runCli("--home " + shellQuote(home.root().string()) + " stats " + arguments);
    }

    // The CSV line of a card.
    static std::string csvLine(const std::string& out, int card)
    {
        const Lines lines = splitLines(out);
        return static_cast<std::size_t>(card + 1) < lines.size()
                   ? lines[static_cast<std::size_t>(card + 1)]
                   : std::string();
    }

    TempProgramFolder home;
};

TEST_F(StatsCommand, CsvIsTheCardTableOfTheChosenStoresAndDays)
{
    const CliResult both = run("--csv");
    ASSERT_EQ(both.exitCode, 0) << both.err;
    const Lines lines = splitLines(both.out);
    ASSERT_EQ(lines.size(), 80u);
    EXPECT_EQ(lines[0], "card,title,count,reversed");
    EXPECT_EQ(lines[1], "0,T0,1,0");
    EXPECT_EQ(lines[2], "1,The Magician,3,1");
    EXPECT_EQ(lines[24], "23,\"Ace of Wands, the staves\",1,0");
    EXPECT_EQ(lines[79], "78,T40 of T26,0,0");
    EXPECT_NE(both.err.find("1 reading has a date that none"), std::string::npos) << both.err;

    struct Case
    {
        const char* arguments;
        const char* magician;
        const char* blank;
    };
    const Case cases[] = {
        {"--store both --csv", "1,The Magician,3,1", "0,T0,1,0"},
        {"--store database --csv", "1,The Magician,2,1", "0,T0,0,0"},
        {"--store diary --csv", "1,The Magician,1,0", "0,T0,1,0"},
        {"--since 2024-03-05 --csv", "1,The Magician,1,0", "0,T0,0,0"},
        {"--csv --since 2023-06-01 --store database", "1,The Magician,2,1", "0,T0,0,0"},
        {"--since 2023-06-02 --csv", "1,The Magician,1,0", "0,T0,0,0"},
        {"--since 2024-03-06 --csv", "1,The Magician,0,0", "0,T0,0,0"},
    };
    for (const Case& c : cases) {
        const CliResult result = run(c.arguments);
        ASSERT_EQ(result.exitCode, 0) << c.arguments << ": " << result.err;
        EXPECT_EQ(csvLine(result.out, 1), c.magician) << c.arguments;
        EXPECT_EQ(csvLine(result.out, 0), c.blank) << c.arguments;
    }
}

TEST_F(StatsCommand, TextGivesTheSharesAndTheMostFrequentCards)
{
    const CliResult result = run("");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const char* line :
         {"Readings: 3\n", "Cards that fell: 5\n", "A fair shuffle would give each card: 0.05\n",
          "Majors: 3 (60.0%)\n", "Wands, the staves: 1 (20.0%)\n", "Reversed: 1 (25.0%)\n",
          "Blank: 1 (20.0%)\n", "  1. The Magician: 3 (1 reversed)\n"})
        EXPECT_NE(result.out.find(line), std::string::npos) << line << result.out;
    EXPECT_NE(result.out.find("1 reading has a date that none of the date-time patterns reads; "
                              "counted."),
              std::string::npos);
}

TEST_F(StatsCommand, AReadingThatCannotBeReadIsNamedAndNeverStopsTheCommand)
{
    home.writeLines("diary/broken.srml", {"[CARDS]", "2", "[/CARDS]"});
    std::filesystem::create_directories(home.folder().database() / "folder.srml");
    home.writeRaw("database/folder", "listed, but its entry file is a folder");
    const CliResult result = run("--csv");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(csvLine(result.out, 1), "1,The Magician,3,1");
    EXPECT_NE(result.err.find("kestrava-cli: 2 saved readings could not be read"),
              std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("  diary/broken: it has no [FORTUNE] section."), std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("  database/folder: "), std::string::npos) << result.err;
}

TEST_F(StatsCommand, WrongOptionsAreRefused)
{
    for (const char* arguments :
         {"--store attic", "--since 2024-3-5", "--since 2024-02-30", "--since", "--csv extra"}) {
        const CliResult result = run(arguments);
        EXPECT_NE(result.exitCode, 0) << arguments;
        EXPECT_TRUE(result.out.empty()) << arguments;
        EXPECT_NE(result.err.find("kestrava-cli: "), std::string::npos) << arguments;
    }
    EXPECT_EQ(run("--help").exitCode, 0);
}

} // namespace
} // namespace kestrava::test
