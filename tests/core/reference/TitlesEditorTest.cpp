#include "core/reference/TitlesEditor.h"

#include "core/Error.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace kestrava::test {
namespace {

namespace fs = std::filesystem;

Lines titleLines(const std::string& prefix)
{
    Lines lines;
    for (int i = 0; i < TitleSet::kCount; ++i)
        lines.push_back(prefix + std::to_string(i));
    return lines;
}

TEST(TitleFields, FortyTwoInDocumentOrderWithTheirLabels)
{
    const auto& fields = titleFields();
    ASSERT_EQ(fields.size(), 42u);
    std::set<int> indexes;
    for (const auto& field : fields)
        indexes.insert(field.index);
    EXPECT_EQ(indexes.size(), 42u);
    const auto find = [&](const std::string& name) {
        for (const auto& field : fields) {
            if (field.name == name)
                return field;
        }
        ADD_FAILURE() << name;
        return fields.front();
    };
    EXPECT_EQ(find("t0").index, 0);
    EXPECT_EQ(find("t0").group, TitleGroup::Blank);
    EXPECT_EQ(find("t22").index, 22);
    EXPECT_EQ(find("t22").label, "22");
    EXPECT_EQ(find("EditWands").index, 23);
    EXPECT_EQ(find("EditWands").label, "Fire");
    EXPECT_EQ(find("EditCoins").label, "Earth");
    EXPECT_EQ(find("m1").index, 27);
    EXPECT_EQ(find("m1").label, "Ace (1)");
    EXPECT_EQ(find("m1").designText, "Ace");
    EXPECT_EQ(find("m10").designText, "Ten");
    EXPECT_FALSE(find("m10").dropDown);
    EXPECT_TRUE(find("m11").dropDown);
    EXPECT_EQ(find("m14").index, 40);
    EXPECT_EQ(find("m0").index, 41);
    EXPECT_EQ(find("m0").designText, "of");
    EXPECT_EQ(find("m0").label, "Use special divider");
    EXPECT_EQ(titleSuggestionsFor("t21"),
              (std::vector<std::string>{"The Fool", "The Foolish Man", "The Madman"}));
    EXPECT_TRUE(titleSuggestionsFor("t0").empty());
    EXPECT_TRUE(titleSuggestionsFor("m3").empty());
}

class TitleSwitch : public ::testing::Test
{
protected:
    TitleSwitch()
    {
        home.writeLines("titles/default.srml", titleLines("D"));
        for (int i = 0; i < TitleSet::kCount; ++i)
            fields.fields[static_cast<std::size_t>(i)] = "typed " + std::to_string(i);
    }
    TempProgramFolder home;
    TitleSet fields;
    bool defaultInForce = true;
};

TEST_F(TitleSwitch, ToCustomWithoutADocumentKeepsFieldsAndChoice)
{
    const TitleSet before = fields;
    EXPECT_THROW(switchTitleSet(home.folder(), false, defaultInForce, fields), Error);
    EXPECT_EQ(fields, before);
    EXPECT_TRUE(defaultInForce);
}

TEST_F(TitleSwitch, AShortDocumentChangesNothing)
{
    Lines lines = titleLines("C");
    lines.pop_back();
    home.writeLines("titles/custom.srml", lines);
    const TitleSet before = fields;
    EXPECT_THROW(switchTitleSet(home.folder(), false, defaultInForce, fields), Error);
    EXPECT_EQ(fields, before);
    EXPECT_TRUE(defaultInForce);
}

TEST_F(TitleSwitch, SavedCustomSetComesBackFieldForField)
{
    fields.fields[21] = "The <Fool>";
    fields.divider() = "";
    const TitleSet saved = fields;
    saveCustomTitleSet(home.folder(), fields);
    EXPECT_TRUE(defaultInForce);
    ASSERT_TRUE(switchTitleSet(home.folder(), true, defaultInForce, fields) == false);
    fields.fields[1] = "discarded";

    EXPECT_TRUE(switchTitleSet(home.folder(), false, defaultInForce, fields));
    EXPECT_FALSE(defaultInForce);
    EXPECT_EQ(fields, saved);
    EXPECT_EQ(composeTitleList(fields)[23], "typed 27 typed 23");
    // Clicking the choice already on does nothing.
    fields.fields[1] = "kept";
    EXPECT_FALSE(switchTitleSet(home.folder(), false, defaultInForce, fields));
    EXPECT_EQ(fields.fields[1], "kept");

    EXPECT_TRUE(switchTitleSet(home.folder(), true, defaultInForce, fields));
    EXPECT_EQ(fields.fields[1], "D1");
}

TEST_F(TitleSwitch, SavingIntoAMissingTitlesFolderFails)
{
    fs::remove_all(home.folder().titles());
    EXPECT_THROW(saveCustomTitleSet(home.folder(), fields), Error);
    EXPECT_FALSE(fs::exists(home.folder().titles()));
}

} // namespace
} // namespace kestrava::test
