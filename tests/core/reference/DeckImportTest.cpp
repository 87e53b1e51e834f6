#include "core/reference/DeckImport.h"

#include "core/Error.h"
#include "core/Prompter.h"
#include "core/jpeg/PictureTransform.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace kestrava::test {
namespace {

namespace fs = std::filesystem;

struct NameCase
{
    const char* stem;
    PictureRole role;
    int card; // when the name itself names the card
    std::optional<int> number;
    bool reversed;
};

TEST(PictureNames, SuitsRanksTrumpsAndNumbers)
{
    const NameCase cases[] = {
        {"cups-ace", PictureRole::Card, 37, std::nullopt, false},
        {"Ace of Cups", PictureRole::Card, 37, std::nullopt, false},
        {"the-fool", PictureRole::Card, 21, std::nullopt, false},
        {"The World", PictureRole::Card, 22, std::nullopt, false},
        {"Two of Wands", PictureRole::Card, 24, std::nullopt, false},
        {"wands10", PictureRole::Card, 32, std::nullopt, false},
        {"batons_ten", PictureRole::Card, 32, std::nullopt, false},
        {"page-of-wands", PictureRole::Card, 33, std::nullopt, false},
        {"KnightOfSwords", PictureRole::Card, 62, std::nullopt, false},
        {"knight of swords", PictureRole::Card, 62, std::nullopt, false},
        {"queen_swords", PictureRole::Card, 63, std::nullopt, false},
        {"king-of-pentacles", PictureRole::Card, 78, std::nullopt, false},
        {"coins-01", PictureRole::Card, 65, std::nullopt, false},
        {"disks 14", PictureRole::Card, 78, std::nullopt, false},
        {"22-wands-01", PictureRole::Card, 23, std::nullopt, false},
        {"wapa", PictureRole::Card, 33, std::nullopt, false},
        {"cuki", PictureRole::Card, 50, std::nullopt, false},
        {"08-Strength", PictureRole::Card, 11, std::nullopt, false},
        {"11 justice", PictureRole::Card, 8, std::nullopt, false},
        {"high-priestess", PictureRole::Card, 2, std::nullopt, false},
        {"The High Priest", PictureRole::Card, 5, std::nullopt, false},
        {"wheel_of_fortune", PictureRole::Card, 10, std::nullopt, false},
        {"The Hanged Man", PictureRole::Card, 12, std::nullopt, false},
        {"17-the-star", PictureRole::Card, 17, std::nullopt, false},
        {"Judgement", PictureRole::Card, 20, std::nullopt, false},
        {"the-fool-reversed", PictureRole::Card, 21, std::nullopt, true},
        {"cups-3-rev", PictureRole::Card, 39, std::nullopt, true},
        {"00", PictureRole::Card, 0, 0, false},
        {"ar07", PictureRole::Card, 0, 7, false},
        {"card_45", PictureRole::Card, 0, 45, false},
        {"36", PictureRole::Card, 0, 36, false},
        {"back", PictureRole::Back, 0, std::nullopt, false},
        {"Card-Back", PictureRole::Back, 0, std::nullopt, false},
        {"blank", PictureRole::Blank, 0, std::nullopt, false},
        {"cups", PictureRole::Unknown, 0, std::nullopt, false},
        {"ace", PictureRole::Unknown, 0, std::nullopt, false},
        {"cover notes", PictureRole::Unknown, 0, std::nullopt, false},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.stem);
        const NameReading reading = readPictureName(c.stem);
        EXPECT_EQ(reading.role, c.role);
        if (!c.number) {
            EXPECT_EQ(reading.card, c.card);
        }
        EXPECT_EQ(reading.number, c.number);
        EXPECT_EQ(reading.reversed, c.reversed);
    }
}

TEST(PictureNames, NumbersInBothNumberings)
{
    struct Case
    {
        int number;
        Numbering numbering;
        bool strengthIsEight;
        std::optional<int> card;
    };
    const Case cases[] = {
        {0, Numbering::Common, true, 21},
        {1, Numbering::Common, true, 1},
        {8, Numbering::Common, true, 11},
        {11, Numbering::Common, true, 8},
        {8, Numbering::Common, false, 8},
        {20, Numbering::Common, true, 20},
        {21, Numbering::Common, true, 22},
        {22, Numbering::Common, true, 23},
        {36, Numbering::Common, true, 37},
        {77, Numbering::Common, true, 78},
        {78, Numbering::Common, true, std::nullopt},
        {0, Numbering::Identifiers, true, 0},
        {21, Numbering::Identifiers, true, 21},
        {8, Numbering::Identifiers, true, 8},
        {78, Numbering::Identifiers, true, 78},
        {79, Numbering::Identifiers, true, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.number));
        EXPECT_EQ(cardOfNumber(c.number, c.numbering, c.strengthIsEight), c.card);
    }
}

