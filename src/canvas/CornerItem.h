#pragma once

#include <QColor>
#include <QGraphicsItem>

class AbstractContent;

// The round handle on one corner of a content's rectangle. Dragging it with
// the left button turns the content towards the mouse and scales it, keeping
// its aspect ratio; with the right button it only scales. Shift frees the
// ratio (no turning), Ctrl scales only, Alt turns only. A double click with
// the left button turns the content back to 0 degrees. A content made with
// `noResize` can only be turned, with the left button.
//
// Owned by its content, which is its graphics parent; keeps its size on
// screen when the view is zoomed out. Not drawn in output renders. GUI
// thread only.
class CornerItem : public QGraphicsItem
{
public:
    // Operation bits of a drag.
    enum Operation { Rotate = 1, Resize = 16, KeepRatio = 32 };
    // Nominal half-size in item units; the handle is 16 across at 100 %.
    static constexpr int nominalSize = 8;
    // Smallest content a resize gives.
    static constexpr int minimumWidth = 50;
    static constexpr int minimumHeight = 40;

    CornerItem(Qt::Corner corner, const QColor& colour, bool noResize, AbstractContent* content);
    ~CornerItem() override;

    Qt::Corner corner() const { return m_corner; }
    // Moves the handle onto its corner of `contentRect` (right and bottom
    // inclusive).
    void relayout(const QRect& contentRect);
    void setSelectsParent(bool selectsParent) { m_selectsParent = selectsParent; }
    // 0 while no drag is under way.
    int operation() const { return m_operation; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;

private:
    AbstractContent* m_content;
    Qt::Corner m_corner;
    int m_opMask;
    int m_size = nominalSize;
    int m_operation = 0;
    double m_startRatio = 1.0;
    QColor m_colour;
    bool m_selectsParent = true;
    // The half-size the scene last knew, so that a zoom change is announced
    // before the bounding rectangle grows.
    int m_knownSize = nominalSize;
};
