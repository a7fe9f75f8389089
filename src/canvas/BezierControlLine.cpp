#include "canvas/BezierControlLine.h"

#include "canvas/BezierCubicItem.h"

#include <QPen>

BezierControlLine::BezierControlLine(BezierCubicItem* owner)
    : QGraphicsLineItem(owner)
{
    QPen pen(QColor(50, 100, 120, 200), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    pen.setDashPattern({8, 6});
    setPen(pen);
    setZValue(1.9);
}
