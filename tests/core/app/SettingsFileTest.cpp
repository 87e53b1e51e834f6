#include "core/app/SettingsFile.h"

#include "support/PreferenceFixtures.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace kestrava;

namespace {

const Lines kDefaultLines{
    "true",       "",         "",           "78",         "false", "true",  "false", "",
    "-1",         "false",    "#N, #S, #D", "false",      "true",  "blank", "true",  "Normal",
    "true",       "Reversed", "1",          "false",      "false", "0",     "0",     "false",
    "false",      "0",        "false",      "0",          "false", "false", "false", "true",
    "3",          "0",        "XXX",        "1",          "false", "false", "false", "false",
    "registered", "1",        "0",          "true",       "true",  "false", "false", "false",
    "true",       "false",    "0",          "IGNORE_DBCI"};

class Settings : public ::testing::Test
{
protected:
    test::TempProgramFolder home;
    SettingsLists lists{{"Classic", "Majors"}, {"Brief", "Custom", "Full"}, 3};

    void writeSettings(const Lines& lines) const { home.writeLines("xfiles/ka-9.1.21.dll", lines); }
    Preferences load() const
    {
        Preferences p;
        loadSettings(home.folder(), lists, p);
        return p;
    }
    Lines withLine(int n, const std::string& text) const
    {
        Lines lines = kDefaultLines;
        lines[static_cast<std::size_t>(n - 1)] = text;
        return lines;
    }
};

Preferences everythingChanged()
{
    Preferences p = test::everyPreferenceChanged();
    p.selectedHiddenSource = "Full";
    p.selectedDeck = "Majors";
    p.sourceChecks = {true, false, true};
    p.windowLeft = -20; // negative positions survive too
    return p;
}

} // namespace

TEST_F(Settings, DefaultsWriteTheFiftyTwoLines)
{
    Preferences p;
    p.sourceChecks = {false, true, false};
    std::filesystem::create_directories(home.folder().xfiles());
    saveSettings(home.folder(), p);
    EXPECT_EQ(readLines(home.folder().xfiles() / "ka-9.1.21.dll"), kDefaultLines);
    EXPECT_EQ(home.readRaw("xfiles/cdm.dll"), "0\r\n1\r\n0\r\n");
}

TEST_F(Settings, MissingFilesLeaveEveryDefaultAndNothingChecked)
{
    home.writeLines("xfiles/cdm.dll", {"1", "1", "1"});
    Preferences expected;
    expected.sourceChecks = {false, false, false};
    EXPECT_EQ(load(), expected);
}

TEST_F(Settings, EveryPreferenceRoundTrips)
{
    std::filesystem::create_directories(home.folder().xfiles());
    const Preferences saved = everythingChanged();
    saveSettings(home.folder(), saved);
    EXPECT_EQ(load(), saved);
}

TEST_F(Settings, CustomTitlesRoundTripWhenTheirDocumentExists)
{
    home.writeLines("titles/custom.srml", Lines(42, "t"));
    writeSettings(withLine(1, "false"));
    EXPECT_FALSE(load().defaultTitles);
}

TEST_F(Settings, SwitchToMissingCustomTitlesEndsTheReadingAtLineOne)
{
    Lines lines = withLine(1, "false");
    lines[4] = "true"; // line 5 would turn blank cards on
    writeSettings(lines);
    home.writeLines("xfiles/cdm.dll", {"1", "1", "1"});
    const Preferences p = load();
    EXPECT_FALSE(p.defaultTitles);
    EXPECT_FALSE(p.useBlankCards);
    EXPECT_EQ(p.sourceChecks, (std::vector<bool>{false, false, false}));
}

TEST_F(Settings, ShortFileAppliesWhatItHasAndIgnoresTheSourceChecks)
{
    Lines lines = withLine(20, "true");
    lines[4] = "true";
    lines.resize(20);
    writeSettings(lines);
    home.writeLines("xfiles/cdm.dll", {"1", "1", "1"});
    const Preferences p = load();
    EXPECT_TRUE(p.fullScreenCardTable);
    EXPECT_TRUE(p.useBlankCards);
    EXPECT_TRUE(p.screenshotHeader);
    EXPECT_FALSE(p.customBackAlways);
    EXPECT_EQ(p.sourceChecks, (std::vector<bool>{false, false, false}));
}

struct StopCase
{
    const char* name;
    int line;
    std::string text;
};

class BadNumber : public Settings, public ::testing::WithParamInterface<StopCase>
{
};

TEST_P(BadNumber, EndsTheReadingAtThatLine)
{
    Lines lines = withLine(GetParam().line, GetParam().text);
    lines[51] = "FORCE_DBCI";
    if (GetParam().line != 21)
        lines[20] = GetParam().line < 21 ? "true" : "false";
    writeSettings(lines);
    home.writeLines("xfiles/cdm.dll", {"1", "1", "1"});
    const Preferences p = load();
    EXPECT_FALSE(p.customBackAlways);
    EXPECT_EQ(p.sourceChecks, (std::vector<bool>{false, false, false}));
}

