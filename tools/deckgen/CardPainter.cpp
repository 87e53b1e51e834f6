#include "CardPainter.h"

#include "Catalogue.h"
#include "MajorEmblems.h"
#include "Paint.h"
#include "SuitEmblems.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QStringList>
#include <cstdlib>

namespace kestrava::deckgen {
namespace {

const QRectF kInner(5, 5, kCardWidth - 10, kCardHeight - 10);
const QRectF kTopBand(10, 9, kCardWidth - 20, 26);
const QRectF kBottomBand(10, 190, kCardWidth - 20, 35);
const QRectF kPicture(15, 37, kCardWidth - 30, 150);

QFont serifFont(double pixels)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(pixels));
    return font;
}

// One line when it fits at a readable size, else two lines split at the
// blank nearest the middle.
void drawFittedText(QPainter& p, const QRectF& box, const QString& text, const QColor& colour,
                    int largest)
{
    p.setPen(colour);
    for (int size = largest; size >= 12; --size) {
        const QFont font = serifFont(size);
        if (QFontMetricsF(font).horizontalAdvance(text) <= box.width()) {
            p.setFont(font);
            p.drawText(box, Qt::AlignCenter, text);
            return;
        }
    }
    const QStringList words = text.split(QLatin1Char(' '));
    int best = 1;
    for (int cut = 1; cut < words.size(); ++cut) {
        const auto lengthOf = [&](int from, int to) {
            return words.mid(from, to - from).join(QLatin1Char(' ')).size();
        };
        if (std::abs(lengthOf(0, cut) - lengthOf(cut, words.size())) <
            std::abs(lengthOf(0, best) - lengthOf(best, words.size()))) {
            best = cut;
        }
    }
    const QString twoLines = words.mid(0, best).join(QLatin1Char(' ')) + QLatin1Char('\n') +
                             words.mid(best).join(QLatin1Char(' '));
    int size = largest;
    while (size > 8 &&
           QFontMetricsF(serifFont(size)).boundingRect(box, Qt::AlignCenter, twoLines).width() >
               box.width()) {
        --size;
    }
    p.setFont(serifFont(size));
    p.drawText(box, Qt::AlignCenter, twoLines);
}

// The card's edge in its frame colour around a parchment face with a double rule.
void paintFace(QPainter& p, const QColor& frame, const DeckStyle& style)
{
    p.fillRect(QRectF(0, 0, kCardWidth, kCardHeight), frame);
    fillAndStroke(p, rectPath(kInner.x(), kInner.y(), kInner.width(), kInner.height(), 6),
                  style.parchment, frame.darker(130), 1);
    strokeOnly(p, rectPath(8, 8, kCardWidth - 16, kCardHeight - 16, 4), frame, 1.4);
}

QPainterPath archedWindow(const QRectF& r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + 34);
    path.arcTo(QRectF(r.left(), r.top(), r.width(), 68), 180, -180);
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    return path;
}

void paintMajor(QPainter& p, const DeckStyle& style, int id)
{
    paintFace(p, style.majorFrame, style);
    drawFittedText(p, kTopBand, majorNumeral(id), style.majorFrame, 17);

    const QPainterPath window = archedWindow(kPicture);
    QLinearGradient sky(kPicture.topLeft(), kPicture.bottomLeft());
    sky.setColorAt(0, style.skyTop);
    sky.setColorAt(1, style.skyBottom);
    p.setBrush(sky);
    p.setPen(Qt::NoPen);
    p.drawPath(window);
    // A few fixed specks of starlight, placed by the card number so each
    // card's sky differs a little.
    p.save();
    p.setClipPath(window);
    QColor speck = style.pale;
    speck.setAlpha(150);
    p.setBrush(speck);
    for (int i = 0; i < 14; ++i) {
        const int seed = (id * 97 + i * 57) % 1000;
        const QPointF at(kPicture.left() + 4 + (seed * 7 % 106),
                         kPicture.top() + 4 + (seed * 13 % 142));
        p.drawEllipse(at, 0.9, 0.9);
    }
    p.restore();

    drawMajorEmblem(p, id, QRectF(kPicture.center().x() - 51, kPicture.top() + 30, 102, 102),
                    style);
    strokeOnly(p, window, style.gold, 2.6);
    strokeOnly(p, window, style.majorFrame, 1);
    drawFittedText(p, kBottomBand, majorTitle(id), style.ink, 15);
}

