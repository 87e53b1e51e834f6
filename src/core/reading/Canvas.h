#pragma once

#include <filesystem>
#include <string_view>

namespace kestrava {

// A rectangle in picture pixels; right and bottom are exclusive.
struct PixelRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const PixelRect&) const = default;
};

enum class TextBackground { Transparent, White };

// What the card-table picture is drawn through. The renderer owns the
// geometry and the order of drawing; an implementation owns the pixels
// (src/raster draws into an image, tests record the calls). Every colour the
// picture uses is black or white, so the operations name them.
class Canvas
{
public:
    virtual ~Canvas() = default;

    // Starts a new picture of width × height pixels. Nothing is drawn for the
    // background: an implementation leaves it transparent.
    virtual void create(int width, int height) = 0;
    // A 1-pixel black outline along the rectangle's edges, filled white
    // inside when filled is set and left untouched otherwise.
    virtual void drawRectangle(const PixelRect& rect, bool filled) = 0;
    // Decodes the JPEG file and draws it at its own size with its top-left
    // corner at (x, y). A file that is missing or cannot be decoded throws
    // kestrava::Error naming it.
    virtual void drawJpeg(const std::filesystem::path& file, int x, int y) = 0;
    // Black 8-bit text (shown as displayUtf8 shows it) with the top-left
    // corner of its box at (x, y).
    virtual void drawText(int x, int y, std::string_view text, int pointSize,
                          TextBackground background) = 0;
};

// Draws nothing: for callers that want the pages without the picture.
class NullCanvas : public Canvas
{
public:
    void create(int, int) override {}
    void drawRectangle(const PixelRect&, bool) override {}
    void drawJpeg(const std::filesystem::path&, int, int) override {}
    void drawText(int, int, std::string_view, int, TextBackground) override {}
};

} // namespace kestrava
