#include "MajorEmblems.h"

#include "Paint.h"

#include <cmath>
#include <numbers>

namespace kestrava::deckgen {
namespace {

const QColor kRed(0xC0, 0x3A, 0x2B);
const QColor kDarkRed(0x6A, 0x14, 0x10);
const QColor kBlue(0x7C, 0xC0, 0xEA);
const QColor kGreen(0x5E, 0xA0, 0x48);
const QColor kDarkGreen(0x24, 0x4E, 0x20);
const QColor kStone(0x9A, 0x92, 0x86);
const QColor kStoneLine(0x3A, 0x34, 0x2C);
const QColor kShadow(0x16, 0x14, 0x22);
const QColor kFlame(0xF2, 0x8A, 0x2A);

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

QPointF polar(double radius, double degrees)
{
    return {radius * std::cos(radians(degrees)), radius * std::sin(radians(degrees))};
}

// Draws with the deck's gold and outline unless told otherwise.
struct Ink
{
    QPainter& p;
    const DeckStyle& s;
    void gold(const QPainterPath& path, double width = 2.2) const
    {
        fillAndStroke(p, path, s.gold, s.goldLine, width);
    }
    void pale(const QPainterPath& path, double width = 2.0) const
    {
        fillAndStroke(p, path, s.pale, s.goldLine, width);
    }
    void fill(const QPainterPath& path, const QColor& colour, double width = 2.0) const
    {
        fillAndStroke(p, path, colour, s.goldLine, width);
    }
    void line(const QPainterPath& path, const QColor& colour, double width) const
    {
        strokeOnly(p, path, colour, width);
    }
};

QPainterPath segment(QPointF a, QPointF b)
{
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

QPainterPath lemniscate(QPointF centre, double halfWidth)
{
    QPainterPath path;
    for (int i = 0; i <= 72; ++i) {
        const double t = 2 * std::numbers::pi * i / 72;
        const double d = 1 + std::sin(t) * std::sin(t);
        const QPointF point = centre + QPointF(halfWidth * std::cos(t) / d,
                                               halfWidth * std::sin(t) * std::cos(t) / d);
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    return path;
}

QPainterPath crescent(QPointF centre, double radius, QPointF bite, double biteRadius)
{
    return circlePath(centre, radius) - circlePath(centre + bite, biteRadius);
}

QPainterPath heart(QPointF centre, double size)
{
    QPainterPath path;
    const double x = centre.x();
    const double y = centre.y();
    path.moveTo(x, y + size);
    path.cubicTo(x - size * 1.4, y + size * 0.1, x - size * 0.9, y - size * 1.0, x, y - size * 0.4);
    path.cubicTo(x + size * 0.9, y - size * 1.0, x + size * 1.4, y + size * 0.1, x, y + size);
    return path;
}

QPainterPath rose(QPointF centre, double radius)
{
    QPainterPath petals;
    for (int i = 0; i < 5; ++i) {
        petals =
            petals.united(circlePath(centre + polar(radius * 0.55, i * 72 - 90), radius * 0.5));
    }
    return petals;
}

QPainterPath cloud(QPointF centre, double size)
{
    QPainterPath path = ellipsePath(centre + QPointF(0, size * 0.2), size * 1.3, size * 0.45);
    path = path.united(circlePath(centre + QPointF(-size * 0.55, 0), size * 0.5));
    path = path.united(circlePath(centre + QPointF(size * 0.15, -size * 0.25), size * 0.65));
    path = path.united(circlePath(centre + QPointF(size * 0.8, size * 0.05), size * 0.45));
    return path;
}

QPainterPath smallCup(QPointF at, double size)
{
    QPainterPath bowl;
    bowl.moveTo(at + QPointF(-size, -size));
    bowl.lineTo(at + QPointF(size, -size));
    bowl.quadTo(at + QPointF(size, size * 0.2), at + QPointF(0, size * 0.3));
    bowl.quadTo(at + QPointF(-size, size * 0.2), at + QPointF(-size, -size));
    bowl.addRect(QRectF(at + QPointF(-size * 0.18, size * 0.3), QSizeF(size * 0.36, size * 0.6)));
    bowl.addRect(QRectF(at + QPointF(-size * 0.6, size * 0.9), QSizeF(size * 1.2, size * 0.25)));
    return bowl;
}

void magician(const Ink& k)
{
    k.line(lemniscate(QPointF(0, -38), 20), k.s.gold, 4.5);
    k.gold(rectPath(-40, 18, 80, 8, 1.5));
    k.gold(rectPath(-34, 26, 5, 20));
    k.gold(rectPath(29, 26, 5, 20));
    k.p.save();
    k.p.rotate(-12);
    k.pale(rectPath(-3, -26, 6, 36, 2.5));
    k.p.restore();
    k.gold(circlePath(QPointF(-27, 12), 5));
    k.fill(smallCup(QPointF(-9, 11), 5), kBlue, 1.5);
    k.fill(polygonPath({{14, 15}, {16, 3}, {18, 15}}), k.s.pale, 1.4);
    k.fill(rectPath(12, 14, 8, 2), k.s.gold, 1);
    k.fill(rectPath(25, 5, 4, 12, 1.5), kGreen, 1.4);
}

void highPriestess(const Ink& k)
{
    k.fill(rectPath(-42, -30, 14, 72), kShadow, 2.2);
    k.pale(rectPath(28, -30, 14, 72));
    k.gold(rectPath(-45, -36, 20, 7, 1));
    k.gold(rectPath(25, -36, 20, 7, 1));
    k.gold(rectPath(-45, 40, 20, 6, 1));
    k.gold(rectPath(25, 40, 20, 6, 1));
    k.pale(circlePath(QPointF(0, -32), 9));
    k.pale(crescent(QPointF(-17, -32), 8, QPointF(-5, 0), 7));
    k.pale(crescent(QPointF(17, -32), 8, QPointF(5, 0), 7));
    QPainterPath veil;
    veil.moveTo(-24, -16);
    veil.quadTo(0, -6, 24, -16);
    veil.lineTo(24, 30);
    veil.quadTo(0, 24, -24, 30);
    veil.closeSubpath();
    k.fill(veil, kBlue, 2);
    k.pale(crescent(QPointF(0, 30), 15, QPointF(0, -7), 14));
    k.gold(rectPath(-10, -4, 20, 24, 2));
    k.line(segment({-6, 4}, {6, 4}), k.s.goldLine, 1.4);
    k.line(segment({-6, 10}, {6, 10}), k.s.goldLine, 1.4);
}

void empress(const Ink& k)
{
    for (int i = 0; i < 7; ++i) {
        k.gold(starPath(polar(36, 200 + i * 23.3) + QPointF(0, -2), 6, 5, 2), 1.2);
    }
    k.line(circlePath(QPointF(0, -8), 17), k.s.gold, 7);
    k.line(circlePath(QPointF(0, -8), 17), k.s.goldLine, 1.2);
    k.gold(rectPath(-4, 8, 8, 36, 1));
    k.gold(rectPath(-16, 22, 32, 8, 1));
    for (int side : {-1, 1}) {
        QPainterPath stalk;
        stalk.moveTo(side * 30, 44);
        stalk.quadTo(side * 34, 20, side * 30, 2);
        k.line(stalk, kGreen, 2.2);
        for (int i = 0; i < 4; ++i) {
            k.gold(ellipsePath(QPointF(side * (30 + (i % 2 == 0 ? -3 : 3)), 6 + i * 7), 3, 5), 1);
        }
    }
}

void emperor(const Ink& k)
{
    k.fill(rectPath(-30, 0, 60, 44, 2), kStone, 2.4);
    k.line(rectPath(-22, 8, 44, 28), kStoneLine, 1.4);
    for (int side : {-1, 1}) {
        QPainterPath horn;
        const double x = side * 30;
        horn.moveTo(x, 2);
        horn.cubicTo(x + side * 14, -4, x + side * 16, 16, x + side * 6, 16);
        horn.cubicTo(x - side * 2, 16, x - side * 2, 8, x + side * 4, 8);
        k.line(horn, k.s.gold, 4);
    }
    k.gold(circlePath(QPointF(0, -18), 13));
    k.line(segment({-13, -18}, {13, -18}), k.s.goldLine, 1.5);
    k.gold(rectPath(-2.5, -44, 5, 14));
    k.gold(rectPath(-8, -40, 16, 5));
    k.fill(rectPath(-6, 14, 12, 12), kRed, 1.6);
}

void hierophant(const Ink& k)
{
    k.gold(rectPath(-3, -46, 6, 70, 1));
    k.gold(rectPath(-10, -40, 20, 5, 1));
    k.gold(rectPath(-15, -30, 30, 5, 1));
    k.gold(rectPath(-20, -20, 40, 5, 1));
    for (int side : {-1, 1}) {
        k.p.save();
        k.p.translate(0, 32);
        k.p.rotate(side * 40);
        const QColor metal = side < 0 ? k.s.gold : k.s.pale;
        k.fill(rectPath(-2.5, -22, 5, 34), metal, 1.6);
        k.fill(circlePath(QPointF(0, 15), 6), metal, 1.6);
        k.fill(rectPath(-2.5, -22, 9, 5), metal, 1.4);
        k.fill(rectPath(-2.5, -14, 7, 4), metal, 1.4);
        k.p.restore();
    }
}

void lovers(const Ink& k)
{
    k.gold(starPath(QPointF(0, -34), 12, 12, 7), 1.4);
    for (int side : {-1, 1}) {
        QPainterPath wing;
        wing.moveTo(side * 8, 0);
        wing.cubicTo(side * 26, -26, side * 46, -20, side * 48, -10);
        for (int i = 0; i < 4; ++i) {
            wing.quadTo(side * (44 - i * 9), -2 + i * 2, side * (40 - i * 9), 4 + i * 4);
        }
        wing.lineTo(side * 8, 10);
        wing.closeSubpath();
        k.pale(wing, 1.8);
    }
    k.fill(heart(QPointF(0, 8), 19), kRed, 2.4);
    k.fill(heart(QPointF(0, 8), 10), QColor(0xE8, 0x6A, 0x5A), 1.2);
}

void chariot(const Ink& k)
{
    QPainterPath canopy;
    canopy.moveTo(-36, -20);
    canopy.quadTo(0, -48, 36, -20);
    canopy.closeSubpath();
    k.fill(canopy, kBlue, 2);
    for (const QPointF& at : {QPointF(-14, -27), QPointF(0, -32), QPointF(14, -27)}) {
        k.gold(starPath(at, 5, 4, 1.8), 0.8);
    }
    k.gold(rectPath(-33, -20, 5, 26));
    k.gold(rectPath(28, -20, 5, 26));
    k.gold(polygonPath({{-38, 6}, {38, 6}, {30, 30}, {-30, 30}}), 2.4);
    k.fill(circlePath(QPointF(0, 16), 7), kRed, 1.6);
    for (double x : {-26.0, 26.0}) {
        k.pale(circlePath(QPointF(x, 34), 11), 2.4);
        for (int i = 0; i < 4; ++i) {
            k.line(segment(QPointF(x, 34) + polar(10, i * 45), QPointF(x, 34) - polar(10, i * 45)),
                   k.s.goldLine, 1.2);
        }
    }
}

void justice(const Ink& k)
{
    k.pale(polygonPath({{0, -48}, {4, -40}, {4, 28}, {-4, 28}, {-4, -40}}));
    k.gold(rectPath(-12, 26, 24, 5, 2));
    k.gold(rectPath(-3, 31, 6, 10));
    k.gold(circlePath(QPointF(0, 44), 4));
    k.gold(rectPath(-40, -26, 80, 5, 2));
    for (int side : {-1, 1}) {
        const double x = side * 34;
        k.line(segment({x, -22}, {x - 12, 6}), k.s.gold, 1.4);
        k.line(segment({x, -22}, {x + 12, 6}), k.s.gold, 1.4);
        QPainterPath pan;
        pan.moveTo(x - 14, 6);
        pan.quadTo(x, 20, x + 14, 6);
        pan.closeSubpath();
        k.gold(pan);
    }
}

void hermit(const Ink& k)
{
    for (int i = 0; i < 12; ++i) {
        k.line(segment(polar(26, i * 30) + QPointF(0, 4), polar(36, i * 30) + QPointF(0, 4)),
               k.s.gold, 1.6);
    }
    k.gold(rectPath(-2, -46, 4, 12));
    k.gold(circlePath(QPointF(0, -46), 3), 1.2);
    k.gold(polygonPath({{-12, -34}, {12, -34}, {16, -28}, {-16, -28}}));
    k.fill(polygonPath({{-16, -28}, {16, -28}, {14, 26}, {-14, 26}}), QColor(0xFB, 0xE9, 0x9E),
           2.2);
    k.gold(starPath(QPointF(0, 0), 6, 11, 6, -90), 1.4);
    k.gold(polygonPath({{-16, 26}, {16, 26}, {12, 34}, {-12, 34}}));
    k.line(segment({-16, -28}, {-14, 26}), k.s.goldLine, 2.4);
    k.line(segment({16, -28}, {14, 26}), k.s.goldLine, 2.4);
    k.fill(rectPath(30, -40, 5, 88, 2), QColor(0x9B, 0x6A, 0x3A), 1.6);
}

void wheel(const Ink& k)
{
    k.gold(circlePath(QPointF(0, 0), 44), 2.4);
    k.fill(circlePath(QPointF(0, 0), 34), QColor(0x2E, 0x3A, 0x78), 2);
    for (int i = 0; i < 4; ++i) {
        k.line(segment(polar(34, i * 45), polar(-34, i * 45)), k.s.gold, 3.5);
    }
    k.pale(circlePath(QPointF(0, 0), 14));
    k.gold(circlePath(QPointF(0, 0), 6), 1.6);
    for (int i = 0; i < 8; ++i) {
        k.pale(circlePath(polar(39, i * 45 + 22.5), 3), 1);
    }
}

void strength(const Ink& k)
{
    k.line(lemniscate(QPointF(0, -42), 14), k.s.pale, 3);
    QPainterPath mane;
    for (int i = 0; i < 14; ++i) {
        mane = mane.united(circlePath(polar(27, i * 360.0 / 14) + QPointF(0, 6), 11));
    }
    k.fill(mane, kFlame, 2);
    k.gold(circlePath(QPointF(0, 6), 24), 2);
    k.fill(ellipsePath(QPointF(-9, 0), 3.5, 4.5), kShadow, 1);
    k.fill(ellipsePath(QPointF(9, 0), 3.5, 4.5), kShadow, 1);
    k.fill(polygonPath({{-6, 9}, {6, 9}, {0, 16}}), QColor(0x8A, 0x3A, 0x20), 1.2);
    QPainterPath mouth;
    mouth.moveTo(-9, 20);
    mouth.quadTo(-4, 24, 0, 16);
    mouth.quadTo(4, 24, 9, 20);
    k.line(mouth, k.s.goldLine, 1.8);
}

void hangedMan(const Ink& k)
{
    const QColor wood(0x7A, 0x9A, 0x4A);
    k.fill(rectPath(-40, -46, 80, 7, 2), wood, 2);
    k.fill(rectPath(-40, -40, 7, 86, 2), wood, 2);
    k.fill(rectPath(33, -40, 7, 86, 2), wood, 2);
    k.line(segment({0, -39}, {0, -32}), k.s.pale, 2);
    // The figure hangs head down, one leg straight, the other crossed behind it.
    k.fill(rectPath(-3.5, -33, 7, 34, 3), kRed, 1.6);
    k.fill(polygonPath({{-3, -16}, {14, -18}, {14, -12}, {-1, -8}}), kRed, 1.6);
    k.fill(polygonPath({{14, -18}, {14, -2}, {9, -2}, {9, -14}}), kRed, 1.6);
    k.fill(polygonPath({{-10, 0}, {10, 0}, {7, 24}, {-7, 24}}), kBlue, 1.8);
    k.fill(polygonPath({{-10, 2}, {-18, 16}, {-6, 22}}), kBlue, 1.6);
    k.fill(polygonPath({{10, 2}, {18, 16}, {6, 22}}), kBlue, 1.6);
    k.line(circlePath(QPointF(0, 33), 12), k.s.gold, 3);
    k.pale(circlePath(QPointF(0, 32), 7.5));
}

void death(const Ink& k)
{
    k.fill(rectPath(-3, -40, 6, 86, 2), QColor(0x9B, 0x6A, 0x3A), 1.8);
    QPainterPath blade;
    blade.moveTo(-1, -40);
    blade.cubicTo(-18, -50, -40, -40, -46, -22);
    blade.cubicTo(-34, -34, -18, -36, -1, -30);
    blade.closeSubpath();
    k.pale(blade, 2);
    k.fill(rectPath(-10, -6, 20, 4, 1.5), QColor(0x9B, 0x6A, 0x3A), 1.4);
    const QPointF flower(26, 26);
    QPainterPath stem(flower + QPointF(0, 6));
    stem.quadTo(flower + QPointF(-4, 14), flower + QPointF(0, 20));
    k.line(stem, kGreen, 2.4);
    k.pale(rose(flower, 11), 1.6);
    k.gold(circlePath(flower, 4), 1.2);
}

void temperance(const Ink& k)
{
    k.gold(polygonPath({{0, -48}, {10, -32}, {-10, -32}}), 1.8);
    k.line(rectPath(-8, -30, 16, 14), k.s.gold, 2.2);
    QPainterPath stream;
    stream.moveTo(-20, -4);
    stream.cubicTo(-6, -10, 8, 4, 18, 18);
    k.line(stream, k.s.goldLine, 8);
    k.line(stream, kBlue, 5.5);
    k.p.save();
    k.p.translate(-26, -2);
    k.p.rotate(-50);
    k.gold(smallCup(QPointF(0, 0), 11));
    k.p.restore();
    k.gold(smallCup(QPointF(22, 30), 11));
    for (double x : {-36.0, -26.0, 34.0}) {
        k.fill(ellipsePath(QPointF(x, 42), 5, 3), kGreen, 1);
    }
}

void devil(const Ink& k)
{
    for (int side : {-1, 1}) {
        QPainterPath horn;
        horn.moveTo(side * 10, -20);
        horn.cubicTo(side * 24, -24, side * 34, -36, side * 30, -50);
        horn.cubicTo(side * 42, -36, side * 36, -16, side * 18, -10);
        horn.closeSubpath();
        k.pale(horn, 1.8);
    }
    k.fill(circlePath(QPointF(0, 4), 28), kDarkRed, 2.4);
    k.gold(starPath(QPointF(0, 4), 5, 24, 9.5, 90), 1.6);
    for (int side : {-1, 1}) {
        for (int i = 0; i < 3; ++i) {
            k.line(ellipsePath(QPointF(side * 20, 36 + i * 7), 2.5, 4), k.s.pale, 1.6);
        }
    }
}

void tower(const Ink& k)
{
    k.fill(rectPath(-14, -14, 28, 60), kStone, 2.2);
    for (const QPointF& at : {QPointF(-6, 0), QPointF(6, 14), QPointF(-6, 28)}) {
        k.fill(rectPath(at.x() - 3, at.y() - 4, 6, 9, 2), kFlame, 1.2);
    }
    k.p.save();
    k.p.translate(-10, -22);
    k.p.rotate(-28);
    k.gold(
        polygonPath(
            {{-12, 6}, {-12, -4}, {-7, 0}, {-3, -8}, {0, 0}, {3, -8}, {7, 0}, {12, -4}, {12, 6}}),
        1.6);
    k.p.restore();
    k.fill(polygonPath({{-14, -14}, {-6, -22}, {2, -14}, {8, -24}, {14, -14}}), kStone, 1.8);
    k.gold(
        polygonPath({{44, -50}, {22, -24}, {30, -22}, {12, -4}, {38, -30}, {30, -32}, {48, -50}}),
        1.4);
    for (const QPointF& at :
         {QPointF(-30, -6), QPointF(28, 6), QPointF(-34, 20), QPointF(32, 30)}) {
        k.fill(polygonPath({at + QPointF(0, -4), at + QPointF(3, 0), at + QPointF(0, 4),
                            at + QPointF(-3, 0)}),
               kFlame, 1);
    }
}

void star(const Ink& k)
{
    k.gold(starPath(QPointF(0, -18), 8, 26, 10), 2);
    k.pale(starPath(QPointF(0, -18), 8, 12, 5, -67.5), 1.2);
    for (int i = 0; i < 7; ++i) {
        const double angle = 160 + i * 36.6;
        k.pale(starPath(QPointF(0, -6) + polar(40, angle), 8, 6, 2.5), 0.9);
    }
    QPainterPath water;
    water.moveTo(-46, 30);
    for (int i = 0; i < 4; ++i) {
        water.quadTo(-34 + i * 23, 24, -23 + i * 23, 30);
    }
    water.lineTo(46, 46);
    water.lineTo(-46, 46);
    water.closeSubpath();
    k.fill(water, kBlue, 2);
}

void moon(const Ink& k)
{
    k.pale(crescent(QPointF(0, -18), 24, QPointF(10, -6), 21), 2);
    for (int i = 0; i < 5; ++i) {
        k.gold(ellipsePath(QPointF(-24 + i * 12, 12 + (i % 2) * 5), 2, 3), 1);
    }
    for (int side : {-1, 1}) {
        k.fill(rectPath(side * 36 - 7, 14, 14, 32), kStone, 2);
        k.fill(polygonPath({{side * 36 - 9.0, 14}, {side * 36 + 9.0, 14}, {side * 36.0, 4}}),
               kStone, 1.8);
        k.fill(rectPath(side * 36 - 2, 24, 4, 6, 1.5), k.s.gold, 1);
    }
    QPainterPath road;
    road.moveTo(-3, 46);
    road.quadTo(-10, 36, 0, 28);
    road.lineTo(4, 28);
    road.quadTo(-4, 36, 5, 46);
    road.closeSubpath();
    k.gold(road, 1.4);
}

void sun(const Ink& k)
{
    for (int i = 0; i < 16; ++i) {
        const double angle = i * 22.5;
        if (i % 2 == 0) {
            k.gold(polygonPath({polar(24, angle - 7), polar(46, angle), polar(24, angle + 7)}),
                   1.4);
        } else {
            QPainterPath ray(polar(24, angle));
            ray.cubicTo(polar(31, angle - 8), polar(35, angle + 8), polar(42, angle));
            k.line(ray, k.s.gold, 3);
        }
    }
    k.fill(circlePath(QPointF(0, 0), 24), QColor(0xF7, 0xC8, 0x3C), 2.4);
    k.line(circlePath(QPointF(0, 0), 17), QColor(0xFB, 0xE7, 0x9A), 2.4);
}

void judgement(const Ink& k)
{
    k.pale(cloud(QPointF(-22, -34), 18), 1.8);
    QPainterPath trumpet;
    trumpet.moveTo(-18, -24);
    trumpet.lineTo(16, 4);
    trumpet.lineTo(26, 2);
    trumpet.lineTo(14, 16);
    trumpet.lineTo(12, 8);
    trumpet.lineTo(-22, -20);
    trumpet.closeSubpath();
    k.gold(trumpet, 1.8);
    k.pale(polygonPath({{-6, -12}, {6, -2}, {-4, 12}, {-14, 2}}), 1.4);
    k.line(segment({-5.5, -6}, {-4.5, 4}), kRed, 2.4);
    k.line(segment({-9.5, -1}, {-0.5, -1}), kRed, 2.4);
    k.fill(rectPath(-34, 28, 44, 16, 2), kStone, 2);
    for (double x : {-24.0, -12.0, 0.0}) {
        k.pale(circlePath(QPointF(x, 22), 5), 1.4);
    }
}

void fool(const Ink& k)
{
    // The Fool walks to the cliff edge with his bundle on a staff and a rose.
    k.gold(circlePath(QPointF(-26, -30), 12), 1.8);
    QPainterPath cliff;
    cliff.moveTo(-50, 50);
    cliff.lineTo(-50, 24);
    cliff.lineTo(-12, 20);
    cliff.lineTo(-2, 28);
    cliff.lineTo(-6, 50);
    cliff.closeSubpath();
    k.fill(cliff, kStone, 2);
    QPainterPath staff(QPointF(-34, 20));
    staff.lineTo(12, -28);
    k.line(staff, k.s.goldLine, 6.5);
    k.line(staff, QColor(0x9B, 0x6A, 0x3A), 4);
    k.fill(ellipsePath(QPointF(12, -14), 12, 10), kRed, 1.8);
    k.gold(rectPath(9, -27, 6, 5, 1), 1);
    const QPointF flower(30, 18);
    QPainterPath stem(flower + QPointF(0, 6));
    stem.lineTo(flower + QPointF(0, 30));
    k.line(stem, kGreen, 2.4);
    k.pale(rose(flower, 10), 1.6);
    k.gold(circlePath(flower, 3.5), 1);
}

void world(const Ink& k)
{
    for (const QPointF& corner :
         {QPointF(-40, -40), QPointF(40, -40), QPointF(-40, 40), QPointF(40, 40)}) {
        k.gold(circlePath(corner, 6), 1.6);
    }
    for (int i = 0; i < 28; ++i) {
        const double t = radians(i * 360.0 / 28);
        const QPointF at(26 * std::cos(t), 38 * std::sin(t));
        k.p.save();
        k.p.translate(at);
        k.p.rotate(i * 360.0 / 28 + 90 + (i % 2 == 0 ? 25 : -25));
        k.fill(ellipsePath(QPointF(0, 0), 3, 7), kGreen, 1);
        k.p.restore();
    }
    for (int y : {-38, 38}) {
        k.fill(polygonPath({{-8.0, y - 6.0}, {8.0, y + 6.0}, {8.0, y - 6.0}, {-8.0, y + 6.0}}),
               kRed, 1.4);
    }
    k.gold(starPath(QPointF(0, 0), 5, 16, 6.5), 1.6);
}

using Painter = void (*)(const Ink&);
const Painter kEmblems[22] = {magician, highPriestess, empress, emperor, hierophant, lovers,
                              chariot,  justice,       hermit,  wheel,   strength,   hangedMan,
                              death,    temperance,    devil,   tower,   star,       moon,
                              sun,      judgement,     fool,    world};

} // namespace

void drawMajorEmblem(QPainter& painter, int id, const QRectF& box, const DeckStyle& style)
{
    EmblemFrame frame(painter, box);
    kEmblems[id - 1](Ink{painter, style});
}

} // namespace kestrava::deckgen
