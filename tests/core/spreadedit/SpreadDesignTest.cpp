#include "core/spreadedit/SpreadDesign.h"

#include "core/Error.h"
#include "core/srml/SectionReader.h"
#include "support/TempFolder.h"

#include <deque>
#include <gtest/gtest.h>
#include <tuple>

using namespace kestrava;

namespace {

class ScriptedPrompter : public Prompter
{
public:
    std::deque<Answer> answers;
    std::vector<std::string> questions;
    std::vector<std::string> messages;

    Answer ask(std::string_view question) override
    {
        questions.emplace_back(question);
        if (answers.empty())
            return Answer::Cancel;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void tell(std::string_view message) override { messages.emplace_back(message); }
    std::optional<std::filesystem::path> chooseSaveFile(std::string_view, std::string_view,
                                                        const std::filesystem::path&) override
    {
        return std::nullopt;
    }
};

SpreadDesign loaded(const test::TempProgramFolder& home, const std::string& file,
                    LoadReport* report = nullptr)
{
    SectionSources sources(home.folder());
    sources.spreadEditorFile = home.folder().spreads() / file;
    SpreadDesign design;
    const LoadReport r = loadDesign(sources, design);
    if (report)
        *report = r;
    return design;
}

} // namespace

TEST(SpreadDesign, DigitRuleSnapsEveryLastDigit)
{
    const std::vector<std::pair<int, int>> cases = {
        {0, 0},  {1, 0},   {2, 0},     {3, 5},     {4, 5},   {5, 5},   {6, 5},   {7, 5},    {8, 10},
        {9, 10}, {57, 55}, {123, 125}, {398, 400}, {-3, -1}, {-7, -9}, {-5, -5}, {-12, -14}};
    for (const auto& [value, snapped] : cases)
        EXPECT_EQ(snapCoordinate(value), snapped) << value;
    const DesignPosition dragged = snapPosition({123, 57});
    EXPECT_EQ(dragged.left, 125);
    EXPECT_EQ(dragged.top, 55);
}

TEST(SpreadDesign, FreshLayoutIsThreeRowsOfTen)
{
    const auto layout = freshLayout();
    EXPECT_EQ(layout[0], (DesignPosition{5, 5}));
    EXPECT_EQ(layout[9], (DesignPosition{365, 5}));
    EXPECT_EQ(layout[10], (DesignPosition{5, 65}));
    EXPECT_EQ(layout[29], (DesignPosition{365, 125}));
    for (const auto& p : layout)
        EXPECT_EQ(snapPosition(p), p);
}

TEST(SpreadDesign, OnlyOneToThirtyWithoutLeadingZeroIsACount)
{
    const std::vector<std::tuple<std::string, bool>> cases = {
        {"1", true},   {"9", true},   {"10", true}, {"30", true},  {"0", false},
        {"31", false}, {"05", false}, {"", false},  {" 5", false}, {"5 ", false},
        {"+5", false}, {"-1", false}, {"x", false}, {"300", false}};
    for (const auto& [text, valid] : cases)
        EXPECT_EQ(isValidCount(text), valid) << '"' << text << '"';
    EXPECT_EQ(appliedCount("31", 7), 7);
    EXPECT_EQ(appliedCount("05", 7), 7);
    EXPECT_EQ(appliedCount("12", 7), 12);
}

TEST(SpreadDesign, TitleLosesEveryRestrictedSymbol)
{
    EXPECT_EQ(cleanTitle("Wh/at|i\\s^t:h*e<p?a>t\"h?", kRestrictedSymbols), "Whatisthepath");
    EXPECT_EQ(cleanTitle("???", kRestrictedSymbols), "");
    EXPECT_EQ(cleanTitle("Past, Present & Future", kRestrictedSymbols), "Past, Present & Future");
    // The symbols come from the field that shows them.
    EXPECT_EQ(cleanTitle("a?b!c", "!"), "a?bc");
}

TEST(SpreadDesign, DocumentHoldsTheCommittedCount)
{
    SpreadDesign design;
    design.title = "Two";
    design.description = {"First line", "Second line"};
    design.comments = {"Note"};
    design.meanings[0] = "Now";
    design.meanings[1] = "";
    design.meanings[2] = "Hidden, not written";
    design.markers[1] = {125, 55};
    design.count = 2;
    EXPECT_EQ(designDocument(design), (Lines{"[SRML VERSION=\"1.0\" CONTENT-TYPE=\"SPREAD\"]",
                                             "[SPREAD]",
                                             "Two",
                                             "[/SPREAD]",
                                             "[CARDS]",
                                             "2",
                                             "[/CARDS]",
                                             "[DESCRIPTION]",
                                             "First line<br />",
                                             "Second line<br />",
                                             "[/DESCRIPTION]",
                                             "[MEANINGS]",
                                             "Now",
                                             "",
                                             "[/MEANINGS]",
                                             "[POSITIONS]",
                                             "5,5",
                                             "125,55",
                                             "[/POSITIONS]",
                                             "[COMMENTS]",
                                             "Note<br />",
                                             "[/COMMENTS]",
                                             "[/SRML]"}));
}

TEST(SpreadDesign, SavedDesignLoadsBackUnchanged)
{
    test::TempProgramFolder home;
    std::filesystem::create_directories(home.folder().spreads());
    ScriptedPrompter prompter;
    SpreadDesign design;
    design.title = "Cross & Staff";
    design.description = {"Two lines", "of description"};
    design.comments = {"", "after an empty line"};
    for (int k = 0; k < 10; ++k) {
        design.meanings[static_cast<std::size_t>(k)] = k == 4 ? "" : "Meaning " + std::to_string(k);
        design.markers[static_cast<std::size_t>(k)] = {5 * k, 600 - 5 * k};
    }
    design.count = 10;
    ASSERT_EQ(saveDesign(home.folder(), prompter, design, {}), SaveOutcome::Saved);
    const std::string bytes = home.readRaw("spreads/Cross & Staff.srml");

    LoadReport report;
    SpreadDesign back = loaded(home, "Cross & Staff.srml", &report);
    EXPECT_EQ(report.positionLines, 10);
    EXPECT_FALSE(report.truncated);
    EXPECT_EQ(back, design);
    ASSERT_EQ(saveDesign(home.folder(), prompter, back, {}), SaveOutcome::Saved);
    EXPECT_EQ(home.readRaw("spreads/Cross & Staff.srml"), bytes);
}

TEST(SpreadDesign, LoadCountsPositionLinesNotCards)
{
    test::TempProgramFolder home;
    Lines doc{"[SPREAD]", "Eight", "[/SPREAD]", "[CARDS]", "3", "[/CARDS]", "[POSITIONS]"};
    for (int i = 0; i < 8; ++i)
        doc.push_back(std::to_string(10 * i) + "," + std::to_string(5 * i));
    doc.insert(doc.end(), {"[/POSITIONS]", "[/SRML]"});
    home.writeLines("spreads/Eight.srml", doc);
    const SpreadDesign design = loaded(home, "Eight.srml");
    EXPECT_EQ(design.count, 8);
    EXPECT_EQ(design.markers[7], (DesignPosition{70, 35}));
    // Markers beyond the spread keep the fresh layout.
    EXPECT_EQ(design.markers[8], freshPosition(8));
}

TEST(SpreadDesign, MoreThanThirtyPositionsLoadTheFirstThirty)
{
    test::TempProgramFolder home;
    Lines doc{"[SPREAD]", "Big", "[/SPREAD]", "[MEANINGS]"};
    for (int i = 0; i < 33; ++i)
        doc.push_back("m" + std::to_string(i));
    doc.emplace_back("[/MEANINGS]");
    doc.emplace_back("[POSITIONS]");
    for (int i = 0; i < 33; ++i)
        doc.push_back(std::to_string(i) + ",5");
    doc.emplace_back("[/POSITIONS]");
    home.writeLines("spreads/Big.srml", doc);
    LoadReport report;
    const SpreadDesign design = loaded(home, "Big.srml", &report);
    EXPECT_TRUE(report.truncated);
    EXPECT_EQ(report.positionLines, 33);
    EXPECT_EQ(design.count, 30);
    EXPECT_EQ(design.meanings[29], "m29");
    EXPECT_EQ(design.markers[29].left, 29);
    EXPECT_EQ(findSection(designDocument(design), "POSITIONS").size(), 30u);
}

TEST(SpreadDesign, LoadCleansTheTitleAndSplitsAtTheLastComma)
{
    test::TempProgramFolder home;
    home.writeLines("spreads/odd.srml", {"[SPREAD]", "What? Now", "[/SPREAD]", "[POSITIONS]",
                                         "1,2,35", "[/POSITIONS]"});
    SectionSources sources(home.folder());
    sources.spreadEditorFile = home.folder().spreads() / "odd.srml";
    SpreadDesign design;
    // "1,2" is not a number: the top is applied, the left stops the load.
    EXPECT_THROW(loadDesign(sources, design), Error);
    EXPECT_EQ(design.title, "What Now");
    EXPECT_EQ(design.markers[0], (DesignPosition{5, 35}));
    EXPECT_EQ(design.count, 1);
}

TEST(SpreadDesign, FailedLoadKeepsWhatCameBefore)
{
    test::TempProgramFolder home;
    home.writeLines("spreads/bad.srml",
                    {"[SPREAD]", "Bad", "[/SPREAD]", "[DESCRIPTION]", "Said<br />",
                     "[/DESCRIPTION]", "[POSITIONS]", "10,20", "x,30", "50,60", "[/POSITIONS]"});
    SectionSources sources(home.folder());
    sources.spreadEditorFile = home.folder().spreads() / "bad.srml";
    SpreadDesign design;
    design.count = 5;
    EXPECT_THROW(loadDesign(sources, design), Error);
    EXPECT_EQ(design.description, Lines{"Said"});
    EXPECT_EQ(design.markers[0], (DesignPosition{10, 20}));
    EXPECT_EQ(design.markers[1], (DesignPosition{45, 30}));
    EXPECT_EQ(design.markers[2], freshPosition(2));
    EXPECT_EQ(design.count, 5);

    sources.spreadEditorFile = home.folder().spreads() / "missing.srml";
    EXPECT_THROW(loadDesign(sources, design), Error);
}

TEST(SpreadDesign, SaveAsksOnlyForAnExactName)
{
    test::TempProgramFolder home;
    home.writeRaw("spreads/Celtic.srml", "old");
    ScriptedPrompter prompter;
    SpreadDesign design;
    design.title = "";
    EXPECT_EQ(saveDesign(home.folder(), prompter, design, {}), SaveOutcome::NoTitle);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{std::string(kNameThisSpreadMessage)});