// Pip centres of ranks 1..10 in a unit box, in the usual card layouts.
std::vector<QPointF> pipLayout(int rank)
{
    const double l = 0.22, c = 0.5, r = 0.78;
    switch (rank) {
    case 2:
        return {{c, 0.16}, {c, 0.84}};
    case 3:
        return {{c, 0.13}, {c, 0.5}, {c, 0.87}};
    case 4:
        return {{l, 0.16}, {r, 0.16}, {l, 0.84}, {r, 0.84}};
    case 5:
        return {{l, 0.14}, {r, 0.14}, {c, 0.5}, {l, 0.86}, {r, 0.86}};
    case 6:
        return {{l, 0.12}, {r, 0.12}, {l, 0.5}, {r, 0.5}, {l, 0.88}, {r, 0.88}};
    case 7:
        return {{l, 0.12}, {r, 0.12}, {c, 0.31}, {l, 0.5}, {r, 0.5}, {l, 0.88}, {r, 0.88}};
    case 8:
        return {{l, 0.12}, {r, 0.12}, {c, 0.31}, {l, 0.5},
                {r, 0.5},  {c, 0.69}, {l, 0.88}, {r, 0.88}};
    case 9:
        return {{l, 0.1},  {r, 0.1},  {l, 0.37}, {r, 0.37}, {c, 0.5},
                {l, 0.63}, {r, 0.63}, {l, 0.9},  {r, 0.9}};
    case 10:
        return {{l, 0.1},  {r, 0.1},  {c, 0.235}, {l, 0.37}, {r, 0.37},
                {l, 0.63}, {r, 0.63}, {c, 0.765}, {l, 0.9},  {r, 0.9}};
    default:
        return {{c, 0.5}};
    }
}

void paintPips(QPainter& p, const SuitStyle& suitStyle, int suit, int rank)
{
    const QRectF area(kPicture.left() + 2, kPicture.top() + 4, kPicture.width() - 4,
                      kPicture.height() - 8);
    if (rank == 1) {
        QRadialGradient glow(area.center(), 62);
        glow.setColorAt(0, suitStyle.frame.lighter(170));
        glow.setColorAt(1, suitStyle.tint);
        p.setBrush(glow);
        p.setPen(Qt::NoPen);
        p.drawEllipse(area.center(), 56, 70);
        for (int i = 0; i < 24; ++i) {
            p.save();
            p.translate(area.center());
            p.rotate(i * 15);
            QPainterPath ray(QPointF(0, 40));
            ray.lineTo(0, i % 2 == 0 ? 56 : 50);
            strokeOnly(p, ray, suitStyle.frame, 1.6);
            p.restore();
        }
        drawSuitEmblem(p, suit, QRectF(area.center().x() - 42, area.center().y() - 42, 84, 84),
                       suitStyle);
        return;
    }
    // Wands and swords are narrow, so they may stand taller than cups and coins.
    const bool narrow = suit == 0 || suit == 2;
    const double size = (rank >= 9   ? 34
                         : rank >= 6 ? 38
                                     : 42) *
                        (narrow ? (rank >= 9   ? 1.12
                                   : rank == 3 ? 1.2
                                               : 1.3)
                                : 1);
    for (const QPointF& unit : pipLayout(rank)) {
        const QPointF centre(area.left() + unit.x() * area.width(),
                             area.top() + unit.y() * area.height());
        drawSuitEmblem(p, suit, QRectF(centre.x() - size / 2, centre.y() - size / 2, size, size),
                       suitStyle);
    }
}

