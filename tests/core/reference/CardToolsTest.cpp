#include "core/reference/CardTools.h"

#include "core/Error.h"
#include "core/app/Preferences.h"
#include "core/reading/PageFrame.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace kestrava::test {
namespace {

namespace fs = std::filesystem;

// The lines after the heading line of a tool page.
Lines bodyAfter(const Lines& page, const std::string& title)
{
    const auto heading = std::find(page.begin(), page.end(), title + "</span><br /><br />");
    EXPECT_NE(heading, page.end());
    return heading == page.end() ? Lines() : Lines(heading + 1, page.end());
}

TEST(CardPickers, FollowTheDeckSize)
{
    std::vector<std::string> titles;
    for (int i = 0; i <= 78; ++i)
        titles.push_back("T" + std::to_string(i));
    const auto full = cardPickerEntries(titles, "78");
    ASSERT_TRUE(full);
    ASSERT_EQ(full->size(), 78u);
    EXPECT_EQ(full->front(), "T1");
    EXPECT_EQ(full->back(), "T78");
    const auto majors = cardPickerEntries(titles, "22");
    ASSERT_TRUE(majors);
    ASSERT_EQ(majors->size(), 22u);
    EXPECT_EQ(majors->back(), "T22");
    EXPECT_FALSE(cardPickerEntries(titles, "77"));
    EXPECT_FALSE(cardPickerEntries(titles, "0"));
}

TEST(ToolButton, NeedsACardAndACheck)
{
    EXPECT_FALSE(toolButtonEnabled(false, {true, true}));
    EXPECT_FALSE(toolButtonEnabled(true, {false, false}));
    EXPECT_FALSE(toolButtonEnabled(true, {}));
    EXPECT_TRUE(toolButtonEnabled(true, {false, true}));
}

class CardToolPages : public ::testing::Test
{
protected:
    TempProgramFolder home;
    Preferences preferences;
};

TEST_F(CardToolPages, ComparePageHeadAndPicturesOfTheDecksThatHoldTheCard)
{
    home.writeRaw("cards/Alpha/normal/37.jpg", "x");
    home.writeRaw("cards/Beta/normal/1.jpg", "x");
    home.writeRaw("cards/Gamma/normal/37.jpg", "x");
    home.writeRaw("cards/Delta/normal/37.jpg", "x");
    preferences.showFrames = true;
    const Lines page =
        comparePage(home.folder(), 37, "Ace of Cups", {"Alpha", "Beta", "Delta", "Gamma"},
                    {true, true, false, true}, preferences);
    Lines head;
    appendPageComments(head);
    head.emplace_back(kXhtmlDoctype);
    head.emplace_back(kXhtmlRoot);
    head.emplace_back("<head>");
    head.emplace_back(R"(<meta http-equiv="Content-Type" content="text/html; charset=UTF-8" />)");
    head.emplace_back("<title>Ace of Cups");
    appendStylesheet(head, true);
    head.emplace_back(R"(<body class="b"><br /><span class="style5">)");
    head.emplace_back("Ace of Cups</span><br /><br />");
    ASSERT_GT(page.size(), head.size());
    EXPECT_EQ(Lines(page.begin(), page.begin() + static_cast<std::ptrdiff_t>(head.size())), head);

    const std::string cards = fs::absolute(home.folder().cards()).string();
    const Lines expected = {
        R"(<img src=")" + cards +
            R"(/Alpha/normal/37.jpg" class="ic" height="233" width="144" )"
            R"(border="0" alt="" /> )",
        R"(<img src=")" + cards +
            R"(/Gamma/normal/37.jpg" class="ic" height="233" width="144" )"
            R"(border="0" alt="" /> )",
        "</body></html>",
    };
    EXPECT_EQ(bodyAfter(page, "Ace of Cups"), expected);
}

TEST_F(CardToolPages, ComparingACardNoDeckHoldsGivesTheTitleAlone)
{
    home.makeDeck("Majors", 22);
    const Lines page =
        comparePage(home.folder(), 40, "Four of Cups", {"Majors"}, {true}, preferences);
    EXPECT_EQ(bodyAfter(page, "Four of Cups"), Lines{"</body></html>"});
}

