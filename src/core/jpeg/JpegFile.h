#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kestrava {

// A decoded picture: 3 bytes (red, green, blue) per pixel, rows top to bottom.
struct RgbImage
{
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
};

// The largest picture the program decodes or draws, in pixels: beyond it a
// picture would exhaust memory, so its header alone refuses it.
inline constexpr long long kMaxPicturePixels = 64LL * 1024 * 1024;

// Decoding a missing, damaged or too large picture throws kestrava::Error
// naming the file.
RgbImage decodeJpeg(const std::filesystem::path& path);
RgbImage decodeJpegBytes(std::string_view bytes);

// Quality 1..100. The file is replaced atomically, so a failed write leaves
// the old picture in place.
void encodeJpeg(const std::filesystem::path& path, const RgbImage& image, int quality = 90);
std::string encodeJpegBytes(const RgbImage& image, int quality = 90);

} // namespace kestrava
