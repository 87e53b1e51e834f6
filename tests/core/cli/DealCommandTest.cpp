#include "CliRunner.h"
#include "core/TextFile.h"
#include "core/app/Preferences.h"
#include "core/app/SettingsFile.h"
#include "core/cards/Card.h"
#include "core/srml/SectionReader.h"
#include "core/srml/SpreadDocument.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace kestrava::test {
namespace {

class DealCommand : public ::testing::Test
{
protected:
    DealCommand()
    {
        home.makeDeck("Full", 78);
        home.makeDeck("Majors", 22);
        home.makeDeck("Odd", 77);
        std::filesystem::create_directories(home.folder().spreads());
        addSpread("Three", 3);
        addSpread("Big", 23);
    }

    void addSpread(const std::string& title, int cards)
    {
        SpreadDraft spread;
        spread.title = title;
        spread.description = {"About " + title};
        for (int j = 0; j < cards; ++j) {
            spread.meanings.push_back("Meaning " + std::to_string(j + 1));
            spread.positions.push_back({5 + 40 * (j % 10), 5 + 60 * (j / 10)});
        }
        saveSpread(home.folder(), spread);
    }

    CliResult deal(const std::string& arguments) const
    {
        return runCli("--home " + shellQuote(home.root().string()) + " deal " + arguments);
    }

    TempProgramFolder home;
};

TEST_F(DealCommand, WritesTheReadingOfTheSeededShuffle)
{
    const auto question = home.writeLines("question.txt", {"Will it rain?", "When?"});
    const auto result = deal("Three --deck Full --seed 9 --now \"2009-01-20 22:41\" --person "
                             "\"  Anna \" --question " +
                             shellQuote(question.string()));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Lines reading = splitLines(result.out);
    EXPECT_EQ(result.out, joinLines(reading)); // CR LF after every line
    EXPECT_EQ(reading.front(), R"([SRML VERSION="1.0" CONTENT-TYPE="SAVEDSPREAD"])");
    EXPECT_EQ(findSection(reading, "SPREAD"), Lines{"Three"});
    EXPECT_EQ(findSection(reading, "PERSON"), Lines{"Anna"});
    EXPECT_EQ(findSection(reading, "DATETIME"), Lines{"2009-01-20, 22-41"});
    EXPECT_EQ(findSection(reading, "QUESTION"), (Lines{"Will it rain?<br />", "When?<br />"}));
    EXPECT_EQ(findSection(reading, "CARDS"), Lines{"3"});

    const Lines draws =
        splitLines(runCli("--home " + shellQuote(home.root().string()) + " shuffle --seed 9").out);
    ASSERT_GE(draws.size(), 3u);
    for (std::size_t j = 0; j < 3; ++j) {
        EXPECT_EQ(findSection(reading, "FORTUNE").at(j) + " " +
                      findSection(reading, "MIRRORS").at(j),
                  draws[j]);
    }
    EXPECT_EQ(deal("Three --deck Full --seed 9 --now \"2009-01-20 22:41\" --person \"  Anna \" "
                   "--question " +
                   shellQuote(question.string()))
                  .out,
              result.out);
}

TEST_F(DealCommand, SavesUnderTheSuggestedNameAndReplacesOnlyWithForce)
{
    const std::string args = "Three --deck Full --seed 1 --now \"2024-03-05 14:07\" --person Anna "
                             "--save";
    const auto first = deal(args);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const auto saved = home.root() / "database" / "Anna, Three, 2024-03-05, 14-07.srml";
    EXPECT_EQ(first.out, saved.string() + "\n");
    ASSERT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(readLines(saved).back(), "[/SRML]");

    const auto again = deal(args);
    EXPECT_NE(again.exitCode, 0);
    EXPECT_TRUE(again.err.starts_with("kestrava-cli: ")) << again.err;
    EXPECT_EQ(deal(args + " --force").exitCode, 0);
}

TEST_F(DealCommand, WritesToTheOutputFileInsteadOfStandardOutput)
{
    const auto out = home.root() / "reading.srml";
    const auto result = deal("Three --deck Full --seed 3 --out " + shellQuote(out.string()));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(findSection(readLines(out), "CARDS"), Lines{"3"});
}

TEST_F(DealCommand, DeckOfTheMajorsDealsOnlyMajorCards)
{
    const auto result = deal("Three --deck Majors --seed 5");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const auto& id : findSection(splitLines(result.out), "FORTUNE")) {
        const int value = std::stoi(id);
        EXPECT_TRUE(value >= 1 && value <= 22) << id;
    }
}

TEST_F(DealCommand, TakesTheDeckOfTheSettings)
{
    std::filesystem::create_directories(home.folder().xfiles());
    Lines settings = settingsLines(Preferences());
    settings[2] = "Majors";
    home.writeLines("xfiles/ka-9.1.21.dll", settings);
    const auto result = deal("Big --seed 5");
    EXPECT_NE(result.exitCode, 0);
    EXPECT_EQ(result.err, "kestrava-cli: " + std::string(kTooFewCardsMessage) + "\n");
}

TEST_F(DealCommand, WithoutADeckInTheSettingsTheFirstDeckDeals)
{
    const auto result = deal("Three --seed 5");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(findSection(splitLines(result.out), "FORTUNE").size(), 3u);

    std::filesystem::remove_all(home.folder().cards());
    const auto none = deal("Three --seed 5");
    EXPECT_NE(none.exitCode, 0);
    EXPECT_EQ(none.err, "kestrava-cli: " + std::string(kNoDeckMessage) + "\n");
}

TEST_F(DealCommand, RefusalsAreErrors)
{
    const std::vector<std::string> bad = {"Big --deck Majors",
                                          "Three --deck Odd",
                                          "Three --deck Missing",
                                          "Missing --deck Full",
                                          "--deck Full",
                                          "Three --deck Full --now 2024-03-05",
                                          "Three --deck Full --now \"2024-13-05 14:07\"",
                                          "Three --deck Full --force",
                                          "Three Four --deck Full"};
    for (const auto& args : bad) {
        const auto result = deal(args);
        EXPECT_NE(result.exitCode, 0) << args;
        EXPECT_TRUE(result.err.starts_with("kestrava-cli: ")) << args << ": " << result.err;
        EXPECT_TRUE(result.out.empty()) << args;
    }
}

TEST_F(DealCommand, HelpDescribesTheCommand)
{
    const auto result = deal("--help");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.starts_with("usage: kestrava-cli [--home DIR] deal SPREAD"));
}

} // namespace
} // namespace kestrava::test
