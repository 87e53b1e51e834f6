#include "CliRunner.h"
#include "core/app/Preferences.h"
#include "core/app/SettingsFile.h"
#include "core/cards/Generator.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace kestrava;
using kestrava::test::runCli;
using kestrava::test::shellQuote;

class ShuffleCommand : public ::testing::Test
{
protected:
    test::TempProgramFolder home;
    std::string homeArg() const { return "--home " + shellQuote(home.root().string()); }
};

TEST_F(ShuffleCommand, SeedZeroWithDefaultsFollowsTheGenerator)
{
    const auto result = runCli(homeArg() + " shuffle --seed 0");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Lines lines = splitLines(result.out);
    ASSERT_EQ(lines.size(), 78u);

    Generator g;
    g.seed(0);
    Lines deck;
    for (int id = 1; id <= 78; ++id)
        deck.push_back(std::to_string(id));
    for (const auto& line : lines) {
        const auto p = g.below(static_cast<std::uint32_t>(deck.size()));
        EXPECT_EQ(line, deck[p] + " normal");
        deck.erase(deck.begin() + p);
    }
}

TEST_F(ShuffleCommand, ReadsThePreferencesOfTheProgramFolder)
{
    Preferences p;
    p.cardSet = CardSet::Majors22;
    p.useBlankCards = true;
    p.blankCardCount = "2";
    p.reversedCards = true;
    std::filesystem::create_directories(home.folder().xfiles());
    saveSettings(home.folder(), p);

    const auto result = runCli(homeArg() + " shuffle --seed 4294967295");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Lines lines = splitLines(result.out);
    ASSERT_EQ(lines.size(), 24u);
    int blanks = 0;
    for (const auto& line : lines) {
        if (line == "0 blank")
            ++blanks;
        else
            EXPECT_TRUE(line.ends_with(" normal") || line.ends_with(" reversed")) << line;
    }
    EXPECT_EQ(blanks, 2);
    // The same seed gives the same draws.
    EXPECT_EQ(runCli(homeArg() + " shuffle --seed 4294967295").out, result.out);
}

TEST_F(ShuffleCommand, ErrorsGoToStandardErrorWithANonZeroExit)
{
    const std::vector<std::string> bad = {" shuffle --seed", " shuffle --seed -1",
                                          " shuffle --seed 4294967296", " shuffle extra",
                                          " nonsense"};
    for (const auto& args : bad) {
        const auto result = runCli(homeArg() + args);
        EXPECT_NE(result.exitCode, 0) << args;
        EXPECT_TRUE(result.err.starts_with("kestrava-cli: ")) << args << ": " << result.err;
        EXPECT_TRUE(result.out.empty()) << args;
    }
    Preferences p;
    p.useBlankCards = true;
    p.blankCardCount = "many";
    std::filesystem::create_directories(home.folder().xfiles());
    saveSettings(home.folder(), p);
    const auto result = runCli(homeArg() + " shuffle");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("'many' is not a valid integer value"), std::string::npos);
}

TEST_F(ShuffleCommand, HelpDescribesTheCommand)
{
    const auto result = runCli("shuffle --help");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("--seed V"), std::string::npos);
}
