#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace kestrava::deckgen {

// Emblems are drawn in a 100 x 100 box centred on the origin (-50..50 both
// ways, y down); EmblemFrame maps that box onto a rectangle of the card.
class EmblemFrame
{
public:
    EmblemFrame(QPainter& painter, const QRectF& box);
    ~EmblemFrame();
    EmblemFrame(const EmblemFrame&) = delete;
    EmblemFrame& operator=(const EmblemFrame&) = delete;

private:
    QPainter& m_painter;
};

void fillAndStroke(QPainter& painter, const QPainterPath& path, const QColor& fill,
                   const QColor& line, double width);
void strokeOnly(QPainter& painter, const QPainterPath& path, const QColor& line, double width);

QPainterPath starPath(QPointF centre, int points, double outer, double inner,
                      double rotationDegrees = -90);
QPainterPath circlePath(QPointF centre, double radius);
QPainterPath ellipsePath(QPointF centre, double rx, double ry);
QPainterPath rectPath(double left, double top, double width, double height, double radius = 0);
QPainterPath polygonPath(std::initializer_list<QPointF> points);

} // namespace kestrava::deckgen
