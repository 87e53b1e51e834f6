#include "Icon.h"

#include "Paint.h"

#include <QPainter>
#include <cmath>

namespace kestrava::deckgen {

QImage paintIcon(const DeckStyle& style, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A card a little wider than the real one, so the icon does not look thin
    // beside square ones; whole pixels keep the small edges sharp.
    const double s = size;
    const double height = std::round(s * 0.94);
    const double width = std::round(s * 0.68);
    const QRectF card((s - width) / 2, (s - height) / 2, width, height);
    const double unit = width / 100; // card widths in hundredths
    const QPointF centre = card.center();
    const bool small = size < 32;

    QColor shadow(0, 0, 0, 70);
    if (size >= 48)
        fillAndStroke(
            p, rectPath(card.x() + unit * 2.5, card.y() + unit * 2.5, width, height, unit * 7),
            shadow, Qt::transparent, 0);
    fillAndStroke(p, rectPath(card.x(), card.y(), width, height, std::max(1.5, unit * 7)),
                  style.backField, style.backField.darker(160), std::max(1.0, unit * 1.2));

    const QRectF field = card.adjusted(unit * 8, unit * 8, -unit * 8, -unit * 8);
    if (size >= 48) {
        // The lattice of the back, one line every ten hundredths.
        p.save();
        p.setClipRect(field);
        const double step = unit * 12;
        for (int i = -12; i <= 12; ++i) {
            const double x = centre.x() + i * step;
            QPainterPath rising(QPointF(x - height, centre.y() + height));
            rising.lineTo(x + height, centre.y() - height);
            QPainterPath falling(QPointF(x - height, centre.y() - height));
            falling.lineTo(x + height, centre.y() + height);
            strokeOnly(p, rising, style.backPattern, unit * 1.1);
            strokeOnly(p, falling, style.backPattern, unit * 1.1);
        }
        p.restore();
    }
    if (!small)
        strokeOnly(p, rectPath(field.x(), field.y(), field.width(), field.height(), unit * 4),
                   style.backMedallion, std::max(1.0, unit * 2));

    // The medallion with its star: the one thing left at the smallest size.
    const double radius = unit * (small ? 40 : 34);
    fillAndStroke(p, circlePath(centre, radius), style.backField, style.backMedallion,
                  std::max(1.0, unit * 2.6));
    const double inner = style.backStarPoints <= 4 ? 0.23 : 0.43;
    fillAndStroke(p, starPath(centre, style.backStarPoints, radius * 0.8, radius * 0.8 * inner),
                  style.backMedallion, style.backField, small ? 0 : unit);
    if (size >= 64) {
        strokeOnly(p, circlePath(centre, radius * 0.88), style.backMedallion, unit * 0.8);
        fillAndStroke(p, circlePath(centre, unit * 5), style.backField, style.backMedallion,
                      unit * 1.4);
        for (int side : {-1, 1}) {
            const QPointF end = centre + QPointF(0, side * height * 0.31);
            fillAndStroke(p, starPath(end, 4, unit * 10, unit * 3.5), style.backMedallion,
                          style.backField, unit * 0.8);
        }
    }
    return image;
}

} // namespace kestrava::deckgen
