#pragma once

#include "core/jpeg/JpegFile.h"
#include "core/reading/Canvas.h"

#include <QImage>
#include <filesystem>

namespace kestrava {

// Text needs a QGuiApplication. Makes one on the offscreen platform (unless
// QT_QPA_PLATFORM names another) when the process has none yet, for the
// command line and the tests; the desktop program has its own.
void ensureGuiApplication();

// The card-table picture: a QImage drawn with QPainter. Card pictures are
// decoded with libjpeg. The picture starts transparent, so without the frame
// option it has no fill of its own.
class RasterCanvas : public Canvas
{
public:
    // Pictures beyond this many pixels are refused instead of exhausting memory.
    static constexpr long long kMaxPixels = 64LL * 1024 * 1024;
    // The picture's resolution, 96 dots per inch.
    static constexpr int kDotsPerMeter = 3780;

    void create(int width, int height) override;
    void drawRectangle(const PixelRect& rect, bool filled) override;
    void drawJpeg(const std::filesystem::path& file, int x, int y) override;
    void drawText(int x, int y, std::string_view text, int pointSize,
                  TextBackground background) override;

    const QImage& image() const { return m_image; }

    // The picture as it is saved: transparent parts become white, since a
    // JPEG has no transparency.
    RgbImage toRgb() const;
    // Encodes the picture as a JPEG file with libjpeg, replacing the file atomically.
    void saveJpeg(const std::filesystem::path& path, int quality = 90) const;

private:
    void fill(int left, int top, int right, int bottom, QRgb colour);

    QImage m_image;
};

QImage toQImage(const RgbImage& rgb);

} // namespace kestrava
