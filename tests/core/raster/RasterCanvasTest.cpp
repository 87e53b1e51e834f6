#include "raster/RasterCanvas.h"

#include "core/Error.h"
#include "core/app/Preferences.h"
#include "core/cards/Card.h"
#include "core/reading/PageFrame.h"
#include "core/reading/Renderer.h"
#include "support/TempFolder.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace kestrava {
namespace {

// A card picture of one grey level.
std::filesystem::path writeCard(const test::TempProgramFolder& temp, const std::string& relative,
                                unsigned char grey, int width = kCardWidth,
                                int height = kCardHeight)
{
    const auto path = temp.root() / relative;
    std::filesystem::create_directories(path.parent_path());
    RgbImage image{width, height, {}};
    image.rgb.assign(static_cast<std::size_t>(width) * height * 3, grey);
    encodeJpeg(path, image, 95);
    return path;
}

QRgb at(const RasterCanvas& canvas, int x, int y)
{
    return canvas.image().pixel(x, y);
}

TEST(RasterCanvas, StartsTransparentWithoutAFillOfItsOwn)
{
    RasterCanvas canvas;
    canvas.create(202, 330);
    EXPECT_EQ(canvas.image().size(), QSize(202, 330));
    EXPECT_EQ(qAlpha(at(canvas, 0, 0)), 0);
    EXPECT_EQ(qAlpha(at(canvas, 100, 100)), 0);
}

TEST(RasterCanvas, FilledRectangleIsWhiteInsideABlackOnePixelOutline)
{
    RasterCanvas canvas;
    canvas.create(20, 10);
    canvas.drawRectangle({0, 0, 20, 10}, true);
    EXPECT_EQ(at(canvas, 0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(at(canvas, 19, 9), qRgb(0, 0, 0));
    EXPECT_EQ(at(canvas, 19, 5), qRgb(0, 0, 0));
    EXPECT_EQ(at(canvas, 1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(at(canvas, 18, 8), qRgb(255, 255, 255));
}

TEST(RasterCanvas, OutlineLeavesTheInsideAndTheOutsideAlone)
{
    RasterCanvas canvas;
    canvas.create(30, 30);
    canvas.drawRectangle({5, 5, 15, 20}, false);
    EXPECT_EQ(at(canvas, 5, 5), qRgb(0, 0, 0));
    EXPECT_EQ(at(canvas, 14, 19), qRgb(0, 0, 0));
    EXPECT_EQ(qAlpha(at(canvas, 15, 20)), 0);
    EXPECT_EQ(qAlpha(at(canvas, 10, 10)), 0);
}

TEST(RasterCanvas, DrawsAPictureAtItsOwnSize)
{
    test::TempProgramFolder temp;
    const auto card = writeCard(temp, "card.jpg", 200, 10, 6);
    RasterCanvas canvas;
    canvas.create(40, 40);
    canvas.drawJpeg(card, 17, 25);
    EXPECT_NEAR(qRed(at(canvas, 17, 25)), 200, 6);
    EXPECT_NEAR(qRed(at(canvas, 26, 30)), 200, 6);
    EXPECT_EQ(qAlpha(at(canvas, 27, 30)), 0);
    EXPECT_EQ(qAlpha(at(canvas, 26, 31)), 0);
    EXPECT_EQ(qAlpha(at(canvas, 16, 25)), 0);
}

TEST(RasterCanvas, MissingOrBrokenPictureIsAnErrorNamingTheFile)
{
    test::TempProgramFolder temp;
    const auto broken = temp.writeRaw("broken.jpg", "not a picture");
    RasterCanvas canvas;
    canvas.create(10, 10);
    for (const auto& file : {broken, temp.root() / "missing.jpg"}) {
        try {
            canvas.drawJpeg(file, 0, 0);
            ADD_FAILURE() << file;
        } catch (const Error& error) {
            EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos)
                << error.what();
        }
    }
}

TEST(RasterCanvas, TextWithWhiteBackgroundPaintsBlackOnWhite)
{
    RasterCanvas canvas;
    canvas.create(300, 40);
    canvas.drawText(10, 10, "Generated in Kestrava 9.1.21", 9, TextBackground::White);
    int black = 0;
    int white = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 300; ++x) {
            const QRgb pixel = at(canvas, x, y);
            black += qAlpha(pixel) == 255 && qRed(pixel) < 80;
            white += pixel == qRgb(255, 255, 255);
        }
    }
    EXPECT_GT(black, 20);
    EXPECT_GT(white, 200);
    // Nothing is drawn above or to the left of the text's top-left corner.
    EXPECT_EQ(qAlpha(at(canvas, 9, 9)), 0);
}

// Nine points are twelve pixels, the same for the first picture of a process
// (made before its QGuiApplication) and for every later one.
TEST(RasterCanvas, TextSizeInPointsIsTheSameOnEveryPicture)
{
    RasterCanvas first;
    first.create(120, 40);
    EXPECT_EQ(first.image().dotsPerMeterX(), 3780);
    EXPECT_EQ(first.image().dotsPerMeterY(), 3780);
    first.drawText(2, 2, "Hg 9", 9, TextBackground::White);
    ensureGuiApplication();
    RasterCanvas second;
    second.create(120, 40);
    second.drawText(2, 2, "Hg 9", 9, TextBackground::White);
    EXPECT_EQ(first.image(), second.image());
    QImage probe(1, 1, QImage::Format_ARGB32);
    probe.setDotsPerMeterX(3780);
    probe.setDotsPerMeterY(3780);
    QPainter painter(&probe);
    QFont font = painter.font();
    font.setPointSize(9);
    painter.setFont(font);
    EXPECT_EQ(painter.fontInfo().pixelSize(), 12);
}

TEST(RasterCanvas, RefusesAPictureTooLargeToHold)
{
    RasterCanvas canvas;
    EXPECT_THROW(canvas.create(100000, 100000), Error);
    EXPECT_THROW(canvas.create(0, 10), Error);
}

struct PictureCase
{
    bool header;
    int height;
    int cardTop;
};

class RenderedPicture : public ::testing::TestWithParam<PictureCase>
{
};

// The whole pass on the real canvas: the picture saves as a JPEG of W × H
// with the card where the layout puts it and a white, framed background.
TEST_P(RenderedPicture, SavesAsAJpegOfTheLayoutSize)
{
    test::TempProgramFolder temp;
    writeCard(temp, "cards/Deck/normal/5.jpg", 30);
    const Lines reading = {"[SPREAD]",  "One",          "[/SPREAD]", "[CARDS]",     "1",
                           "[/CARDS]",  "[MEANINGS]",   "m",         "[/MEANINGS]", "[POSITIONS]",
                           "5,5",       "[/POSITIONS]", "[FORTUNE]", "5",           "[/FORTUNE]",
                           "[MIRRORS]", "normal",       "[/MIRRORS]"};
    Preferences prefs;
    prefs.screenshotHeader = GetParam().header;
    prefs.screenshotCardNumbers = prefs.screenshotCardTitles = true;
    const std::vector<std::string> sources;
    const std::vector<std::string> titles(79, "A title");
    const auto deck = temp.folder().deckFolder("Deck");
    RasterCanvas canvas;
    RenderResult result;
    renderReading({temp.folder(), reading, deck, prefs, sources, titles}, canvas, result);

    EXPECT_EQ(at(canvas, 0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(at(canvas, 5, 5), qRgb(255, 255, 255));
    EXPECT_NEAR(qRed(at(canvas, 17, GetParam().cardTop)), 30, 6);
    EXPECT_EQ(at(canvas, 16, GetParam().cardTop), qRgb(0, 0, 0)); // the card's frame

    const auto file = temp.root() / "table.jpg";
    canvas.saveJpeg(file);
    const RgbImage decoded = decodeJpeg(file);
    EXPECT_EQ(decoded.width, 202);
    EXPECT_EQ(decoded.height, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Cases, RenderedPicture,
                         ::testing::Values(PictureCase{false, 330, 35},
                                           PictureCase{true, 380, 85}));

TEST(RasterCanvas, TransparentPartsSaveAsWhite)
{
    RasterCanvas canvas;
    canvas.create(4, 3);
    const RgbImage rgb = canvas.toRgb();
    ASSERT_EQ(rgb.rgb.size(), 4u * 3u * 3u);
    for (const unsigned char value : rgb.rgb)
        EXPECT_EQ(value, 255);
}

} // namespace
} // namespace kestrava
