#include "raster/RasterCanvas.h"

#include "core/Error.h"
#include "core/reading/DisplayText.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace kestrava {

namespace {

QtMessageHandler previousHandler = nullptr;

// A headless run has no session: the offscreen platform's note about the
// missing runtime folder is noise on a command line's error output.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void ensureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(quietHandler);
    static int argc = 1;
    static char name[] = "kestrava";
    static char* argv[] = {name, nullptr};
    // Never destroyed: torn down among the static objects at exit, it would
    // outlive what the libraries linked beside it (the browser engine) rely on.
    static QGuiApplication* const app = new QGuiApplication(argc, argv);
    Q_UNUSED(app);
}

QImage toQImage(const RgbImage& rgb)
{
    QImage image(rgb.width, rgb.height, QImage::Format_RGB888);
    const auto rowBytes = static_cast<std::size_t>(rgb.width) * 3;
    for (int row = 0; row < rgb.height; ++row)
        std::memcpy(image.scanLine(row), rgb.rgb.data() + static_cast<std::size_t>(row) * rowBytes,
                    rowBytes);
    return image;
}

void RasterCanvas::create(int width, int height)
{
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > kMaxPixels)
        throw Error("The card-table picture of " + std::to_string(width) + " x " +
                    std::to_string(height) + " pixels cannot be made.");
    m_image = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
    if (m_image.isNull())
        throw Error("There is not enough memory for the card-table picture.");
    // Text sizes are in points: at a fixed 96 dots per inch (3780 per metre)
    // 9 points are 12 pixels on every machine and screen, whether or not the
    // process had its QGuiApplication when the picture was made.
    m_image.setDotsPerMeterX(kDotsPerMeter);
    m_image.setDotsPerMeterY(kDotsPerMeter);
    m_image.fill(Qt::transparent);
}

void RasterCanvas::fill(int left, int top, int right, int bottom, QRgb colour)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, m_image.width());
    bottom = std::min(bottom, m_image.height());
    for (int y = top; y < bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        std::fill(row + left, row + std::max(left, right), colour);
    }
}

void RasterCanvas::drawRectangle(const PixelRect& rect, bool filled)
{
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    const QRgb black = qRgb(0, 0, 0);
    if (filled)
        fill(rect.left, rect.top, rect.right, rect.bottom, qRgb(255, 255, 255));
    // Four one-pixel bands, so the outline covers exactly the edge pixels.
    fill(rect.left, rect.top, rect.right, rect.top + 1, black);
    fill(rect.left, rect.bottom - 1, rect.right, rect.bottom, black);
    fill(rect.left, rect.top, rect.left + 1, rect.bottom, black);
    fill(rect.right - 1, rect.top, rect.right, rect.bottom, black);
}

void RasterCanvas::drawJpeg(const std::filesystem::path& file, int x, int y)
{
    const RgbImage picture = decodeJpeg(file);
    // Copied pixel by pixel: the picture is opaque, so no blending is needed.
    const int left = std::max(x, 0);
    const int right = std::min(x + picture.width, m_image.width());
    for (int row = std::max(y, 0); row < std::min(y + picture.height, m_image.height()); ++row) {
        const unsigned char* source =
            picture.rgb.data() + (static_cast<std::size_t>(row - y) * picture.width) * 3;
        auto* target = reinterpret_cast<QRgb*>(m_image.scanLine(row));
        for (int column = left; column < right; ++column) {
            const unsigned char* pixel = source + static_cast<std::size_t>(column - x) * 3;
            target[column] = qRgb(pixel[0], pixel[1], pixel[2]);
        }
    }
}

void RasterCanvas::drawText(int x, int y, std::string_view text, int pointSize,
                            TextBackground background)
{
    ensureGuiApplication();
    QPainter painter(&m_image);
    QFont font = painter.font();
    font.setPointSize(pointSize);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QString shown = QString::fromStdString(displayUtf8(text));
    const QRect box = painter.fontMetrics().boundingRect(
        QRect(x, y, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, shown);
    if (background == TextBackground::White)
        painter.fillRect(box, Qt::white);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, shown);
}

RgbImage RasterCanvas::toRgb() const
{
    QImage flat(m_image.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, m_image);
    }
    RgbImage rgb;
    rgb.width = flat.width();
    rgb.height = flat.height();
    const auto rowBytes = static_cast<std::size_t>(rgb.width) * 3;
    rgb.rgb.resize(rowBytes * static_cast<std::size_t>(rgb.height));
    for (int row = 0; row < rgb.height; ++row)
        std::memcpy(rgb.rgb.data() + static_cast<std::size_t>(row) * rowBytes,
                    flat.constScanLine(row), rowBytes);
    return rgb;
}

void RasterCanvas::saveJpeg(const std::filesystem::path& path, int quality) const
{
    if (m_image.isNull())
        throw Error("There is no card-table picture to save.");
    encodeJpeg(path, toRgb(), quality);
}

} // namespace kestrava