std::vector<SourcePicture> named(const std::vector<std::string>& names)
{
    std::vector<SourcePicture> pictures;
    for (const std::string& name : names)
        pictures.push_back({fs::path("/in") / name, name, false, false});
    return pictures;
}

std::string twoDigits(int n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
}

int cardOfFile(const ImportPlan& plan, const std::string& shownName)
{
    for (const PlacedPicture& picture : plan.normal) {
        if (picture.shownName == shownName)
            return picture.card;
    }
    return -1;
}

TEST(ImportPlans, CommonNumberingWithAPictureItCannotPlace)
{
    std::vector<std::string> names;
    for (int n = 0; n <= 77; ++n)
        names.push_back(twoDigits(n) + ".png");
    names.push_back("back.png");
    names.push_back("scan notes.png");
    const ImportPlan plan = planImport(named(names), {});
    EXPECT_EQ(plan.numbering, Numbering::Common);
    EXPECT_EQ(plan.deckSize, 78);
    EXPECT_TRUE(plan.missing.empty());
    EXPECT_EQ(cardOfFile(plan, "00.png"), 21);
    EXPECT_EQ(cardOfFile(plan, "21.png"), 22);
    EXPECT_EQ(cardOfFile(plan, "36.png"), 37);
    EXPECT_EQ(cardOfFile(plan, "77.png"), 78);
    EXPECT_EQ(cardOfFile(plan, "08.png"), 11);
    ASSERT_TRUE(plan.back);
    EXPECT_EQ(plan.back->shownName, "back.png");
    EXPECT_FALSE(plan.blank);
    ASSERT_EQ(plan.unplaced.size(), 1u);
    EXPECT_EQ(plan.unplaced[0].shownName, "scan notes.png");
    EXPECT_EQ(plan.turned(), 78);
    ASSERT_EQ(plan.normal.size(), 78u);
    EXPECT_EQ(plan.normal.front().card, 1);
    EXPECT_EQ(plan.normal.back().card, 78);

    ImportOptions marseille;
    marseille.strengthIsEight = false;
    EXPECT_EQ(cardOfFile(planImport(named(names), marseille), "08.png"), 8);
}

TEST(ImportPlans, TheProgramsOwnNumbersAndAWordEveryNameShares)
{
    std::vector<std::string> names;
    for (int n = 1; n <= 78; ++n)
        names.push_back("tarot-art-" + std::to_string(n) + ".jpg");
    const ImportPlan plan = planImport(named(names), {});
    // "art" is in every name, so it is the deck's word, not Temperance.
    EXPECT_EQ(plan.numbering, Numbering::Identifiers);
    EXPECT_EQ(plan.deckSize, 78);
    EXPECT_EQ(cardOfFile(plan, "tarot-art-21.jpg"), 21);
}

TEST(ImportPlans, NamedTrumpsMakeADeckOfTwentyTwo)
{
    const std::vector<std::string> names = {
        "the-fool.png",       "the-magician.png",   "the-high-priestess.png", "the-empress.png",
        "the-emperor.png",    "the-hierophant.png", "the-lovers.png",         "the-chariot.png",
        "strength.png",       "the-hermit.png",     "wheel-of-fortune.png",   "justice.png",
        "the-hanged-man.png", "death.png",          "temperance.png",         "the-devil.png",
        "the-tower.png",      "the-star.png",       "the-moon.png",           "the-sun.png",
        "judgement.png",      "the-world.png",      "the-world-copy.png"};
    const ImportPlan plan = planImport(named(names), {});
    EXPECT_EQ(plan.deckSize, 22);
    EXPECT_EQ(cardOfFile(plan, "the-fool.png"), 21);
    EXPECT_EQ(cardOfFile(plan, "strength.png"), 11);
    ASSERT_EQ(plan.unplaced.size(), 1u);
    EXPECT_EQ(plan.unplaced[0].shownName, "the-world-copy.png");
    EXPECT_NE(plan.unplaced[0].reason.find("the-world.png"), std::string::npos);
}

