#include "core/reference/DescriptionsEditor.h"

#include "core/Error.h"
#include "core/Prompter.h"
#include "core/srml/DescriptionSources.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace kestrava::test {
namespace {

namespace fs = std::filesystem;

class AnsweringPrompter : public Prompter
{
public:
    explicit AnsweringPrompter(Answer answer) : m_answer(answer) {}
    Answer ask(std::string_view question) override
    {
        questions.emplace_back(question);
        return m_answer;
    }
    void tell(std::string_view message) override { messages.emplace_back(message); }
    std::optional<fs::path> chooseSaveFile(std::string_view, std::string_view,
                                           const fs::path&) override
    {
        return std::nullopt;
    }
    std::vector<std::string> questions;
    std::vector<std::string> messages;

private:
    Answer m_answer;
};

// A complete custom document with some lines outside the sections and odd
// line ends, so a save that touched anything else would show.
std::string customDocument()
{
    std::string text = "header line\r\n[NAME]\r\nCustom\r\n[/NAME]\r\n";
    for (int n = 1; n <= 78; ++n) {
        for (const char* type : {"NORMAL", "REVERSED"}) {
            const std::string name = "CARD ID=\"" + std::to_string(n) + "\" TYPE=\"" + type + "\"";
            text += "[" + name + "]\r\n";
            text += "text of " + std::to_string(n) + " " + type + "<br />\r\n";
            text += "[/" + name + "]\r\n";
        }
        text += "  between cards \r\n";
    }
    return text;
}

class DescriptionsEditorTest : public ::testing::Test
{
protected:
    DescriptionsEditorTest() { home.writeRaw("descriptions/Custom.srml", customDocument()); }
    std::string document() const { return home.readRaw("descriptions/Custom.srml"); }

