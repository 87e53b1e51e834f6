#include "raster/PictureFile.h"

#include "core/Error.h"

#include <QImage>
#include <QImageReader>
#include <QString>
#include <fstream>

namespace kestrava {

namespace {

bool isJpeg(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    unsigned char start[3] = {0, 0, 0};
    file.read(reinterpret_cast<char*>(start), 3);
    return file && start[0] == 0xFF && start[1] == 0xD8 && start[2] == 0xFF;
}

} // namespace

RgbImage decodePicture(const std::filesystem::path& path)
{
    if (isJpeg(path))
        return decodeJpeg(path);
    QImageReader reader(QString::fromStdString(path.string()));
    const QSize size = reader.size();
    if (size.isValid() && static_cast<long long>(size.width()) * size.height() > kMaxPicturePixels)
        throw Error("The picture \"" + path.string() + "\" is too large.");
    QImage image = reader.read();
    if (image.isNull())
        throw Error("The picture \"" + path.string() +
                    "\" cannot be read: " + reader.errorString().toStdString() + ".");
    // Transparent parts lie on white, as on a printed card.
    if (image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB888);
        flat.fill(Qt::white);
        QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < argb.height(); ++y) {
            const auto* from = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            uchar* to = flat.scanLine(y);
            for (int x = 0; x < argb.width(); ++x) {
                const int alpha = qAlpha(from[x]);
                to[3 * x] = static_cast<uchar>((qRed(from[x]) * alpha + 255 * (255 - alpha)) / 255);
                to[3 * x + 1] =
                    static_cast<uchar>((qGreen(from[x]) * alpha + 255 * (255 - alpha)) / 255);
                to[3 * x + 2] =
                    static_cast<uchar>((qBlue(from[x]) * alpha + 255 * (255 - alpha)) / 255);
            }
        }
        image = flat;
    } else {
        image = image.convertToFormat(QImage::Format_RGB888);
    }
    RgbImage out;
    out.width = image.width();
    out.height = image.height();
    out.rgb.reserve(static_cast<std::size_t>(out.width) * out.height * 3);
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        out.rgb.insert(out.rgb.end(), line, line + static_cast<std::ptrdiff_t>(out.width) * 3);
    }
    return out;
}

} // namespace kestrava