    design.title = "Celtic";
    const std::vector<std::string> listed = listSpreadFiles(home.folder());
    for (const Answer answer : {Answer::No, Answer::Cancel}) {
        prompter.answers = {answer};
        EXPECT_EQ(saveDesign(home.folder(), prompter, design, listed), SaveOutcome::Declined);
        EXPECT_EQ(home.readRaw("spreads/Celtic.srml"), "old");
    }
    prompter.answers = {Answer::Yes};
    EXPECT_EQ(saveDesign(home.folder(), prompter, design, listed), SaveOutcome::Saved);
    EXPECT_EQ(readLines(home.folder().spreadFile("Celtic")), designDocument(design));
    EXPECT_EQ(prompter.questions.size(), 3u);
    EXPECT_EQ(prompter.questions.back(), kOverwriteSpreadQuestion);

    // A name differing in letter case alone is not asked about.
    design.title = "celtic";
    EXPECT_EQ(saveDesign(home.folder(), prompter, design, listed), SaveOutcome::Saved);
    EXPECT_EQ(prompter.questions.size(), 3u);
}

TEST(SpreadDesign, SaveThatCannotWriteThrows)
{
    test::TempProgramFolder home;
    // A folder in the file's place cannot be replaced by a document.
    std::filesystem::create_directories(home.folder().spreads() / "Taken.srml");
    ScriptedPrompter prompter;
    SpreadDesign design;
    design.title = "Taken";
    EXPECT_THROW(saveDesign(home.folder(), prompter, design, {}), Error);
}