    TempProgramFolder home;
    DescriptionsEditor editor{home.folder()};
};

TEST(PaneText, SplitsAtHardBreaksOnly)
{
    EXPECT_EQ(paneLines(""), Lines{});
    EXPECT_EQ(paneLines("one"), Lines{"one"});
    EXPECT_EQ(paneLines("a\nb\n"), (Lines{"a", "b", ""}));
    EXPECT_EQ(paneText({"a", "b", "c"}), "a\nb\nc");
    EXPECT_EQ(paneLines(paneText({"x", "", "y"})), (Lines{"x", "", "y"}));
}

TEST_F(DescriptionsEditorTest, SelectRemovesTheStoredBreaks)
{
    const CardTexts texts = editor.select(5);
    EXPECT_EQ(texts.normal, Lines{"text of 5 NORMAL"});
    EXPECT_EQ(texts.reversed, Lines{"text of 5 REVERSED"});
    EXPECT_EQ(editor.card(), 5);
}

TEST_F(DescriptionsEditorTest, SavingCardFiveChangesOnlyItsTwoSections)
{
    editor.select(5);
    editor.save({{"First", "Second <b>bold</b>", "Third"}, {}});

    std::string expected = customDocument();
    const auto replace = [&](const std::string& from, const std::string& to) {
        const auto at = expected.find(from);
        ASSERT_NE(at, std::string::npos);
        expected.replace(at, from.size(), to);
    };
    replace("[CARD ID=\"5\" TYPE=\"NORMAL\"]\r\ntext of 5 NORMAL<br />\r\n",
            "[CARD ID=\"5\" TYPE=\"NORMAL\"]\r\nFirst<br />\r\nSecond <b>bold</b><br />\r\n"
            "Third<br />\r\n");
    replace("[CARD ID=\"5\" TYPE=\"REVERSED\"]\r\ntext of 5 REVERSED<br />\r\n",
            "[CARD ID=\"5\" TYPE=\"REVERSED\"]\r\n");
    EXPECT_EQ(document(), expected);
}

TEST_F(DescriptionsEditorTest, ThreeLinesRoundTripAndATypedBreakVanishesOnReload)
{
    editor.select(12);
    const CardTexts panes{{"one", "two", "three"}, {"a <br /> b"}};
    editor.save(panes);
    EXPECT_FALSE(editor.modified(panes));
    const CardTexts again = editor.select(12);
    EXPECT_EQ(again.normal, panes.normal);
    EXPECT_EQ(again.reversed, Lines{"a  b"});
}

TEST_F(DescriptionsEditorTest, EmptyPanesLeaveEmptySections)
{
    editor.select(1);
    editor.save({});
    const std::string text = document();
    EXPECT_NE(text.find("[CARD ID=\"1\" TYPE=\"NORMAL\"]\r\n[/CARD ID=\"1\" TYPE=\"NORMAL\"]\r\n"),
              std::string::npos);
    EXPECT_EQ(editor.select(1), CardTexts{});
}

TEST_F(DescriptionsEditorTest, AMissingSectionIsAddedRatherThanLost)
{
    home.writeLines("descriptions/Custom.srml", {"[NAME]", "Custom", "[/NAME]"});
    editor.select(70);
    editor.save({{"new"}, {"old"}});
    EXPECT_EQ(readLines(home.folder().customDescriptionFile()),
              (Lines{"[NAME]", "Custom", "[/NAME]", "[CARD ID=\"70\" TYPE=\"NORMAL\"]", "new<br />",
                     "[/CARD ID=\"70\" TYPE=\"NORMAL\"]", "[CARD ID=\"70\" TYPE=\"REVERSED\"]",
                     "old<br />", "[/CARD ID=\"70\" TYPE=\"REVERSED\"]"}));
}

TEST_F(DescriptionsEditorTest, WithoutACardSaveDoesNothing)
{
    const std::string before = document();
    editor.save({{"lost"}, {}});
    EXPECT_EQ(document(), before);
}

TEST_F(DescriptionsEditorTest, AnUnreadableDocumentStopsTheSelection)
{
    editor.select(2);
    fs::remove(home.folder().customDescriptionFile());
    fs::create_directories(home.folder().customDescriptionFile());
    EXPECT_THROW(editor.select(3), Error);
    EXPECT_FALSE(editor.card());
}

TEST_F(DescriptionsEditorTest, AFailedSaveSaysSoAndKeepsTheEdits)
{
    editor.select(2);
    const CardTexts panes{{"mine"}, {}};
    fs::remove(home.folder().customDescriptionFile());
    fs::create_directories(home.folder().customDescriptionFile());
    EXPECT_THROW(editor.save(panes), Error);
    EXPECT_TRUE(editor.modified(panes));

    AnsweringPrompter yes(Answer::Yes);
    EXPECT_THROW(editor.reset(panes, yes), Error);
    EXPECT_EQ(editor.card(), 2);
}

struct ResetCase
{
    Answer answer;
    bool edited;
    bool asked;
    bool saved;
};

class DescriptionsEditorReset : public DescriptionsEditorTest,
                                public ::testing::WithParamInterface<ResetCase>
{
};

TEST_P(DescriptionsEditorReset, AsksOnlyAboutEditedPanes)
{
    const CardTexts loaded = editor.select(9);
    CardTexts panes = loaded;
    if (GetParam().edited)
        panes.reversed = {"changed"};
    AnsweringPrompter prompter(GetParam().answer);
    const std::string before = document();
    editor.reset(panes, prompter);
    EXPECT_EQ(prompter.questions.size(), GetParam().asked ? 1u : 0u);
    if (GetParam().asked) {
        EXPECT_EQ(prompter.questions.front(), kSaveDescriptionsQuestion);
    }
    EXPECT_EQ(document() != before, GetParam().saved);
    EXPECT_FALSE(editor.card());
}

INSTANTIATE_TEST_SUITE_P(Answers, DescriptionsEditorReset,
                         ::testing::Values(ResetCase{Answer::Yes, true, true, true},
                                           ResetCase{Answer::No, true, true, false},
                                           ResetCase{Answer::Cancel, true, true, false},
                                           ResetCase{Answer::Yes, false, false, false}));

} // namespace
} // namespace kestrava::test