void paintCourtFigure(QPainter& p, const SuitStyle& s, int suit, int rank)
{
    const QColor skin(0xF2, 0xD4, 0xB0);
    const QColor hair(0x4A, 0x33, 0x22);
    const QColor gold(0xE8, 0xC0, 0x50);
    const QColor goldLine(0x6E, 0x4C, 0x0C);
    const QColor steel(0xC8, 0xD0, 0xD8);

    QPainterPath robe;
    robe.moveTo(-36, 50);
    robe.lineTo(-30, 10);
    robe.quadTo(-28, 0, -14, -2);
    robe.lineTo(14, -2);
    robe.quadTo(28, 0, 30, 10);
    robe.lineTo(36, 50);
    robe.closeSubpath();
    if (rank == 13) {
        QPainterPath veil = ellipsePath(QPointF(0, -14), 20, 26);
        fillAndStroke(p, veil, hair, goldLine, 1.6);
    }
    fillAndStroke(p, robe, rank == 12 ? steel : s.frame, goldLine, 2);
    if (rank == 12) {
        for (double y : {10.0, 22.0, 34.0}) {
            QPainterPath plate(QPointF(-30, y));
            plate.quadTo(0, y + 8, 31, y);
            strokeOnly(p, plate, QColor(0x6A, 0x74, 0x80), 1.6);
        }
    } else {
        QPainterPath trim(QPointF(-12, -2));
        trim.lineTo(0, 12);
        trim.lineTo(12, -2);
        strokeOnly(p, trim, gold, 2.4);
        QPainterPath hem(QPointF(0, 12));
        hem.lineTo(0, 50);
        strokeOnly(p, hem, gold, 2.4);
    }
    fillAndStroke(p, rectPath(-4, -8, 8, 8), skin, goldLine, 1.2);
    fillAndStroke(p, circlePath(QPointF(0, -18), 12), skin, goldLine, 1.6);
    p.setBrush(hair);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(-4.5, -19), 1.6, 1.8);
    p.drawEllipse(QPointF(4.5, -19), 1.6, 1.8);

    switch (rank) {
    case 11: {
        // A soft cap with a long feather.
        fillAndStroke(p, ellipsePath(QPointF(0, -29), 15, 5.5), s.accent, goldLine, 1.6);
        QPainterPath feather(QPointF(8, -31));
        feather.quadTo(22, -46, 34, -42);
        feather.quadTo(22, -40, 10, -29);
        fillAndStroke(p, feather, QColor(0xF8, 0xF4, 0xE8), goldLine, 1.4);
        drawSuitEmblem(p, suit, QRectF(14, -30, 34, 34), s);
        break;
    }
    case 12: {
        // A closed helmet with a plume.
        QPainterPath helmet = circlePath(QPointF(0, -19), 13.5);
        helmet.addRect(QRectF(-13.5, -19, 27, 12));
        fillAndStroke(p, helmet.simplified(), steel, goldLine, 1.8);
        fillAndStroke(p, rectPath(-10, -21, 20, 3.5, 1.5), QColor(0x30, 0x36, 0x40), goldLine, 0.8);
        QPainterPath plume(QPointF(0, -32));
        plume.cubicTo(-6, -48, -24, -46, -30, -36);
        plume.cubicTo(-20, -40, -10, -38, -2, -30);
        fillAndStroke(p, plume, s.accent, goldLine, 1.4);
        p.save();
        p.translate(24, 12);
        p.rotate(30);
        drawSuitEmblem(p, suit, QRectF(-22, -22, 44, 44), s);
        p.restore();
        break;
    }
    case 13: {
        // A crown of rounded points.
        QPainterPath crown = polygonPath(
            {{-12, -27}, {-13, -37}, {-6, -31}, {0, -40}, {6, -31}, {13, -37}, {12, -27}});
        fillAndStroke(p, crown, gold, goldLine, 1.4);
        for (const QPointF& tip : {QPointF(-13, -38), QPointF(0, -41), QPointF(13, -38)}) {
            fillAndStroke(p, circlePath(tip, 2.2), QColor(0xF8, 0xF4, 0xE8), goldLine, 1);
        }
        drawSuitEmblem(p, suit, QRectF(-17, 4, 34, 34), s);
        break;
    }
    default: {
        // A tall crown with crosses and a beard.
        QPainterPath beard;
        beard.moveTo(-11, -16);
        beard.quadTo(-10, 2, 0, 4);
        beard.quadTo(10, 2, 11, -16);
        beard.quadTo(0, -9, -11, -16);
        fillAndStroke(p, beard, QColor(0x8A, 0x84, 0x80), goldLine, 1.2);
        QPainterPath crown = polygonPath(
            {{-13, -27}, {-14, -40}, {-7, -34}, {0, -44}, {7, -34}, {14, -40}, {13, -27}});
        fillAndStroke(p, crown, gold, goldLine, 1.4);
        for (double x : {-14.0, 0.0, 14.0}) {
            const double top = x == 0 ? -50 : -46;
            fillAndStroke(p, rectPath(x - 1, top, 2, 7), gold, goldLine, 0.8);
            fillAndStroke(p, rectPath(x - 3, top + 2, 6, 2), gold, goldLine, 0.8);
        }
        fillAndStroke(p, rectPath(-13, -30, 26, 4), s.frame.darker(140), goldLine, 1);
        drawSuitEmblem(p, suit, QRectF(8, -12, 40, 40), s);
        break;
    }
    }
}

void paintCourtBackground(QPainter& p, const QRectF& panel, const SuitStyle& s, int rank)
{
    fillAndStroke(p, rectPath(panel.x(), panel.y(), panel.width(), panel.height(), 5), s.tint,
                  s.frame, 1.4);
    p.save();
    p.setClipRect(panel.adjusted(1, 1, -1, -1));
    QColor motif = s.frame;
    motif.setAlpha(60);
    switch (rank) {
    case 11:
        // The page stands on open ground under a plain sky.
        p.setBrush(motif);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(panel.center().x(), panel.bottom() + 30), 90, 54);
        break;
    case 12:
        // The knight rides: slanting streaks of speed.
        for (int i = -6; i < 10; ++i) {
            QPainterPath streak(QPointF(panel.left() + i * 16, panel.bottom()));
            streak.lineTo(panel.left() + i * 16 + 60, panel.top());
            strokeOnly(p, streak, motif, 5);
        }
        break;
    case 13:
        // The queen's halo.
        p.setBrush(motif);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(panel.center().x(), panel.top() + 56), 40, 40);
        break;
    default:
        // The king's throne back.
        fillAndStroke(
            p, archedWindow(QRectF(panel.center().x() - 40, panel.top() + 16, 80, panel.height())),
            motif, s.frame, 1.2);
        break;
    }
    p.restore();
}

