#include "Splash.h"

#include "CardPainter.h"
#include "Catalogue.h"
#include "Paint.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace kestrava::deckgen {

QImage paintSplash()
{
    const DeckStyle style = mainDeckStyle();
    QImage image(kSplashWidth, kSplashHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, kSplashHeight);
    sky.setColorAt(0, style.skyTop);
    sky.setColorAt(1, style.skyBottom);
    p.fillRect(image.rect(), sky);
    QColor speck = style.pale;
    speck.setAlpha(170);
    p.setPen(Qt::NoPen);
    p.setBrush(speck);
    for (int i = 0; i < 60; ++i) {
        const int seed = (i * 7919 + 13) % 10007;
        p.drawEllipse(QPointF(seed % kSplashWidth, (seed / 7) % kSplashHeight), 0.9, 0.9);
    }
    fillAndStroke(p, starPath(QPointF(44, 52), 8, 14, 5), style.gold, style.goldLine, 1);

    // A fan of five trumps on the right: the Fool leads the Star, the Sun,
    // the Moon and the World.
    const int fan[] = {21, 17, 19, 18, 22};
    const QPointF pivot(408, 536);
    for (int i = 0; i < 5; ++i) {
        const QImage card = paintCard(style, fan[i]);
        p.save();
        p.translate(pivot);
        p.rotate(-15 + i * 7.5);
        const QRectF target(-39, -430, 78, 78.0 * kCardHeight / kCardWidth);
        p.fillRect(target.translated(3, 3), QColor(0, 0, 0, 90));
        p.drawImage(target, card);
        p.restore();
    }

    p.setPen(style.gold);
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setBold(true);
    title.setPixelSize(40);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(title);
    p.drawText(QRectF(22, 78, 260, 50), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("KESTRAVA"));
    QFont subtitle(QStringLiteral("DejaVu Serif"));
    subtitle.setItalic(true);
    subtitle.setPixelSize(16);
    p.setFont(subtitle);
    p.setPen(style.pale);
    p.drawText(QRectF(26, 128, 240, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Tarot readings and a diary"));
    QPainterPath rule(QPointF(26, 160));
    rule.lineTo(236, 160);
    strokeOnly(p, rule, style.gold, 1.2);
    return image;
}

} // namespace kestrava::deckgen
