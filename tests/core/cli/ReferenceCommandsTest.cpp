#include "CliRunner.h"
#include "core/TextFile.h"
#include "core/app/Preferences.h"
#include "core/app/SettingsFile.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace kestrava::test {
namespace {

namespace fs = std::filesystem;

class ReferenceCommands : public ::testing::Test
{
protected:
    ReferenceCommands()
    {
        Lines titles;
        for (int i = 0; i < 42; ++i)
            titles.push_back("T" + std::to_string(i));
        home.writeLines("titles/default.srml", titles);
        home.makeDeck("Full", 78);
        home.makeDeck("Majors", 22);
        home.writeLines("descriptions/Alpha.srml", {R"([CARD ID="3" TYPE="NORMAL"])", "Alpha three",
                                                    R"([/CARD ID="3" TYPE="NORMAL"])"});
        home.writeLines("descriptions/Beta.srml", {R"([CARD ID="3" TYPE="REVERSED"])", "Beta three",
                                                   R"([/CARD ID="3" TYPE="REVERSED"])"});
        Preferences prefs;
        prefs.selectedDeck.emplace("Majors");
        fs::create_directories(home.folder().xfiles());
        saveSettings(home.folder(), prefs);
    }
    CliResult run(const std::string& arguments) const
    {
        return runCli("--home " + shellQuote(home.root().string()) + " " + arguments);
    }
    std::string read(const std::string& relative) const { return home.readRaw(relative); }

    TempProgramFolder home;
};

TEST_F(ReferenceCommands, DeckPageOfTheSettingsDeckOrANamedOne)
{
    const CliResult own = run("deck-page");
    ASSERT_EQ(own.exitCode, 0) << own.err;
    EXPECT_EQ(own.out, (home.root() / "cards/preview.srml").string() + "\n");
    const std::string majors = read("cards/preview.srml");
    EXPECT_NE(majors.find("<title>Majors\r\n"), std::string::npos);
    EXPECT_EQ(majors.find("Fire Suit"), std::string::npos);

    const fs::path out = home.root() / "full.html";
    const CliResult full = run("deck-page --deck Full --out " + shellQuote(out.string()));
    ASSERT_EQ(full.exitCode, 0) << full.err;
    const std::string page = readFile(out);
    EXPECT_NE(page.find("Earth Suit"), std::string::npos);
    EXPECT_NE(page.find("Full/normal/78.jpg"), std::string::npos);
    // Titles come from the title set: T27 is the ace's rank word, T23 the first suit.
    EXPECT_NE(page.find("T27 T41 T23</td>"), std::string::npos);
}

TEST_F(ReferenceCommands, DeckPageFailuresAreReported)
{
    const CliResult missing = run("deck-page --deck Nowhere");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("Nowhere"), std::string::npos);

    fs::create_directories(home.root() / "cards/Full/info.ka");
    const CliResult broken = run("deck-page --deck Full");
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_FALSE(fs::exists(home.root() / "cards/preview.srml"));
}

TEST_F(ReferenceCommands, CompareEveryDeckOrTheChosenOnes)
{
    const CliResult all = run("compare 40");
    ASSERT_EQ(all.exitCode, 0) << all.err;
    const std::string page = read("xfiles/cc.srml");
    EXPECT_NE(page.find("<title>T30 T41 T24\r\n"), std::string::npos);
    EXPECT_NE(page.find("/Full/normal/40.jpg"), std::string::npos);
    EXPECT_EQ(page.find("/Majors/normal/"), std::string::npos);

    ASSERT_EQ(run("compare 1 --deck Majors").exitCode, 0);
    const std::string one = read("xfiles/cc.srml");
    EXPECT_NE(one.find("/Majors/normal/1.jpg"), std::string::npos);
    EXPECT_EQ(one.find("/Full/normal/"), std::string::npos);

    EXPECT_EQ(run("compare 0").exitCode, 1);
    EXPECT_EQ(run("compare 79").exitCode, 1);
    EXPECT_EQ(run("compare 5 --deck Gone").exitCode, 1);
}

TEST_F(ReferenceCommands, ReadCardFromEverySourceOrTheChosenOnes)
{
    const fs::path out = home.root() / "rc.html";
    const CliResult all = run("read-card 3 --out " + shellQuote(out.string()));
    ASSERT_EQ(all.exitCode, 0) << all.err;
    const std::string page = readFile(out);
    const auto alpha = page.find(">Alpha:</div><br />\r\nAlpha three\r\n");
    const auto beta = page.find(">Beta:</div><br />\r\n");
    ASSERT_NE(alpha, std::string::npos);
    ASSERT_NE(beta, std::string::npos);
    EXPECT_LT(alpha, beta);
    EXPECT_NE(page.find("\"Reversed Card\":<br /><br />\r\nBeta three\r\n"), std::string::npos);

    ASSERT_EQ(run("read-card 3 --source Beta").exitCode, 0);
    const std::string betaOnly = read("xfiles/rc.srml");
    EXPECT_EQ(betaOnly.find("Alpha"), std::string::npos);
    EXPECT_NE(betaOnly.find("Beta three"), std::string::npos);
    EXPECT_EQ(run("read-card 3 --source Gamma").exitCode, 1);
}

} // namespace
} // namespace kestrava::test
