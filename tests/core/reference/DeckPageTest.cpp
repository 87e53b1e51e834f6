#include "core/reference/DeckPage.h"

#include "core/app/Preferences.h"
#include "core/reading/PageFrame.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace kestrava::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> numberedTitles()
{
    std::vector<std::string> titles;
    for (int i = 0; i <= 78; ++i)
        titles.push_back("Title " + std::to_string(i));
    return titles;
}

// The body lines after the heading, up to "</body></html>".
Lines bodyAfterName(const Lines& page, const std::string& deck)
{
    const auto name = std::find(page.begin(), page.end(), deck + "</span><br /><br />");
    EXPECT_NE(name, page.end());
    return Lines(name + 1, page.end());
}

class DeckPage : public ::testing::Test
{
protected:
    TempProgramFolder home;
    Preferences preferences;
    std::vector<std::string> titles = numberedTitles();
};

TEST_F(DeckPage, HeadNamesTheDeckAndCarriesTheCommonFrame)
{
    home.makeDeck("Marseille", 22);
    preferences.codePage = 3;
    const Lines page = deckPage(home.folder(), "Marseille", "22", titles, preferences);
    Lines head;
    appendPageComments(head);
    head.emplace_back(kXhtmlDoctype);
    head.emplace_back(kXhtmlRoot);
    head.emplace_back("<head>");
    head.emplace_back(
        R"(<meta http-equiv="Content-Type" content="text/html; charset=windows-1251" />)");
    head.emplace_back("<title>Marseille");
    appendStylesheet(head, false);
    head.emplace_back(R"(<body class="b"><br /><span class="style5">)");
    head.emplace_back("Marseille</span><br /><br />");
    ASSERT_GT(page.size(), head.size());
    EXPECT_EQ(Lines(page.begin(), page.begin() + static_cast<std::ptrdiff_t>(head.size())), head);
    EXPECT_EQ(page.back(), "</body></html>");
}

TEST_F(DeckPage, WithoutInformationTheNameLeadsStraightToTheTrumpsLineForLine)
{
    home.makeDeck("Plain", 22);
    titles[22] = "The <b>World</b>";
    const Lines body =
        bodyAfterName(deckPage(home.folder(), "Plain", "22", titles, preferences), "Plain");
    Lines expected = {
        R"(<br /><br /><div class="deckview">)",
        R"(<span class="tn">Trumps</span><br /><br />)",
        R"(<table cellspacing="0" cellpadding="4" width="1" border="0" class="deckview"><tbody>)",
    };
    for (int n = 1; n <= 22; ++n) {
        const std::string id = std::to_string(n);
        const bool first = (n - 1) % 3 == 0;
        const bool last = (n - 1) % 3 == 2 || n == 22;
        expected.push_back(std::string(first ? "<tr>" : "") +
                           R"(<td valign="top" align="center"><span class="cn">)" + id +
                           "</span><br />");
        expected.push_back(R"(<img class="ic" height="233" src="Plain/normal/)" + id +
                           R"(.jpg" width="144" border="0" alt="" /><br />)");
        expected.push_back(titles[static_cast<std::size_t>(n)] + "</td>" + (last ? "</tr>" : ""));
    }
    expected.emplace_back("</tbody></table></div>");
    expected.emplace_back("</body></html>");
    EXPECT_EQ(body, expected);
    // The eighth row holds card 22 alone, its title copied with its markup.
    EXPECT_EQ(body[body.size() - 5], R"(<tr><td valign="top" align="center"><span )"
                                     R"(class="cn">22</span><br />)");
    EXPECT_EQ(body[body.size() - 3], "The <b>World</b></td></tr>");
}

struct SizeCase
{
    int files;
    bool suits;
};

class DeckPageSizes : public DeckPage, public ::testing::WithParamInterface<SizeCase>
{
};

TEST_P(DeckPageSizes, SuitsOnlyForExactlySeventyEightFiles)
{
    home.makeDeck("Deck", GetParam().files);
    const ShownDeck shown = showDeck(home.folder(), "Deck", titles, preferences);
    EXPECT_EQ(shown.size, std::to_string(GetParam().files));
    ASSERT_TRUE(shown.pageWritten);
    const Lines page = readLines(deckPageFile(home.folder()));
    const auto count = [&](const std::string& line) {
        return std::count(page.begin(), page.end(), line);
    };
    EXPECT_EQ(count(R"(<span class="tn">Trumps</span><br /><br />)"), 1);
    for (const char* suit : {"Fire Suit", "Water Suit", "Air Suit", "Earth Suit"})
        EXPECT_EQ(count(std::string(R"(<span class="tn">)") + suit + "</span><br /><br />"),
                  GetParam().suits ? 1 : 0)
            << suit;
    const auto rows = std::count_if(
        page.begin(), page.end(), [](const std::string& line) { return line.starts_with("<tr>"); });
    EXPECT_EQ(rows, GetParam().suits ? 8 + 4 * 5 : 8);
}

INSTANTIATE_TEST_SUITE_P(Counts, DeckPageSizes,
                         ::testing::Values(SizeCase{22, false}, SizeCase{77, false},
                                           SizeCase{78, true}, SizeCase{79, false}));

