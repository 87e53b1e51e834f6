#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "core/app/Preferences.h"
#include "core/app/SettingsFile.h"
#include "core/cards/Card.h"
#include "core/jpeg/JpegFile.h"
#include "core/srml/DescriptionSources.h"
#include "core/srml/SectionReader.h"
#include "core/srml/SpreadDocument.h"
#include "core/srml/TitleSet.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

// What the build put into its program folder, read with the program's own readers.
namespace kestrava {
namespace {

const ProgramFolder kProgram{KESTRAVA_PROGRAM_DIR};

bool endsWith(const std::string& text, std::string_view end)
{
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool hasOnlyCrLfLineEnds(const std::string& bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return false;
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            return false;
    }
    return endsWith(bytes, "\r\n");
}

int toInt(const std::string& text)
{
    std::size_t used = 0;
    const int value = std::stoi(text, &used);
    EXPECT_EQ(used, text.size()) << text;
    return value;
}

struct ShippedSpread
{
    const char* name;
    int cards;
};

const ShippedSpread kSpreads[] = {{"One Card", 1},
                                  {"Three Cards - Past, Present, Future", 3},
                                  {"Ten-Card Cross", 10},
                                  {"Horseshoe", 7},
                                  {"Relationship", 7},
                                  {"Year Ahead", 13},
                                  {"Path of the Trumps", 22},
                                  {"Thirty Cards - Life Survey", 30}};

TEST(ShippedSpreads, AreExactlyTheTestedOnes)
{
    std::vector<std::string> expected;
    for (const auto& spread : kSpreads)
        expected.emplace_back(spread.name);
    std::vector<std::string> listed = listSpreads(kProgram);
    std::sort(expected.begin(), expected.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, expected);
}

class ShippedSpreadTest : public ::testing::TestWithParam<ShippedSpread>
{
};

TEST_P(ShippedSpreadTest, ReadsBackWithEveryPositionInsideTheDesignArea)
{
    SectionSources sources(kProgram);
    sources.selectedSpread = GetParam().name;
    const int n = cardCount(sources.read("CARDS", "CSS"));
    EXPECT_EQ(n, GetParam().cards);
    ASSERT_GE(n, 1);
    ASSERT_LE(n, 30);
    EXPECT_EQ(sources.read("SPREAD", "CSS"), Lines{GetParam().name});

    const Lines meanings = sources.read("MEANINGS", "CSS");
    ASSERT_EQ(meanings.size(), static_cast<std::size_t>(n));
    for (const auto& meaning : meanings)
        EXPECT_FALSE(meaning.empty());

    const Lines positions = sources.read("POSITIONS", "CSS");
    ASSERT_EQ(positions.size(), static_cast<std::size_t>(n));
    for (const auto& line : positions) {
        const PositionText position = splitPosition(line);
        const int left = toInt(position.left);
        const int top = toInt(position.top);
        EXPECT_EQ(left % 5, 0) << line;
        EXPECT_EQ(top % 5, 0) << line;
        EXPECT_GE(left, 5) << line;
        EXPECT_GE(top, 5) << line;
        EXPECT_LE(left + kDesignCardWidth, kDesignWidth) << line;
        EXPECT_LE(top + kDesignCardHeight, kDesignHeight) << line;
    }

    for (const char* block : {"DESCRIPTION", "COMMENTS"}) {
        const Lines lines = sources.read(block, "CSS");
        EXPECT_FALSE(lines.empty()) << block;
        for (const auto& line : lines)
            EXPECT_TRUE(endsWith(line, kLineBreak)) << line;
    }

    const Lines document = sources.load("CSS");
    EXPECT_EQ(document.front(), kSpreadHeader);
    EXPECT_EQ(document.back(), kTrailer);
    EXPECT_TRUE(hasOnlyCrLfLineEnds(readFile(kProgram.spreadFile(GetParam().name))));
}

INSTANTIATE_TEST_SUITE_P(All, ShippedSpreadTest, ::testing::ValuesIn(kSpreads));

struct ShippedSource
{
    const char* name;
    bool hasTexts;
};

const ShippedSource kSources[] = {{"Custom", false}, {"Kestrava", true}, {"Keywords", true}};

TEST(ShippedDescriptions, AreExactlyTheTestedSources)
{
    std::vector<std::string> expected;
    for (const auto& source : kSources)
        expected.emplace_back(source.name);
    EXPECT_EQ(listDescriptionSources(kProgram), expected);
}

class ShippedSourceTest : public ::testing::TestWithParam<ShippedSource>
{
};

TEST_P(ShippedSourceTest, HasAllSectionsWithTextsWhereExpected)
{
    const auto path = kProgram.descriptionFile(GetParam().name);
    const Lines document = readLines(path);
    EXPECT_TRUE(hasOnlyCrLfLineEnds(readFile(path)));
    ASSERT_FALSE(document.empty());
    EXPECT_EQ(document.front(), "[NAME]") << "description documents carry no header";

    const std::vector<std::string> names = descriptionSectionNames();
    ASSERT_EQ(names.size(), static_cast<std::size_t>(kDescriptionSections));
    for (const auto& name : names) {
        const auto count = [&](const std::string& tag) {
            return std::count(document.begin(), document.end(), tag);
        };
        EXPECT_EQ(count("[" + name + "]"), 1) << name;
        EXPECT_EQ(count("[/" + name + "]"), 1) << name;
        const Lines text = findSection(document, name);
        if (name == "NAME") {
            EXPECT_EQ(text, Lines{GetParam().name});
            continue;
        }
        EXPECT_EQ(text.empty(), !GetParam().hasTexts) << name;
        for (const auto& line : text)
            EXPECT_TRUE(endsWith(line, kLineBreak)) << name << ": " << line;
    }
}

INSTANTIATE_TEST_SUITE_P(All, ShippedSourceTest, ::testing::ValuesIn(kSources),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ShippedTitles, DefaultDocumentHas42LinesAndComposesTheCatalogueTitles)
{
    EXPECT_EQ(readLines(titleDocumentPath(kProgram, true)).size(),
              static_cast<std::size_t>(TitleSet::kCount));
    EXPECT_TRUE(hasOnlyCrLfLineEnds(readFile(titleDocumentPath(kProgram, true))));
    EXPECT_FALSE(std::filesystem::exists(titleDocumentPath(kProgram, false)));

    TitleSet titles;
    loadTitleSet(kProgram, true, titles);
    const std::vector<std::string> list = composeTitleList(titles);
    ASSERT_EQ(list.size(), 79u);
    const std::pair<int, const char*> expected[] = {
        {1, "The Magician"},      {8, "Justice"},        {11, "Strength"},
        {20, "Judgement"},        {21, "The Fool"},      {22, "The World"},
        {23, "Ace of Wands"},     {36, "King of Wands"}, {37, "Ace of Cups"},
        {62, "Knight of Swords"}, {75, "Page of Coins"}, {78, "King of Coins"}};
    for (const auto& [id, title] : expected)
        EXPECT_EQ(list[static_cast<std::size_t>(id)], title) << id;
    EXPECT_FALSE(list[0].empty());
}

struct ShippedDeck
{
    const char* name;
    const char* size;
    int cards;
};

const ShippedDeck kDecks[] = {{"Kestrava", "78", 78}, {"Kestrava Majors", "22", 22}};

TEST(ShippedDecks, AreExactlyTheTestedOnes)
{
    EXPECT_EQ(listFolders(kProgram.cards()),
              (std::vector<std::string>{"Kestrava", "Kestrava Majors"}));
}

void expectPicture(const std::filesystem::path& path, int width, int height)
{
    SCOPED_TRACE(path.string());
    const RgbImage picture = decodeJpeg(path);
    EXPECT_EQ(picture.width, width);
    EXPECT_EQ(picture.height, height);
}

// Mean difference of each pixel and its partner in the picture turned 180 degrees.
double meanDifferenceWhenTurned(const RgbImage& a, const RgbImage& b)
{
    double sum = 0;
    const std::size_t size = a.rgb.size();
    for (std::size_t i = 0; i < size; ++i) {
        const std::size_t pixel = i / 3;
        const std::size_t turned = (size / 3 - 1 - pixel) * 3 + i % 3;
        sum += std::abs(static_cast<int>(a.rgb[i]) - static_cast<int>(b.rgb[turned]));
    }
    return sum / static_cast<double>(size);
}

class ShippedDeckTest : public ::testing::TestWithParam<ShippedDeck>
{
};

TEST_P(ShippedDeckTest, EveryPictureADealCanNameDecodesAtCardSize)
{
    const auto deck = kProgram.deckFolder(GetParam().name);
    EXPECT_EQ(deckSize(deck), GetParam().size);
    for (int id = 1; id <= GetParam().cards; ++id) {
        const std::string number = std::to_string(id);
        const RgbImage normal = decodeJpeg(cardPicturePath(deck, kNormal, number));
        const RgbImage reversed = decodeJpeg(cardPicturePath(deck, kReversed, number));
        EXPECT_EQ(normal.width, 144) << id;
        EXPECT_EQ(normal.height, 233) << id;
        ASSERT_EQ(reversed.rgb.size(), normal.rgb.size()) << id;
        EXPECT_LT(meanDifferenceWhenTurned(normal, reversed), 4.0) << id;
    }
    expectPicture(cardPicturePath(deck, kBlank, "0"), 144, 233);
    expectPicture(cardBackPath(kProgram, deck), 144, 233);
    EXPECT_EQ(cardBackPath(kProgram, deck), deck / "back.jpg");
}

TEST_P(ShippedDeckTest, HasItsInformationForTheDeckPage)
{
    SectionSources sources(kProgram);
    sources.selectedDeck = GetParam().name;
    for (const char* section : {"DESIGNER", "YEAR", "COUNTRY", "DESCRIPTION"})
        EXPECT_FALSE(sources.read(section, "MC").empty()) << section;
    EXPECT_EQ(sources.read("CARDS", "MC"), Lines{GetParam().size});
    EXPECT_FALSE(readLines(kProgram.deckFolder(GetParam().name) / "info.ka").empty());
}

INSTANTIATE_TEST_SUITE_P(All, ShippedDeckTest, ::testing::ValuesIn(kDecks));

TEST(ShippedPictures, CommonBackSplashAndPlaceholder)
{
    expectPicture(kProgram.cards() / "back.jpg", 144, 233);
    expectPicture(kProgram.xfiles() / "splash.jpg", 503, 275);
    const std::string gif = readFile(kProgram.xfiles() / "empty.gif");
    EXPECT_EQ(gif.substr(0, 6), "GIF89a");
    EXPECT_EQ(gif.back(), ';');
}

// A new user's first reading has card meanings: the first-start settings
// choose the full deck and the program's own description source, and they
// are settings files like any other, read and written by the same rules.
TEST(ShippedSettings, FirstStartDealsTheFullDeckWithOurDescriptions)
{
    const std::filesystem::path shipped = std::filesystem::path(KESTRAVA_DATA_DIR) / "xfiles";
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("kestrava-shipped-" + std::to_string(::getpid()));
    std::filesystem::remove_all(home);
    const ProgramFolder folder{home};
    std::filesystem::create_directories(folder.xfiles());
    for (const char* name : {"ka-9.1.21.dll", "cdm.dll"})
        std::filesystem::copy_file(shipped / name, folder.xfiles() / name);

    SettingsLists lists;
    lists.decks = listFolders(kProgram.cards());
    lists.descriptionSources = listDescriptionSources(kProgram);
    lists.spreadCount = static_cast<int>(listSpreads(kProgram).size());
    Preferences preferences;
    loadSettings(folder, lists, preferences);

    ASSERT_TRUE(preferences.selectedDeck.has_value());
    EXPECT_EQ(deckSize(kProgram.deckFolder(*preferences.selectedDeck)), "78");
    std::vector<std::string> checked;
    for (std::size_t k = 0; k < preferences.sourceChecks.size(); ++k) {
        if (preferences.sourceChecks[k])
            checked.push_back(lists.descriptionSources.at(k));
    }
    EXPECT_EQ(checked, std::vector<std::string>{"Kestrava"});

    const std::string settings = readFile(folder.xfiles() / "ka-9.1.21.dll");
    const std::string checks = readFile(folder.xfiles() / "cdm.dll");
    saveSettings(folder, preferences);
    EXPECT_EQ(readFile(folder.xfiles() / "ka-9.1.21.dll"), settings);
    EXPECT_EQ(readFile(folder.xfiles() / "cdm.dll"), checks);
    EXPECT_EQ(splitLines(settings).size(), 52u);
    std::filesystem::remove_all(home);
}

TEST(ShippedFolders, TheStoresExist)
{
    EXPECT_TRUE(std::filesystem::is_directory(kProgram.database()));
    EXPECT_TRUE(std::filesystem::is_directory(kProgram.diary()));
}

} // namespace
} // namespace kestrava
