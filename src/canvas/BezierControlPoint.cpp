#include "canvas/BezierControlPoint.h"

#include "canvas/BezierCubicItem.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPen>

BezierControlPoint::BezierControlPoint(BezierCubicItem* owner, int index)
    : QGraphicsItem(owner)
    , m_owner(owner)
    , m_index(index)
{
    setFlag(QGraphicsItem::ItemIsMovable);
    setZValue(2.1);
}

QRectF BezierControlPoint::boundingRect() const
{
    return QRectF(-7, -7, 15, 15);
}

void BezierControlPoint::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    Q_UNUSED(option);
    Q_UNUSED(widget);
    // Anchors reddish, handles pale, so the two roles tell apart at a glance.
    const bool anchor = m_index == 0 || m_index == 2;
    painter->setPen(QPen(QColor(50, 100, 120, 200), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->setBrush(anchor ? QColor(210, 100, 110, 120) : QColor(200, 200, 210, 120));
    painter->drawEllipse(boundingRect());
}

void BezierControlPoint::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    // The base would move the point by the drag's delta with any button.
    if (event->buttons() != Qt::LeftButton)
        return;
    setPos(mapToParent(event->pos()));
    if (m_owner)
        m_owner->controlPointMoved(m_index);
}
