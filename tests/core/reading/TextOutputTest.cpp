#include "core/Error.h"
#include "core/TextFile.h"
#include "core/reading/DescriptionReader.h"
#include "core/reading/DisplayText.h"
#include "core/reading/RichText.h"
#include "core/reading/RtfWriter.h"
#include "core/srml/SectionReader.h"
#include "support/TempFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace kestrava {
namespace {

struct DisplayCase
{
    std::string bytes;
    std::u32string shown;
};

class DisplayText : public ::testing::TestWithParam<DisplayCase>
{
};

TEST_P(DisplayText, ValidUtf8IsUtf8AndAnythingElseIsLatin1)
{
    EXPECT_EQ(displayCodePoints(GetParam().bytes), GetParam().shown);
    const std::string utf8 = displayUtf8(GetParam().bytes);
    EXPECT_TRUE(isValidUtf8(utf8));
    EXPECT_EQ(displayCodePoints(utf8), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayText,
    ::testing::Values(DisplayCase{"Plain", U"Plain"}, DisplayCase{"", U""},
                      DisplayCase{"K\xC3\xB6ln \xE2\x82\xAC", U"K\u00F6ln \u20AC"},
                      DisplayCase{"\xF0\x9F\x83\x8F", U"\U0001F0CF"},
                      DisplayCase{"K\xF6ln", U"K\u00F6ln"},               // Latin-1 byte
                      DisplayCase{"\xC0\xAF", U"\u00C0\u00AF"},           // overlong form
                      DisplayCase{"\xED\xA0\x80", U"\u00ED\u00A0\u0080"}, // surrogate
                      DisplayCase{"\xE2\x82", U"\u00E2\u0082"}));         // cut short

TEST(Rtf, WritesSizesStylesAndEscapes)
{
    RichText text;
    text.setSize(15);
    text.addBold();
    text.appendLine("Title {1} \\ K\xC3\xB6ln");
    text.setSize(13);
    text.addUnderline();
    text.appendLine("\xF0\x9F\x83\x8F\tend");
    text.appendLine("");
    const std::string rtf = toRtf(text);
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi", 0), 0u);
    EXPECT_NE(rtf.find("\\pard\\plain\\f0\\fs30\\b Title \\{1\\} \\\\ K\\u246?ln\\par"),
              std::string::npos)
        << rtf;
    EXPECT_NE(rtf.find("\\pard\\plain\\f0\\fs26\\b\\ul \\u-10180?\\u-9009?\\tab end\\par"),
              std::string::npos)
        << rtf;
    EXPECT_NE(rtf.find("\\pard\\plain\\f0\\fs26\\b\\ul \\par"), std::string::npos);
    EXPECT_EQ(rtf.substr(rtf.size() - 3), "}\r\n");
    for (const char c : rtf)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
}

TEST(RichText, ClearReturnsToThePlainFormat)
{
    RichText text;
    text.setSize(13);
    text.addBold();
    text.addUnderline();
    text.appendLine("x");
    text.clear();
    text.appendLine("y");
    EXPECT_EQ(text.lines(), (std::vector<RichLine>{{"y", RichLine::kDefaultSize, false, false}}));
    EXPECT_EQ(text.plainText(), "y\n");
}

// A real word processor reads the document back with the same text.
TEST(Rtf, OpensInAWordProcessorWithTheSameText)
{
    if (std::system("command -v libreoffice >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "libreoffice is not installed";
    test::TempProgramFolder temp;
    RichText text;
    text.setSize(15);
    text.addBold();
    text.appendLine("Celtic Cross");
    text.appendLine("");
    text.setSize(13);
    text.addUnderline();
    text.appendLine("K\xC3\xB6ln {braces} back\\slash");
    text.appendLine("Latin-1 caf\xE9");
    text.appendLine("\xF0\x9F\x83\x8F");
    const auto rtf = temp.root() / "reading.rtf";
    saveRtf(rtf, text);
    const std::string command =
        "cd \"" + temp.root().string() + "\" && HOME=\"" + temp.root().string() +
        "\" libreoffice --headless --convert-to 'txt:Text (encoded):UTF8' reading.rtf "
        ">/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    Lines lines = readLines(temp.root() / "reading.txt");
    if (!lines.empty() && lines.front().rfind("\xEF\xBB\xBF", 0) == 0)
        lines.front().erase(0, 3);
    EXPECT_EQ(lines, (Lines{"Celtic Cross", "", "K\xC3\xB6ln {braces} back\\slash",
                            "Latin-1 caf\xC3\xA9", "\xF0\x9F\x83\x8F"}));
}

struct ScanCase
{
    std::string name;
    std::string bytes;
};

class DescriptionScan : public ::testing::TestWithParam<ScanCase>
{
};

// One reading of the document finds what two section reads would.
TEST_P(DescriptionScan, FindsWhatTheSectionReaderFinds)
{
    test::TempProgramFolder temp;
    const auto path = temp.writeRaw("descriptions/S.srml", GetParam().bytes);
    const Lines document = readLines(path);
    const std::string card = R"(CARD ID="5" TYPE="NORMAL")";
    const DescriptionBlock block = readDescriptionBlock(path, "S", card);
    EXPECT_EQ(block.heading, findSection(document, "NAME").at(0));
    EXPECT_EQ(block.body, findSection(document, card));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DescriptionScan,
    ::testing::Values(
        ScanCase{"CrLf", "[NAME]\r\nFull\r\n[/NAME]\r\n[CARD ID=\"5\" TYPE=\"NORMAL\"]\r\na<br "
                         "/>\r\n\r\nb\r\n[/CARD ID=\"5\" TYPE=\"NORMAL\"]\r\n"},
        ScanCase{"LfAndCr", "[NAME]\nFull\nmore\n[/NAME]\r[CARD ID=\"5\" TYPE=\"NORMAL\"]\ra\r\r\n"
                            "[/CARD ID=\"5\" TYPE=\"NORMAL\"]"},
        ScanCase{"TwiceTakesTheLast",
                 "[NAME]\r\nOld\r\n[/NAME]\r\n[NAME]\r\nNew\r\n[/NAME]\r\n[CARD ID=\"5\" "
                 "TYPE=\"NORMAL\"]\r\nfirst\r\n[/CARD ID=\"5\" TYPE=\"NORMAL\"]\r\n[CARD ID=\"5\" "
                 "TYPE=\"NORMAL\"]\r\nsecond\r\n[/CARD ID=\"5\" TYPE=\"NORMAL\"]\r\n"},
        ScanCase{"EndBeforeStart", "[NAME]\r\nN\r\n[/NAME]\r\n[/CARD ID=\"5\" TYPE=\"NORMAL\"]\r\n"
                                   "x\r\n[CARD ID=\"5\" TYPE=\"NORMAL\"]\r\n"},
        ScanCase{"AdjacentTags", "[NAME]\r\nN\r\n[/NAME]\r\n[CARD ID=\"5\" TYPE=\"NORMAL\"]\r\n"
                                 "[/CARD ID=\"5\" TYPE=\"NORMAL\"]\r\n"},
        ScanCase{"TagsWithBlanksAreContent",
                 "[NAME]\r\nN\r\n[/NAME]\r\n[CARD ID=\"5\" TYPE=\"NORMAL\"]\r\n[NAME] \r\n "
                 "[/NAME]\r\n[/CARD ID=\"5\" TYPE=\"NORMAL\"]\r\n"},
        ScanCase{
            "BracketsInsideLines",
            "[NAME]\r\nN [x]\r\n[/NAME]\r\na [CARD ID=\"5\" TYPE=\"NORMAL\"]\r\n[CARD ID=\"5\" "
            "TYPE=\"NORMAL\"]\r\n[b]\r\n[/CARD ID=\"5\" TYPE=\"NORMAL\"] \r\n[/CARD ID=\"5\" "
            "TYPE=\"NORMAL\"]"},
        ScanCase{"StartTagIsTheLastLine",
                 "[NAME]\r\nN\r\n[/NAME]\r\n[/CARD ID=\"5\" TYPE=\"NORMAL\"]\r\n[CARD ID=\"5\" "
                 "TYPE=\"NORMAL\"]"},
        ScanCase{"OnlyEmptyLine", "[NAME]\r\nN\r\n[/NAME]\r\n[CARD ID=\"5\" TYPE=\"NORMAL\"]\r\n"
                                  "\r\n[/CARD ID=\"5\" TYPE=\"NORMAL\"]"}),
    [](const auto& info) { return info.param.name; });

TEST(DescriptionScan, EmptyOrMissingNameIsAnError)
{
    test::TempProgramFolder temp;
    const auto empty = temp.writeRaw("descriptions/E.srml", "[NAME]\r\n[/NAME]\r\n");
    EXPECT_THROW(readDescriptionBlock(empty, "E", "X"), Error);
    EXPECT_THROW(readDescriptionBlock(temp.root() / "descriptions/Missing.srml", "M", "X"), Error);
}

} // namespace
} // namespace kestrava