TEST(ImportPlans, AnIncompleteFolderNamesWhatIsMissing)
{
    std::vector<std::string> names;
    for (int n = 1; n <= 78; ++n) {
        if (n != 40 && n != 2)
            names.push_back(std::to_string(n) + ".jpg");
    }
    const ImportPlan plan = planImport(named(names), {});
    EXPECT_FALSE(plan.complete());
    EXPECT_EQ(plan.missing, (std::vector<int>{2, 40}));
}

TEST(ImportPlans, AFolderLaidOutAsADeckKeepsItsReversedPictures)
{
    std::vector<SourcePicture> pictures;
    for (int n = 1; n <= 22; ++n) {
        pictures.push_back({"/in/normal/" + std::to_string(n) + ".jpg",
                            "normal/" + std::to_string(n) + ".jpg", false, false});
        if (n <= 10)
            pictures.push_back({"/in/reversed/" + std::to_string(n) + ".jpg",
                                "reversed/" + std::to_string(n) + ".jpg", true, false});
    }
    pictures.push_back({"/in/reversed/30.jpg", "reversed/30.jpg", true, false});
    pictures.push_back({"/in/blank/0.jpg", "blank/0.jpg", false, true});
    const ImportPlan plan = planImport(pictures, {});
    EXPECT_EQ(plan.deckSize, 22);
    EXPECT_EQ(plan.reversed.size(), 10u);
    EXPECT_EQ(plan.turned(), 12);
    ASSERT_TRUE(plan.blank);
    ASSERT_EQ(plan.unplaced.size(), 1u);
    EXPECT_EQ(plan.unplaced[0].shownName, "reversed/30.jpg");
}

TEST(PictureTransforms, ScaleAveragesAndTurnReverses)
{
    RgbImage source{4, 2, {}};
    for (int i = 0; i < 8; ++i)
        source.rgb.insert(source.rgb.end(), {static_cast<unsigned char>(i * 10), 0, 255});
    const RgbImage half = scalePicture(source, 2, 1);
    // Each output pixel averages a 2 x 2 block: (0+10+40+50)/4 and (20+30+60+70)/4.
    EXPECT_EQ(half.rgb, (std::vector<unsigned char>{25, 0, 255, 45, 0, 255}));
    const RgbImage grown = scalePicture(RgbImage{1, 1, {7, 8, 9}}, 2, 3);
    EXPECT_EQ(grown.rgb.size(), 18u);
    EXPECT_EQ(grown.rgb[15], 7);
    const RgbImage turned = turnPicture(source);
    EXPECT_EQ(turned.rgb[0], 70);
    EXPECT_EQ(turned.rgb[21], 0);
    EXPECT_THROW(scalePicture(RgbImage{}, 2, 2), Error);
}

class Answering : public Prompter
{
public:
    explicit Answering(Answer answer) : answer(answer) {}
    Answer ask(std::string_view question) override
    {
        questions.emplace_back(question);
        return answer;
    }
    void tell(std::string_view) override {}
    std::optional<fs::path> chooseSaveFile(std::string_view, std::string_view,
                                           const fs::path&) override
    {
        return std::nullopt;
    }
    Answer answer;
    std::vector<std::string> questions;
};

// A folder of 22 trumps at 60 x 100, each picture dark at the top, light below.
class ImportFolder : public ::testing::Test
{
protected:
    ImportFolder()
    {
        RgbImage picture{60, 100, {}};
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 60; ++x)
                picture.rgb.insert(picture.rgb.end(), 3,
                                   static_cast<unsigned char>(y < 50 ? 20 : 230));
        }
        fs::create_directories(source);
        for (int n = 0; n <= 21; ++n)
            encodeJpeg(source / ("ar" + twoDigits(n) + ".jpg"), picture);
        encodeJpeg(source / "back.jpg", picture);
    }
    ImportPlan plan() const { return planImport(listImportPictures(source), {}); }
    fs::path deck(const std::string& name) const { return home.folder().deckFolder(name); }

    TempProgramFolder home;
    fs::path source = home.root() / "incoming";
    PictureDecoder decode = [](const fs::path& file) {
        return decodeJpeg(file);
    };
};

