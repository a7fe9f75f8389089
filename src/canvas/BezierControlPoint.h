#pragma once

#include <QGraphicsItem>

class BezierCubicItem;

// One draggable point of the curve editor: an anchor (index 0 or 2) or a
// handle (1 or 3). A child item of its owner, which it tells after every
// move it makes.
class BezierControlPoint : public QGraphicsItem
{
public:
    BezierControlPoint(BezierCubicItem* owner, int index);

    int index() const { return m_index; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    // Only a drag with the left button alone moves the point; its centre
    // jumps under the cursor.
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;

private:
    BezierCubicItem* m_owner;
    int m_index;
};
