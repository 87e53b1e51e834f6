#include "SuitEmblems.h"

#include "Paint.h"

#include <tuple>

namespace kestrava::deckgen {
namespace {

void drawWand(QPainter& p, const SuitStyle& s)
{
    // A living branch: a staff with a budding tip and three leaves.
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(9, -9, 20, -4);
    leaf.quadTo(9, 3, 0, 0);
    for (const auto& [x, y, angle] : {std::tuple{5.0, -30.0, -20.0}, std::tuple{-5.0, -12.0, 200.0},
                                      std::tuple{5.0, 8.0, -10.0}}) {
        p.save();
        p.translate(x, y);
        p.rotate(angle);
        fillAndStroke(p, leaf, s.accent, s.line, 1.6);
        p.restore();
    }
    fillAndStroke(p, rectPath(-6, -42, 12, 90, 5), s.fill, s.line, 2.4);
    for (double y : {-22.0, 4.0, 28.0}) {
        QPainterPath knot;
        knot.moveTo(-6, y);
        knot.quadTo(0, y + 4, 6, y);
        strokeOnly(p, knot, s.line, 1.8);
    }
    fillAndStroke(p, ellipsePath(QPointF(0, -44), 7, 6), s.accent, s.line, 2);
}

void drawCup(QPainter& p, const SuitStyle& s)
{
    QPainterPath bowl;
    bowl.moveTo(-32, -36);
    bowl.lineTo(32, -36);
    bowl.cubicTo(32, -8, 18, 4, 0, 6);
    bowl.cubicTo(-18, 4, -32, -8, -32, -36);
    fillAndStroke(p, bowl, s.fill, s.line, 2.6);
    fillAndStroke(p, ellipsePath(QPointF(0, -36), 32, 6), s.accent, s.line, 2.2);
    QPainterPath band;
    band.moveTo(-29, -22);
    band.quadTo(0, -14, 29, -22);
    strokeOnly(p, band, s.line, 1.6);
    fillAndStroke(p, rectPath(-5, 5, 10, 24), s.accent, s.line, 2.2);
    fillAndStroke(p, ellipsePath(QPointF(0, 17), 8, 4), s.accent, s.line, 1.8);
    QPainterPath foot;
    foot.moveTo(-24, 42);
    foot.quadTo(-20, 30, -5, 28);
    foot.lineTo(5, 28);
    foot.quadTo(20, 30, 24, 42);
    foot.closeSubpath();
    fillAndStroke(p, foot, s.accent, s.line, 2.2);
}

void drawSword(QPainter& p, const SuitStyle& s)
{
    QPainterPath blade = polygonPath({{0, -48}, {7, -38}, {6, 20}, {-6, 20}, {-7, -38}});
    fillAndStroke(p, blade, s.fill, s.line, 2.2);
    QPainterPath ridge(QPointF(0, -40));
    ridge.lineTo(0, 17);
    strokeOnly(p, ridge, s.line, 1.2);
    QPainterPath guard;
    guard.moveTo(-24, 19);
    guard.quadTo(0, 28, 24, 19);
    guard.lineTo(24, 25);
    guard.quadTo(0, 33, -24, 25);
    guard.closeSubpath();
    fillAndStroke(p, guard, s.accent, s.line, 2);
    fillAndStroke(p, rectPath(-4, 28, 8, 14, 2), s.line, s.line, 1);
    fillAndStroke(p, circlePath(QPointF(0, 45), 5), s.accent, s.line, 2);
}

void drawCoin(QPainter& p, const SuitStyle& s)
{
    fillAndStroke(p, circlePath(QPointF(0, 0), 40), s.fill, s.line, 2.6);
    strokeOnly(p, circlePath(QPointF(0, 0), 33), s.line, 1.6);
    const QPainterPath star = starPath(QPointF(0, 0), 5, 29, 11.5);
    fillAndStroke(p, star, s.accent, s.line, 1.8);
}

} // namespace

void drawSuitEmblem(QPainter& painter, int suit, const QRectF& box, const SuitStyle& style)
{
    EmblemFrame frame(painter, box);
    switch (suit) {
    case 0:
        drawWand(painter, style);
        break;
    case 1:
        drawCup(painter, style);
        break;
    case 2:
        drawSword(painter, style);
        break;
    default:
        drawCoin(painter, style);
        break;
    }
}

} // namespace kestrava::deckgen
