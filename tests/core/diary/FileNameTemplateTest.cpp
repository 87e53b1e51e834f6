#include "core/diary/FileNameTemplate.h"

#include "core/app/Preferences.h"

#include <gtest/gtest.h>

using namespace kestrava;

namespace {
const DateTime kMoment{2024, 3, 5, 14, 7, 0};
}

struct TemplateCase
{
    const char* name;
    std::string nameTemplate;
    int format;
    std::string spread;
    std::string querent;
    std::string expected;
};

class FileNameTemplate : public ::testing::TestWithParam<TemplateCase>
{
};

TEST_P(FileNameTemplate, GeneratesThePreview)
{
    const auto& c = GetParam();
    const auto name = generateFileName(c.nameTemplate, Preferences::kDateTimeFormats[c.format],
                                       c.spread, c.querent, kMoment);
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(*name, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FileNameTemplate,
    ::testing::Values(TemplateCase{"Default", "#N, #S, #D", 0, "Celtic Cross", "Anna",
                                   "Anna, Celtic Cross, 2024-03-05, 14-07"},
                      TemplateCase{"Restored", "#N, #S, [#D]", 0, "Celtic Cross", "Anna",
                                   "Anna, Celtic Cross, [2024-03-05, 14-07]"},
                      TemplateCase{"DateOnly", "#D", 1, "S", "", "2024-03-05"},
                      TemplateCase{"DayFirst", "#D", 2, "S", "", "05-03-2024"},
                      TemplateCase{"RestrictedFromSpread", "#S", 0, "Horseshoe: 7 Cards", "",
                                   "Horseshoe 7 Cards"},
                      TemplateCase{"NameKeepsItsSymbols", "#N", 0, "S", "Who?", "Who?"},
                      TemplateCase{"TrimBeforeTheName", "#S #N", 0, "Celtic", "", "Celtic "},
                      TemplateCase{"NoPlaceholders", "  a/b|c\\d^e:f*g<h?i>j\"k  ", 0, "S", "N",
                                   "abcdefghijk"},
                      TemplateCase{"PlaceholdersInsideTheSpread", "#S", 0, "#D #N", "Anna",
                                   "2024-03-05, 14-07 Anna"},
                      TemplateCase{"LowerCaseStays", "#n #s #d", 0, "S", "N", "#n #s #d"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileNameTemplateNoSpread, LeavesThePreviewUnchanged)
{
    EXPECT_FALSE(generateFileName("#N", "yyyy", std::nullopt, "Anna", kMoment).has_value());
}

TEST(FileNameTemplateRestricted, RemovesAllTenSymbols)
{
    EXPECT_EQ(removeRestrictedSymbols("Who? <Me>: \"a|b\" /\\^*"), "Who Me ab ");
}