void paintMinor(QPainter& p, const DeckStyle& style, int id)
{
    const int suit = (id - 23) / 14;
    const int rank = (id - 23) % 14 + 1;
    const SuitStyle& s = style.suits[suit];
    paintFace(p, s.frame, style);
    drawFittedText(p, kTopBand, rankWord(rank).toUpper(), s.frame, 16);
    drawFittedText(p, kBottomBand, QStringLiteral("of ") + suitWord(suit), style.ink, 15);
    if (rank <= 10) {
        const QColor wash((s.tint.red() + style.parchment.red()) / 2,
                          (s.tint.green() + style.parchment.green()) / 2,
                          (s.tint.blue() + style.parchment.blue()) / 2);
        QColor edge = s.frame;
        edge.setAlpha(90);
        fillAndStroke(p,
                      rectPath(kPicture.x(), kPicture.y(), kPicture.width(), kPicture.height(), 5),
                      wash, edge, 1);
        paintPips(p, s, suit, rank);
        return;
    }
    paintCourtBackground(p, kPicture, s, rank);
    p.save();
    p.setClipRect(kPicture.adjusted(1, 1, -1, -1));
    EmblemFrame frame(p, QRectF(kPicture.left() + 2, kPicture.top() + 28, kPicture.width() - 4,
                                kPicture.width() - 4));
    paintCourtFigure(p, s, suit, rank);
    p.restore();
}

QImage newCard()
{
    QImage image(kCardWidth, kCardHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

QImage paintCard(const DeckStyle& style, int id)
{
    QImage image = newCard();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (id <= kMajorCount) {
        paintMajor(p, style, id);
    } else {
        paintMinor(p, style, id);
    }
    return image;
}

QImage paintBlankCard(const DeckStyle& style)
{
    QImage image = newCard();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintFace(p, style.majorFrame, style);
    QColor faint = style.majorFrame;
    faint.setAlpha(50);
    strokeOnly(p, rectPath(14, 14, kCardWidth - 28, kCardHeight - 28, 3), faint, 1);
    fillAndStroke(p, starPath(QPointF(kCardWidth / 2.0, kCardHeight / 2.0), 4, 9, 3), faint, faint,
                  0.5);
    return image;
}

QImage paintBack(const DeckStyle& style)
{
    QImage image = newCard();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, kCardWidth, kCardHeight), style.backField);
    const QRectF field(9, 9, kCardWidth - 18, kCardHeight - 18);
    p.save();
    p.setClipRect(field);
    for (int i = -20; i < 20; ++i) {
        const double x = kCardWidth / 2.0 + i * 14;
        QPainterPath rising(QPointF(x - 150, kCardHeight / 2.0 + 150));
        rising.lineTo(x + 150, kCardHeight / 2.0 - 150);
        QPainterPath falling(QPointF(x - 150, kCardHeight / 2.0 - 150));
        falling.lineTo(x + 150, kCardHeight / 2.0 + 150);
        strokeOnly(p, rising, style.backPattern, 1.2);
        strokeOnly(p, falling, style.backPattern, 1.2);
    }
    p.restore();
    strokeOnly(p, rectPath(field.x(), field.y(), field.width(), field.height(), 4),
               style.backMedallion, 2);
    strokeOnly(p, rectPath(13, 13, kCardWidth - 26, kCardHeight - 26, 3), style.backMedallion, 0.8);

    const QPointF centre(kCardWidth / 2.0, kCardHeight / 2.0);
    fillAndStroke(p, circlePath(centre, 38), style.backField, style.backMedallion, 2.4);
    strokeOnly(p, circlePath(centre, 33), style.backMedallion, 0.8);
    const double inner = style.backStarPoints <= 4 ? 7 : 13;
    fillAndStroke(p, starPath(centre, style.backStarPoints, 30, inner), style.backMedallion,
                  style.backField, 1);
    fillAndStroke(p, circlePath(centre, 5), style.backField, style.backMedallion, 1.4);
    for (int side : {-1, 1}) {
        const QPointF end = centre + QPointF(0, side * 72);
        fillAndStroke(p, starPath(end, 4, 12, 4), style.backMedallion, style.backField, 0.8);
        fillAndStroke(p, circlePath(centre + QPointF(0, side * 48), 3), style.backMedallion,
                      style.backField, 0.6);
    }
    return image;
}

} // namespace kestrava::deckgen
