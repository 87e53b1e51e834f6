#include "CliRunner.h"
#include "core/TextFile.h"
#include "core/cards/Card.h"
#include "core/jpeg/JpegFile.h"
#include "support/TempFolder.h"

#include <QImage>
#include <QString>
#include <filesystem>
#include <gtest/gtest.h>

namespace kestrava::test {
namespace {

namespace fs = std::filesystem;

class ImportDeckCommand : public ::testing::Test
{
protected:
    ImportDeckCommand()
    {
        Lines titles;
        for (int i = 0; i < 42; ++i)
            titles.push_back("T" + std::to_string(i));
        home.writeLines("titles/default.srml", titles);
        fs::create_directories(source);
    }
    CliResult run(const std::string& arguments) const
    {
        return runCli("--home " + shellQuote(home.root().string()) + " import-deck " +
                      shellQuote(source.string()) + " " + arguments);
    }
    void png(const std::string& name, int width, int height) const
    {
        QImage picture(width, height, QImage::Format_ARGB32);
        picture.fill(qRgba(10, 120, 200, 255));
        ASSERT_TRUE(picture.save(QString::fromStdString((source / name).string()), "PNG"));
    }

    TempProgramFolder home;
    fs::path source = home.root() / "incoming";
};

TEST_F(ImportDeckCommand, DryRunPrintsTheMappingAndWritesNothing)
{
    for (int n = 0; n <= 77; ++n)
        png((n < 10 ? "0" : "") + std::to_string(n) + ".png", 6, 10);
    png("publisher logo.png", 6, 10);
    const CliResult result = run("--name Scans --dry-run");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("normal 21 T21 <- 00.png\n"), std::string::npos);
    EXPECT_NE(result.out.find("normal 37 T27 T41 T24 <- 36.png\n"), std::string::npos);
    EXPECT_NE(result.out.find("not placed: publisher logo.png (its name names no card)\n"),
              std::string::npos);
    EXPECT_NE(result.out.find("numbering: 00-77, the Fool as 00\n"), std::string::npos);
    EXPECT_NE(result.out.find("deck of 78 cards; 78 reversed"), std::string::npos);
    EXPECT_FALSE(fs::exists(home.folder().cards()));
}

TEST_F(ImportDeckCommand, ImportsPngPicturesAndReplacesOnlyWithForce)
{
    for (int n = 1; n <= 22; ++n)
        png(std::to_string(n) + ".png", 600, 1000);
    const CliResult first = run("--name Mine --designer Ann --year 2024");
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_NE(first.out.find(home.folder().deckFolder("Mine").string() + "\n"), std::string::npos);
    EXPECT_EQ(deckSize(home.folder().deckFolder("Mine")), "22");
    const RgbImage card = decodeJpeg(home.folder().deckFolder("Mine") / "reversed" / "22.jpg");
    EXPECT_EQ(card.width, 144);
    EXPECT_EQ(card.height, 233);
    EXPECT_NEAR(card.rgb[2], 200, 4);
    EXPECT_EQ(home.readRaw("cards/Mine/info.srml"),
              "[DESIGNER]\r\nAnn\r\n[/DESIGNER]\r\n[CARDS]\r\n22\r\n[/CARDS]\r\n[YEAR]\r\n2024\r\n"
              "[/YEAR]\r\n");

    const CliResult again = run("--name Mine");
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_NE(again.err.find("--force replaces it"), std::string::npos);
    EXPECT_TRUE(fs::exists(home.folder().deckFolder("Mine") / "info.srml"));
    const CliResult forced = run("--name Mine --force");
    ASSERT_EQ(forced.exitCode, 0) << forced.err;
    EXPECT_EQ(home.readRaw("cards/Mine/info.srml"), "[CARDS]\r\n22\r\n[/CARDS]\r\n");
}

TEST_F(ImportDeckCommand, AFolderThatMakesNoDeckIsAnError)
{
    png("cups-ace.png", 6, 10);
    png("the-fool.png", 6, 10);
    const CliResult result = run("--name Few");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.out.find("normal 21 T21 <- the-fool.png\n"), std::string::npos);
    EXPECT_NE(result.out.find("normal 37 T27 T41 T24 <- cups-ace.png\n"), std::string::npos);
    EXPECT_NE(result.out.find("no deck: 76 cards missing: 1 2 3"), std::string::npos);
    EXPECT_NE(result.err.find("22 or 78 cards"), std::string::npos);
    EXPECT_FALSE(fs::exists(home.folder().cards()));
    EXPECT_EQ(run("").exitCode, 1);
    EXPECT_EQ(run("--name Few --numbering sideways").exitCode, 1);
}

} // namespace
} // namespace kestrava::test
