#include "Paint.h"

#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace kestrava::deckgen {

EmblemFrame::EmblemFrame(QPainter& painter, const QRectF& box) : m_painter(painter)
{
    m_painter.save();
    m_painter.translate(box.center());
    m_painter.scale(box.width() / 100.0, box.height() / 100.0);
}

EmblemFrame::~EmblemFrame()
{
    m_painter.restore();
}

void fillAndStroke(QPainter& painter, const QPainterPath& path, const QColor& fill,
                   const QColor& line, double width)
{
    painter.setBrush(fill);
    painter.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

void strokeOnly(QPainter& painter, const QPainterPath& path, const QColor& line, double width)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

QPainterPath starPath(QPointF centre, int points, double outer, double inner,
                      double rotationDegrees)
{
    QPolygonF polygon;
    for (int i = 0; i < points * 2; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = (rotationDegrees + 180.0 * i / points) * std::numbers::pi / 180.0;
        polygon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPainterPath circlePath(QPointF centre, double radius)
{
    return ellipsePath(centre, radius, radius);
}

QPainterPath ellipsePath(QPointF centre, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath rectPath(double left, double top, double width, double height, double radius)
{
    QPainterPath path;
    if (radius > 0) {
        path.addRoundedRect(QRectF(left, top, width, height), radius, radius);
    } else {
        path.addRect(QRectF(left, top, width, height));
    }
    return path;
}

QPainterPath polygonPath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

} // namespace kestrava::deckgen
