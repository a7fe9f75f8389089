#include "canvas/BezierCubicPath.h"

#include "canvas/BezierCubicItem.h"

#include <QPen>

BezierCubicPath::BezierCubicPath(BezierCubicItem* owner)
    : QGraphicsPathItem(owner)
{
    setPen(QPen(QColor(200, 0, 0, 255), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    setBrush(Qt::NoBrush);
    setZValue(2.2);
}