TEST_F(ImportFolder, BuildsTheDeckFolder)
{
    Answering prompter(Answer::Cancel);
    DeckInformation info{"Ann & Bo", "1910", "", "First line\nSecond <b>line</b>"};
    ASSERT_TRUE(importDeck(home.folder(), " Trumps ", plan(), info, decode, prompter));
    EXPECT_TRUE(prompter.questions.empty());
    EXPECT_EQ(listFiles(deck("Trumps") / "normal").size(), 22u);
    EXPECT_EQ(listFiles(deck("Trumps") / "reversed").size(), 22u);
    const RgbImage normal = decodeJpeg(deck("Trumps") / "normal" / "21.jpg");
    const RgbImage reversed = decodeJpeg(deck("Trumps") / "reversed" / "21.jpg");
    EXPECT_EQ(normal.width, 144);
    EXPECT_EQ(normal.height, 233);
    EXPECT_LT(normal.rgb[0], 60);
    EXPECT_GT(reversed.rgb[0], 180);
    EXPECT_EQ(decodeJpeg(deck("Trumps") / "blank" / "0.jpg").rgb[0], 255);
    EXPECT_EQ(decodeJpeg(deck("Trumps") / "back.jpg").height, 233);
    EXPECT_EQ(readLines(deck("Trumps") / "info.srml"),
              (Lines{"[DESIGNER]", "Ann &amp; Bo", "[/DESIGNER]", "[CARDS]", "22", "[/CARDS]",
                     "[YEAR]", "1910", "[/YEAR]", "[DESCRIPTION]", "First line<br />",
                     "Second &lt;b&gt;line&lt;/b&gt;<br />", "[/DESCRIPTION]"}));
    EXPECT_EQ(listFolders(home.folder().cards()), (std::vector<std::string>{"Trumps"}));
}

TEST_F(ImportFolder, ReplacingAnExistingDeckAsksFirst)
{
    home.makeDeck("Trumps", 78);
    Answering no(Answer::No);
    EXPECT_FALSE(importDeck(home.folder(), "Trumps", plan(), {}, decode, no));
    ASSERT_EQ(no.questions.size(), 1u);
    EXPECT_EQ(no.questions[0], replaceDeckQuestion("Trumps"));
    EXPECT_EQ(listFiles(deck("Trumps") / "normal").size(), 78u);

    Answering yes(Answer::Yes);
    EXPECT_TRUE(importDeck(home.folder(), "Trumps", plan(), {}, decode, yes));
    EXPECT_EQ(listFiles(deck("Trumps") / "normal").size(), 22u);
    EXPECT_EQ(listFolders(home.folder().cards()), (std::vector<std::string>{"Trumps"}));
    EXPECT_EQ(
        std::distance(fs::directory_iterator(home.folder().cards()), fs::directory_iterator()), 1);
}

TEST_F(ImportFolder, AFailureMidwayLeavesNothingBehind)
{
    home.makeDeck("Kept", 22);
    writeFileAtomically(source / "ar15.jpg", "not a picture");
    Answering yes(Answer::Yes);
    EXPECT_THROW(importDeck(home.folder(), "Trumps", plan(), {}, decode, yes), Error);
    EXPECT_FALSE(fs::exists(deck("Trumps")));
    // Replacing fails the same way and keeps the deck that was there.
    EXPECT_THROW(importDeck(home.folder(), "Kept", plan(), {}, decode, yes), Error);
    EXPECT_EQ(listFiles(deck("Kept") / "normal").size(), 22u);
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(home.folder().cards()))
        entries.push_back(entry.path().filename().string());
    EXPECT_EQ(entries, (std::vector<std::string>{"Kept"}));
}

TEST_F(ImportFolder, BadNamesAndIncompletePlansAreRefused)
{
    Answering yes(Answer::Yes);
    for (const char* name : {"", "  ", ".hidden", "a/b", "a\\b", "[x]"}) {
        SCOPED_TRACE(name);
        EXPECT_THROW(importDeck(home.folder(), name, plan(), {}, decode, yes), Error);
    }
    fs::remove(source / "ar03.jpg");
    EXPECT_THROW(importDeck(home.folder(), "Trumps", plan(), {}, decode, yes), Error);
    EXPECT_FALSE(fs::exists(home.folder().cards()));
}

} // namespace
} // namespace kestrava::test