TEST(SpreadDesign, ListsSrmlFilesWithTheirExtension)
{
    test::TempProgramFolder home;
    home.writeRaw("spreads/b.srml", "");
    home.writeRaw("spreads/A.SRML", "");
    home.writeRaw("spreads/notes.txt", "");
    std::filesystem::create_directories(home.folder().spreads() / "folder.srml");
    EXPECT_EQ(listSpreadFiles(home.folder()), (std::vector<std::string>{"A.SRML", "b.srml"}));
}

TEST(SpreadDesign, DeleteAsksAndSaysWhenItCannot)
{
    test::TempProgramFolder home;
    home.writeRaw("spreads/a.srml", "");
    home.writeRaw("spreads/b.srml", "");
    ScriptedPrompter prompter;
    prompter.answers = {Answer::No};
    EXPECT_FALSE(deleteSpreadFile(home.folder(), prompter, "a.srml"));
    EXPECT_TRUE(std::filesystem::exists(home.folder().spreads() / "a.srml"));
    prompter.answers = {Answer::Yes};
    EXPECT_TRUE(deleteSpreadFile(home.folder(), prompter, "a.srml"));
    EXPECT_EQ(listSpreadFiles(home.folder()), std::vector<std::string>{"b.srml"});
    EXPECT_EQ(prompter.questions.back(), kDeleteSpreadQuestion);

    // A non-empty folder that took the name cannot go.
    home.writeRaw("spreads/c.srml/inside", "");
    prompter.answers = {Answer::Yes};
    try {
        deleteSpreadFile(home.folder(), prompter, "c.srml");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("c.srml"), std::string::npos);
    }
    EXPECT_TRUE(std::filesystem::exists(home.folder().spreads() / "c.srml" / "inside"));
}

TEST(SpreadDesign, SelectionAfterDeleteIsTheFollowingEntry)
{
    EXPECT_EQ(selectionAfterDelete(1, 3), 1);
    EXPECT_EQ(selectionAfterDelete(2, 2), -1);
    EXPECT_EQ(selectionAfterDelete(0, 0), -1);
}
