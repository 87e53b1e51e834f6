#include "core/TextFile.h"

#include "core/Error.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace kestrava;

struct SplitCase
{
    const char* name;
    std::string bytes;
    Lines lines;
};

class LineEnds : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(LineEnds, ReadSameLines)
{
    test::TempProgramFolder home;
    const auto path = home.writeRaw("doc.srml", GetParam().bytes);
    EXPECT_EQ(readLines(path), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    TextFile, LineEnds,
    ::testing::Values(SplitCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                      SplitCase{"LfOnly", "a\nb\n", {"a", "b"}},
                      SplitCase{"CrOnly", "a\rb\r", {"a", "b"}},
                      SplitCase{"TrailingTextIsALine", "a\r\nb", {"a", "b"}},
                      SplitCase{"EmptyLinesKept", "a\r\n\r\n\nb\r\r", {"a", "", "", "b", ""}},
                      SplitCase{"MixedEnds", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
                      SplitCase{"Empty", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextFile, WritesCrLfAfterEveryLineAndReadsBack)
{
    test::TempProgramFolder home;
    const Lines lines{"[SPREAD]", "", "caf\xe9", "[/SPREAD]"};
    writeLines(home.root() / "out.srml", lines);
    EXPECT_EQ(home.readRaw("out.srml"), "[SPREAD]\r\n\r\ncaf\xe9\r\n[/SPREAD]\r\n");
    EXPECT_EQ(readLines(home.root() / "out.srml"), lines);
}

TEST(TextFile, WriteReplacesWholeFileAndLeavesNoTemporaryFile)
{
    test::TempProgramFolder home;
    home.writeRaw("out.txt", "a much longer old content\r\n");
    writeLines(home.root() / "out.txt", {"new"});
    EXPECT_EQ(home.readRaw("out.txt"), "new\r\n");
    EXPECT_EQ(listFiles(home.root()), std::vector<std::string>{"out.txt"});
}

TEST(TextFile, FailuresRaiseErrorsAndKeepTheOldFile)
{
    test::TempProgramFolder home;
    EXPECT_THROW(readLines(home.root() / "missing.srml"), Error);
    EXPECT_THROW(readLines(home.root()), Error);
    EXPECT_THROW(writeLines(home.root() / "no-folder" / "x.txt", {"a"}), Error);

    home.writeRaw("ro/keep.txt", "old\r\n");
    std::filesystem::permissions(home.root() / "ro", std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::owner_exec);
    if (::geteuid() != 0) {
        EXPECT_THROW(writeLines(home.root() / "ro" / "keep.txt", {"new"}), Error);
        EXPECT_EQ(home.readRaw("ro/keep.txt"), "old\r\n");
    }
}

TEST(TextFile, ListsSortedIgnoringCase)
{
    test::TempProgramFolder home;
    home.writeRaw("d/beta.srml", "");
    home.writeRaw("d/Alpha.srml", "");
    home.writeRaw("d/gamma.SRML", "");
    home.writeRaw("d/sub/x.srml", "");
    EXPECT_EQ(listFiles(home.root() / "d"),
              (std::vector<std::string>{"Alpha.srml", "beta.srml", "gamma.SRML"}));
    EXPECT_EQ(listFolders(home.root() / "d"), std::vector<std::string>{"sub"});
    EXPECT_TRUE(listFiles(home.root() / "none").empty());
}

TEST(TextFile, ReplaceAllDoesNotRescanInsertedText)
{
    EXPECT_EQ(replaceAll("#S and #S", "#S", "#S#S"), "#S#S and #S#S");
    EXPECT_EQ(replaceAll("a<br /><br />b", "<br />", ""), "ab");
    EXPECT_EQ(replaceAll("A<BR />", "<br />", ""), "A<BR />");
}