TEST_F(DeckPage, EachSuitHasFourRowsOfThreeAndARowOfTwo)
{
    home.makeDeck("Full", 78);
    const Lines page = deckPage(home.folder(), "Full", "78", titles, preferences);
    const auto fire =
        std::find(page.begin(), page.end(), R"(<span class="tn">Fire Suit</span><br /><br />)");
    ASSERT_NE(fire, page.end());
    EXPECT_EQ(*(fire - 1), R"(<br /><div class="deckview">)");
    // Heading, table line, 14 cells of three lines, table end.
    const Lines suit(fire + 2, fire + 2 + 42);
    EXPECT_EQ(*(fire + 2 + 42), "</tbody></table></div>");
    EXPECT_EQ(suit[36], R"(<tr><td valign="top" align="center"><span class="cn">35</span><br />)");
    EXPECT_EQ(suit[39], R"(<td valign="top" align="center"><span class="cn">36</span><br />)");
    EXPECT_EQ(suit[41], "Title 36</td></tr>");
    EXPECT_EQ(suit[38], "Title 35</td>");
    EXPECT_EQ(suit[35], "Title 34</td></tr>");
    const auto earth =
        std::find(page.begin(), page.end(), R"(<span class="tn">Earth Suit</span><br /><br />)");
    ASSERT_NE(earth, page.end());
    EXPECT_EQ(*(earth + 2 + 41), "Title 78</td></tr>");
}

TEST_F(DeckPage, InformationFieldByFieldThenNotes)
{
    home.makeDeck("Info", 22);
    home.writeLines("cards/Info/info.srml",
                    {"[DESCRIPTION]", "A <i>fine</i> deck.<br />", "Second line", "[/DESCRIPTION]",
                     "[COUNTRY]", "[/COUNTRY]", "[YEAR]", "1910", "ignored", "[/YEAR]",
                     "[DESIGNER]", "Pamela", "[/DESIGNER]"});
    home.writeLines("cards/Info/info.ka", {"<p>Notes</p>", ""});
    const Lines body =
        bodyAfterName(deckPage(home.folder(), "Info", "22", titles, preferences), "Info");
    const Lines expected = {
        R"(<span class="ch">Designer:</span> Pamela<br />)",
        R"(<span class="ch">Year:</span> 1910<br />)",
        R"(<span class="ch">Description:</span> )",
        "A <i>fine</i> deck.<br />",
        "Second line",
        "<p>Notes</p>",
        "",
        R"(<br /><br /><div class="deckview">)",
    };
    EXPECT_EQ(Lines(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(expected.size())),
              expected);
}

TEST_F(DeckPage, DesignerAndDescriptionOnly)
{
    home.makeDeck("Two", 22);
    home.writeLines("cards/Two/info.srml", {"[DESIGNER]", "Ann", "[/DESIGNER]", "[DESCRIPTION]",
                                            "[/DESCRIPTION]", "[CARDS]", "", "[/CARDS]"});
    const Lines body =
        bodyAfterName(deckPage(home.folder(), "Two", "22", titles, preferences), "Two");
    ASSERT_GE(body.size(), 3u);
    EXPECT_EQ(body[0], R"(<span class="ch">Designer:</span> Ann<br />)");
    EXPECT_EQ(body[1], R"(<span class="ch">Description:</span> )");
    EXPECT_EQ(body[2], R"(<br /><br /><div class="deckview">)");
}

TEST_F(DeckPage, AFailureAfterTheCountAbandonsThePageSilently)
{
    home.makeDeck("Old", 22);
    home.makeDeck("Broken", 78);
    ASSERT_TRUE(showDeck(home.folder(), "Old", titles, preferences).pageWritten);
    const std::string before = home.readRaw("cards/preview.srml");

    // An info.srml that cannot be read.
    fs::create_directories(home.root() / "cards/Broken/info.srml");
    const ShownDeck shown = showDeck(home.folder(), "Broken", titles, preferences);
    EXPECT_EQ(shown.size, "78");
    EXPECT_FALSE(shown.pageWritten);
    EXPECT_EQ(home.readRaw("cards/preview.srml"), before);

    // A deck page file that cannot be replaced.
    fs::remove_all(home.root() / "cards/Broken/info.srml");
    fs::remove(home.root() / "cards/preview.srml");
    fs::create_directories(home.root() / "cards/preview.srml");
    EXPECT_FALSE(showDeck(home.folder(), "Broken", titles, preferences).pageWritten);
    EXPECT_TRUE(fs::is_directory(home.root() / "cards/preview.srml"));
}

TEST_F(DeckPage, SelectingAnotherDeckRewritesThePage)
{
    home.makeDeck("First", 22);
    home.makeDeck("Second", 78);
    ASSERT_TRUE(showDeck(home.folder(), "First", titles, preferences).pageWritten);
    titles[1] = "Renamed";
    ASSERT_TRUE(showDeck(home.folder(), "Second", titles, preferences).pageWritten);
    const std::string page = home.readRaw("cards/preview.srml");
    EXPECT_NE(page.find("Second/normal/1.jpg"), std::string::npos);
    EXPECT_EQ(page.find("First/normal/"), std::string::npos);
    EXPECT_NE(page.find("Renamed</td>"), std::string::npos);
}

} // namespace
} // namespace kestrava::test
