#include "core/jpeg/JpegFile.h"

#include "core/Error.h"
#include "support/TempFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace kestrava {
namespace {

// Left half red, right half blue: colours survive lossy coding well enough
// to tell which is which.
RgbImage twoColourImage(int width, int height)
{
    RgbImage image{width, height, {}};
    image.rgb.reserve(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool left = x < width / 2;
            image.rgb.push_back(left ? 220 : 20);
            image.rgb.push_back(20);
            image.rgb.push_back(left ? 20 : 220);
        }
    }
    return image;
}

int channel(const RgbImage& image, int x, int y, int c)
{
    return image.rgb[(static_cast<std::size_t>(y) * image.width + x) * 3 + c];
}

struct Size
{
    int width;
    int height;
};

class JpegRoundTrip : public ::testing::TestWithParam<Size>
{
};

TEST_P(JpegRoundTrip, KeepsSizeAndColours)
{
    test::TempProgramFolder temp;
    const auto path = temp.root() / "card.jpg";
    const RgbImage original = twoColourImage(GetParam().width, GetParam().height);

    encodeJpeg(path, original);
    const RgbImage decoded = decodeJpeg(path);

    EXPECT_EQ(decoded.width, original.width);
    EXPECT_EQ(decoded.height, original.height);
    ASSERT_EQ(decoded.rgb.size(), original.rgb.size());
    EXPECT_NEAR(channel(decoded, 0, 0, 0), 220, 30);
    EXPECT_NEAR(channel(decoded, decoded.width - 1, decoded.height - 1, 2), 220, 30);
}

INSTANTIATE_TEST_SUITE_P(Sizes, JpegRoundTrip,
                         ::testing::Values(Size{144, 233}, Size{16, 1}, Size{503, 275},
                                           Size{7, 3}));

TEST(JpegFile, BytesRoundTripMatchesFileRoundTrip)
{
    test::TempProgramFolder temp;
    const RgbImage original = twoColourImage(40, 30);
    const std::string bytes = encodeJpegBytes(original, 75);
    encodeJpeg(temp.root() / "a.jpg", original, 75);

    EXPECT_EQ(temp.readRaw("a.jpg"), bytes);
    EXPECT_EQ(decodeJpegBytes(bytes).rgb, decodeJpeg(temp.root() / "a.jpg").rgb);
}

TEST(JpegFile, EncodingReplacesAnExistingFile)
{
    test::TempProgramFolder temp;
    const auto path = temp.writeRaw("old.jpg", "not a picture");
    encodeJpeg(path, twoColourImage(10, 10));
    EXPECT_EQ(decodeJpeg(path).width, 10);
}

TEST(JpegFile, MissingFileNamesTheFile)
{
    test::TempProgramFolder temp;
    const auto path = temp.root() / "normal" / "17.jpg";
    try {
        decodeJpeg(path);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos);
    }
}

struct Damage
{
    const char* name;
    std::string (*damage)(const std::string& good);
};

class DamagedJpeg : public ::testing::TestWithParam<Damage>
{
};

TEST_P(DamagedJpeg, GivesAnErrorNamingTheFile)
{
    test::TempProgramFolder temp;
    const std::string good = encodeJpegBytes(twoColourImage(144, 233), 90);
    const auto path = temp.writeRaw("damaged.jpg", GetParam().damage(good));

    try {
        decodeJpeg(path);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos);
    }
    EXPECT_THROW(decodeJpegBytes(GetParam().damage(good)), Error);
}

INSTANTIATE_TEST_SUITE_P(Kinds, DamagedJpeg,
                         ::testing::Values(Damage{"Empty",
                                                  [](const std::string&) {
                                                      return std::string();
                                                  }},
                                           Damage{"Text",
                                                  [](const std::string&) {
                                                      return std::string("[SRML]\r\n");
                                                  }},
                                           Damage{"HeaderOnly",
                                                  [](const std::string& good) {
                                                      return good.substr(0, 20);
                                                  }},
                                           Damage{"CutInHalf",
                                                  [](const std::string& good) {
                                                      return good.substr(0, good.size() / 2);
                                                  }},
                                           Damage{"GarbageAfterMarker",
                                                  [](const std::string& good) {
                                                      return good.substr(0, 2) +
                                                             std::string(500, '\x7f');
                                                  }}),
                         [](const ::testing::TestParamInfo<Damage>& info) {
                             return std::string(info.param.name);
                         });

// A valid picture whose header is made to claim another size.
std::string withClaimedSize(std::string bytes, int width, int height)
{
    for (std::size_t i = 2; i + 9 < bytes.size(); ++i) {
        const auto marker = static_cast<unsigned char>(bytes[i + 1]);
        if (static_cast<unsigned char>(bytes[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            bytes[i + 5] = static_cast<char>(height >> 8);
            bytes[i + 6] = static_cast<char>(height & 0xFF);
            bytes[i + 7] = static_cast<char>(width >> 8);
            bytes[i + 8] = static_cast<char>(width & 0xFF);
            return bytes;
        }
    }
    ADD_FAILURE() << "no frame header";
    return bytes;
}

TEST(JpegFile, HeaderClaimingAHugePictureIsRefusedBeforeDecoding)
{
    test::TempProgramFolder temp;
    const std::string good = encodeJpegBytes(twoColourImage(16, 16), 90);
    const auto path = temp.writeRaw("normal/5.jpg", withClaimedSize(good, 65000, 65000));
    try {
        decodeJpeg(path);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "The picture " + path.string() +
                                                 " is too large: 65000 x 65000 pixels, more "
                                                 "than 67108864.");
    }
    EXPECT_THROW(decodeJpegBytes(withClaimedSize(good, 8193, 8192)), Error);
}

TEST(JpegFile, EncodingRejectsAPictureWithTooFewBytes)
{
    RgbImage image{10, 10, std::vector<unsigned char>(10)};
    EXPECT_THROW(encodeJpegBytes(image, 90), Error);
}

} // namespace
} // namespace kestrava
