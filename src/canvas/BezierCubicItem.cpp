#include "canvas/BezierCubicItem.h"

#include "canvas/BezierControlLine.h"
#include "canvas/BezierControlPoint.h"
#include "canvas/BezierCubicPath.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

// Relative comparison without the special case at zero: a line never set,
// (0, 0) to (0, 0), counts as one point.
bool fuzzyEqual(double a, double b)
{
    return std::abs(a - b) * 1000000000000.0 <= std::min(std::abs(a), std::abs(b));
}

bool fuzzyEqual(const QPointF& a, const QPointF& b)
{
    return fuzzyEqual(a.x(), b.x()) && fuzzyEqual(a.y(), b.y());
}

} // namespace

BezierCubicItem::BezierCubicItem(QGraphicsItem* parent)
    : QGraphicsItem(parent)
{
    m_curve = new BezierCubicPath(this);
    m_line0 = new BezierControlLine(this);
    m_line1 = new BezierControlLine(this);
    for (int i = 0; i < 4; ++i)
        m_points.append(new BezierControlPoint(this, i));
    // A gentle arch until the owner sets its own points.
    m_points[0]->setPos(-100, 0);
    m_points[1]->setPos(-50, -50);
    m_points[2]->setPos(100, 0);
    m_points[3]->setPos(50, -50);
    controlPointMoved(0);
    controlPointMoved(2);
}

void BezierCubicItem::setControlPoints(const QList<QPointF>& points)
{
    if (points.size() != 4)
        return;
    for (int i = 0; i < 4; ++i)
        m_points[i]->setPos(points.at(i));
    // Through the handles: moving an anchor here would shift its handle
    // away from the position just given.
    controlPointMoved(1);
    controlPointMoved(3);
}

QList<QPointF> BezierCubicItem::controlPoints() const
{
    QList<QPointF> points;
    for (const BezierControlPoint* point : m_points)
        points.append(point->pos());
    return points;
}

void BezierCubicItem::controlPointMoved(int index)
{
    if (index < 0 || index > 3)
        return;
    if (index == 0 || index == 2) {
        // The anchor's guide still runs from its old place to the handle.
        const QLineF guide = (index == 0 ? m_line0 : m_line1)->line();
        if (!fuzzyEqual(guide.p1(), guide.p2()))
            m_points[index + 1]->setPos(m_points[index]->pos() + (guide.p2() - guide.p1()));
    }
    if (index < 2)
        m_line0->setLine(QLineF(m_points[0]->pos(), m_points[1]->pos()));
    else
        m_line1->setLine(QLineF(m_points[2]->pos(), m_points[3]->pos()));

    QPainterPath path(m_points[0]->pos());
    path.cubicTo(m_points[1]->pos(), m_points[3]->pos(), m_points[2]->pos());
    m_curve->setPath(path);
    emit shapeChanged(path);
}

QPainterPath BezierCubicItem::shape() const
{
    return m_curve->path();
}

QRectF BezierCubicItem::boundingRect() const
{
    return QRectF(-5, -5, 11, 11);
}

void BezierCubicItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    Q_UNUSED(option);
    Q_UNUSED(widget);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(Qt::red, 0.5, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->setBrush(Qt::NoBrush);
    painter->drawLine(QPointF(-5, 0), QPointF(5, 0));
    painter->drawLine(QPointF(0, -5), QPointF(0, 5));
}
