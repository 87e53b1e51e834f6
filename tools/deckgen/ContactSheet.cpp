#include "ContactSheet.h"

#include "core/TextFile.h"
#include "core/jpeg/JpegFile.h"

#include <QFont>
#include <QPainter>
#include <string>
#include <vector>

namespace kestrava::deckgen {
namespace {

namespace fs = std::filesystem;

QImage loadPicture(const fs::path& path)
{
    const RgbImage picture = decodeJpeg(path);
    QImage image(picture.rgb.data(), picture.width, picture.height, picture.width * 3,
                 QImage::Format_RGB888);
    return image.copy();
}

struct Entry
{
    fs::path path;
    QString label;
};

} // namespace

QImage paintContactSheet(const fs::path& deckFolder, int columns, QSize cardSize)
{
    std::vector<Entry> entries;
    const auto count = static_cast<int>(listFiles(deckFolder / "normal").size());
    for (int id = 1; id <= count; ++id) {
        entries.push_back(
            {deckFolder / "normal" / (std::to_string(id) + ".jpg"), QString::number(id)});
    }
    entries.push_back({deckFolder / "back.jpg", QStringLiteral("back")});
    entries.push_back({deckFolder / "blank" / "0.jpg", QStringLiteral("blank 0")});

    const int gap = 6;
    const int labelHeight = 14;
    const int rows = (static_cast<int>(entries.size()) + columns - 1) / columns;
    const int cellWidth = cardSize.width() + gap;
    const int cellHeight = cardSize.height() + labelHeight + gap;
    QImage sheet(gap + columns * cellWidth, gap + rows * cellHeight, QImage::Format_RGB32);
    sheet.fill(QColor(0xE4, 0xE0, 0xD8));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    p.setFont(font);
    p.setPen(QColor(0x30, 0x2A, 0x24));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int column = static_cast<int>(i) % columns;
        const int row = static_cast<int>(i) / columns;
        const QRect card(gap + column * cellWidth, gap + row * cellHeight, cardSize.width(),
                         cardSize.height());
        p.drawImage(card, loadPicture(entries[i].path));
        p.drawText(QRect(card.left(), card.bottom() + 1, card.width(), labelHeight),
                   Qt::AlignCenter, entries[i].label);
    }
    return sheet;
}

} // namespace kestrava::deckgen