INSTANTIATE_TEST_SUITE_P(Settings, BadNumber,
                         ::testing::Values(StopCase{"Spread", 9, "x"}, StopCase{"CodePage", 26, ""},
                                           StopCase{"Format", 28, "1.0"},
                                           StopCase{"EditorsPage", 33, "three"},
                                           StopCase{"ViewTabTooHigh", 43, "4"},
                                           StopCase{"ViewTabTooLow", 43, "-2"},
                                           StopCase{"ToolsPage", 51, " 1"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Settings, WindowPositionIsReadOnlyWhenRemembered)
{
    Lines lines = withLine(21, "true");
    lines[21] = "12";
    lines[22] = "bad";
    lines[23] = "true";
    writeSettings(lines);
    Preferences stopped = load();
    EXPECT_TRUE(stopped.rememberWindowPosition);
    EXPECT_EQ(stopped.windowLeft, 12);
    EXPECT_FALSE(stopped.showCardTitles); // the reading ended at line 23

    lines[20] = "false";
    writeSettings(lines);
    const Preferences p = load();
    EXPECT_EQ(p.windowLeft, 0);
    EXPECT_EQ(p.cardTableView, 0);
    EXPECT_TRUE(p.screenshotFrame);
}

TEST_F(Settings, OnlyExactWordsChangeAPreference)
{
    Lines lines = withLine(5, "True");
    lines[5] = "FALSE";       // line 6 stays at its default "true"
    lines[3] = "57";          // card set unchanged
    lines[35] = "3";          // store unchanged
    lines[40] = "Registered"; // association unchanged
    lines[51] = "force_dbci";
    lines[8] = "-1";
    writeSettings(lines);
    const Preferences p = load();
    Preferences defaults;
    defaults.sourceChecks = {false, false, false};
    EXPECT_EQ(p, defaults);
}

TEST_F(Settings, IndexesOutsideTheirListSelectNothing)
{
    Lines lines = withLine(9, "3");
    lines[25] = "4";
    lines[27] = "-1";
    lines[32] = "7";
    lines[41] = "2";
    lines[42] = "-1";
    lines[50] = "3"; // "Tools" has three sub-pages, 0..2
    writeSettings(lines);
    const Preferences p = load();
    EXPECT_EQ(p.selectedSpread, -1);
    EXPECT_EQ(p.codePage, -1);
    EXPECT_EQ(p.codePageName(), "UTF-8");
    EXPECT_EQ(p.dateTimeFormat, -1);
    EXPECT_EQ(p.editorsPage, -1);
    EXPECT_EQ(p.spreadViewPage, -1);
    EXPECT_EQ(p.cardTableView, -1);
    EXPECT_EQ(p.toolsPage, -1);
}

TEST_F(Settings, NamedEntriesMatchIgnoringCase)
{
    Lines lines = withLine(2, "fULL");
    lines[2] = "classic";
    writeSettings(lines);
    Preferences p = load();
    EXPECT_EQ(p.selectedHiddenSource, "Full");
    EXPECT_EQ(p.selectedDeck, "Classic");

    lines[2] = "Gone";
    writeSettings(lines);
    p = load();
    EXPECT_FALSE(p.selectedDeck.has_value());
    // With nothing selected the save still writes every line, the entry empty.
    saveSettings(home.folder(), p);
    const Lines saved = readLines(home.folder().xfiles() / "ka-9.1.21.dll");
    ASSERT_EQ(saved.size(), 52u);
    EXPECT_EQ(saved[2], "");
    EXPECT_FALSE(load().selectedDeck.has_value());
}

TEST_F(Settings, TheNameSurvivesOnlyWhenRemembered)
{
    Lines lines = withLine(7, "false");
    lines[7] = "Anna";
    writeSettings(lines);
    EXPECT_EQ(load().querentName, "Anna");

    Preferences p;
    p.querentName = "Boris";
    saveSettings(home.folder(), p);
    EXPECT_EQ(readLines(home.folder().xfiles() / "ka-9.1.21.dll")[7], "");

    lines[6] = "maybe"; // neither word: line 8 is not read
    writeSettings(lines);
    EXPECT_EQ(load().querentName, "");
}

TEST_F(Settings, SourceChecksArePositional)
{
    writeSettings(kDefaultLines);
    home.writeLines("xfiles/cdm.dll", {"1", "x"});
    EXPECT_EQ(load().sourceChecks, (std::vector<bool>{true, false, false}));
    home.writeLines("xfiles/cdm.dll", {"0", "1", "1", "1"});
    EXPECT_EQ(load().sourceChecks, (std::vector<bool>{false, true, true}));
}

TEST_F(Settings, SaveIntoAMissingFolderIsSilent)
{
    saveSettings(home.folder(), everythingChanged());
    EXPECT_FALSE(std::filesystem::exists(home.folder().xfiles()));
}
