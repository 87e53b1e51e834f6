#include "raster/RasterCanvas.h"

#include "core/Error.h"
#include "core/reading/DisplayText.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <cstring>
#include <memory>

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
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
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
    m_image.fill(Qt::transparent);
}

void RasterCanvas::drawRectangle(const PixelRect& rect, bool filled)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return;
    QPainter painter(&m_image);
    if (filled)
        painter.fillRect(rect.left, rect.top, width, height, Qt::white);
    // Four one-pixel bands, so the outline covers exactly the edge pixels.
    painter.fillRect(rect.left, rect.top, width, 1, Qt::black);
    painter.fillRect(rect.left, rect.bottom - 1, width, 1, Qt::black);
    painter.fillRect(rect.left, rect.top, 1, height, Qt::black);
    painter.fillRect(rect.right - 1, rect.top, 1, height, Qt::black);
}

void RasterCanvas::drawJpeg(const std::filesystem::path& file, int x, int y)
{
    const QImage picture = toQImage(decodeJpeg(file));
    QPainter painter(&m_image);
    painter.drawImage(x, y, picture);
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
