#include "core/jpeg/PictureTransform.h"

#include "core/Error.h"

#include <algorithm>

namespace kestrava {

RgbImage scalePicture(const RgbImage& source, int width, int height)
{
    if (source.width <= 0 || source.height <= 0 || width <= 0 || height <= 0 ||
        source.rgb.size() != static_cast<std::size_t>(source.width) * source.height * 3)
        throw Error("A picture without pixels cannot be scaled.");
    RgbImage out;
    out.width = width;
    out.height = height;
    out.rgb.resize(static_cast<std::size_t>(width) * height * 3);
    const auto span = [](int i, int to, int from) {
        const long long first = static_cast<long long>(i) * from / to;
        const long long last = std::max(first + 1, static_cast<long long>(i + 1) * from / to);
        return std::pair<int, int>(static_cast<int>(first), static_cast<int>(last));
    };
    for (int y = 0; y < height; ++y) {
        const auto [top, bottom] = span(y, height, source.height);
        for (int x = 0; x < width; ++x) {
            const auto [left, right] = span(x, width, source.width);
            unsigned long long sum[3] = {0, 0, 0};
            for (int sy = top; sy < bottom; ++sy) {
                const unsigned char* row =
                    source.rgb.data() + (static_cast<std::size_t>(sy) * source.width + left) * 3;
                for (int sx = left; sx < right; ++sx, row += 3) {
                    sum[0] += row[0];
                    sum[1] += row[1];
                    sum[2] += row[2];
                }
            }
            const unsigned long long count =
                static_cast<unsigned long long>(bottom - top) * (right - left);
            unsigned char* pixel = out.rgb.data() + (static_cast<std::size_t>(y) * width + x) * 3;
            for (int c = 0; c < 3; ++c)
                pixel[c] = static_cast<unsigned char>((sum[c] + count / 2) / count);
        }
    }
    return out;
}

RgbImage turnPicture(const RgbImage& source)
{
    RgbImage out = source;
    const std::size_t pixels = out.rgb.size() / 3;
    for (std::size_t i = 0; i < pixels / 2; ++i)
        std::swap_ranges(out.rgb.begin() + static_cast<std::ptrdiff_t>(i * 3),
                         out.rgb.begin() + static_cast<std::ptrdiff_t>(i * 3 + 3),
                         out.rgb.begin() + static_cast<std::ptrdiff_t>((pixels - 1 - i) * 3));
    return out;
}

} // namespace kestrava
