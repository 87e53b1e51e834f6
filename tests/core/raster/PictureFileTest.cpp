#include "raster/PictureFile.h"

#include "core/Error.h"
#include "core/TextFile.h"
#include "support/TempFolder.h"

#include <QImage>
#include <gtest/gtest.h>

namespace kestrava {
namespace {

TEST(PictureFiles, PngJpegAndWhatIsNoPicture)
{
    const test::TempProgramFolder temp;
    // Half transparent red over nothing reads as pink on white.
    QImage png(3, 2, QImage::Format_ARGB32);
    png.fill(qRgba(255, 0, 0, 128));
    const auto pngFile = temp.root() / "card.PNG";
    ASSERT_TRUE(png.save(QString::fromStdString(pngFile.string()), "PNG"));
    const RgbImage fromPng = decodePicture(pngFile);
    EXPECT_EQ(fromPng.width, 3);
    EXPECT_EQ(fromPng.height, 2);
    ASSERT_EQ(fromPng.rgb.size(), 18u);
    EXPECT_EQ(fromPng.rgb[0], 255);
    EXPECT_NEAR(fromPng.rgb[1], 127, 2);

    // A JPEG named .png is still read as the JPEG it is.
    const auto jpegFile = temp.root() / "named.png";
    encodeJpeg(jpegFile, RgbImage{2, 2, std::vector<unsigned char>(12, 90)});
    EXPECT_NEAR(decodePicture(jpegFile).rgb[0], 90, 3);

    temp.writeRaw("broken.png", "\x89PNG\r\n\x1a\nbroken");
    EXPECT_THROW(decodePicture(temp.root() / "broken.png"), Error);
    EXPECT_THROW(decodePicture(temp.root() / "missing.png"), Error);
    std::filesystem::create_directories(temp.root() / "folder.png");
    EXPECT_THROW(decodePicture(temp.root() / "folder.png"), Error);
}

} // namespace
} // namespace kestrava