TEST_F(CardToolPages, ReadCardPageGivesABlockPerCheckedSourceInListOrder)
{
    home.writeLines("descriptions/Alpha.srml",
                    {"[NAME]", "Alpha Texts", "[/NAME]", R"([CARD ID="1" TYPE="NORMAL"])",
                     "Skill.<br />", "Will.", R"([/CARD ID="1" TYPE="NORMAL"])",
                     R"([CARD ID="1" TYPE="REVERSED"])", "Trickery.",
                     R"([/CARD ID="1" TYPE="REVERSED"])"});
    home.writeLines("descriptions/Beta.srml", {"no sections at all"});
    home.writeLines("descriptions/Unchecked.srml", {R"([CARD ID="1" TYPE="NORMAL"])", "hidden",
                                                    R"([/CARD ID="1" TYPE="NORMAL"])"});
    const Lines page =
        readCardPage(home.folder(), 1, "The Magician", {"Alpha", "Beta", "Unchecked"},
                     {true, true, false}, preferences);
    const std::string opening = R"(<div class="desPREVIEW" style="margin-bottom:5px"><div )"
                                R"(style="margin-top:5px; font-weight:bold; color:#666666">)";
    const std::string reversed = R"(<br /><br />"Reversed Card":<br /><br />)";
    const Lines expected = {
        opening + "Alpha:</div><br />",
        "Skill.<br />",
        "Will.",
        reversed,
        "Trickery.",
        "</div><br />",
        opening + "Beta:</div><br />",
        reversed,
        "</div><br />",
        "</body></html>",
    };
    EXPECT_EQ(bodyAfter(page, "The Magician"), expected);
}

TEST_F(CardToolPages, ASourceThatCannotBeReadStopsTheReading)
{
    home.writeLines("descriptions/Alpha.srml", {"[NAME]", "A", "[/NAME]"});
    EXPECT_THROW(
        readCardPage(home.folder(), 3, "The Empress", {"Alpha", "Gone"}, {true, true}, preferences),
        Error);
    // An unchecked source is never opened.
    EXPECT_NO_THROW(readCardPage(home.folder(), 3, "The Empress", {"Alpha", "Gone"}, {true, false},
                                 preferences));
}

// Two sources: Alpha describes cards 3 and 40, Beta card 40 reversed and card 70.
class DescriptionSearch : public ::testing::Test
{
protected:
    DescriptionSearch()
    {
        home.writeLines("descriptions/Alpha.srml",
                        {R"([CARD ID="3" TYPE="NORMAL"])", "A Mother of <b>plenty</b>,<br />",
                         "a garden.<br />", R"([/CARD ID="3" TYPE="NORMAL"])",
                         R"([CARD ID="40" TYPE="NORMAL"])", "Joy in a cup<br />",
                         R"([/CARD ID="40" TYPE="NORMAL"])"});
        home.writeLines("descriptions/Beta.srml",
                        {R"([CARD ID="40" TYPE="REVERSED"])", "Plenty spilled<br />",
                         R"([/CARD ID="40" TYPE="REVERSED"])", R"([CARD ID="70" TYPE="NORMAL"])",
                         "A garden of coins<br />", R"([/CARD ID="70" TYPE="NORMAL"])"});
    }
    std::vector<int> find(std::string_view query, std::vector<bool> checks = {true, true},
                          int last = 78) const
    {
        return cardsDescribedBy(home.folder(), query, {"Alpha", "Beta"}, checks, last);
    }
    TempProgramFolder home;
};

TEST_F(DescriptionSearch, EveryWordInTheCheckedSources)
{
    struct Case
    {
        const char* query;
        std::vector<bool> checks;
        int last;
        std::vector<int> cards;
    };
    const Case cases[] = {
        {"plenty", {true, true}, 78, {3, 40}},
        {"PLENTY", {true, false}, 78, {3}},
        {"plenty", {false, true}, 78, {40}},
        {"garden", {true, true}, 78, {3, 70}},
        {"garden", {true, true}, 22, {3}},
        {"  joy   plenty ", {true, true}, 78, {40}}, // normal and reversed together
        {"joy plenty", {true, false}, 78, {}},
        {"plenty, a", {true, true}, 78, {3}},     // the comma belongs to the word
        {"mother garden", {true, true}, 78, {3}}, // words of two lines
        {"b", {true, true}, 78, {}},              // markup is not text
        {"br", {true, true}, 78, {}},
        {"", {true, true}, 78, {}},
        {"plenty", {false, false}, 78, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.query);
        EXPECT_EQ(find(c.query, c.checks, c.last), c.cards);
    }
}

TEST_F(DescriptionSearch, ASourceThatCannotBeReadStopsTheSearch)
{
    fs::remove(home.root() / "descriptions/Beta.srml");
    fs::create_directories(home.root() / "descriptions/Beta.srml");
    EXPECT_THROW(find("plenty"), Error);
    EXPECT_EQ(find("plenty", {true, false}), (std::vector<int>{3}));
}

} // namespace
} // namespace kestrava::test
