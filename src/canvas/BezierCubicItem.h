#pragma once

#include <QGraphicsItem>
#include <QList>
#include <QObject>
#include <QPainterPath>
#include <QPointF>

class BezierControlLine;
class BezierControlPoint;
class BezierCubicPath;

// The on-canvas editor of the cubic curve that a text runs along: four
// draggable points, two dashed guides and the curve, all child items. Point
// 0 starts the curve and point 2 ends it (the anchors); point 1 is the
// start's handle and point 3 the end's. Dragging an anchor takes its handle
// along; a handle moves alone. Every move rebuilds the curve and announces
// it with shapeChanged().
//
// The editor owns its seven child items. Positions are in the editor's
// coordinates. GUI thread only.
class BezierCubicItem : public QObject, public QGraphicsItem
{
    Q_OBJECT
    Q_INTERFACES(QGraphicsItem)

public:
    explicit BezierCubicItem(QGraphicsItem* parent = nullptr);

    // Takes exactly four points (0 to 3); any other count is ignored. The
    // handles are placed as given, not shifted with their anchors.
    void setControlPoints(const QList<QPointF>& points);
    QList<QPointF> controlPoints() const;
    // The move step, run by a point after it has moved.
    void controlPointMoved(int index);

    // The curve's current path.
    QPainterPath shape() const override;
    QRectF boundingRect() const override;
    // A small red cross at the editor's origin.
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void shapeChanged(const QPainterPath& path);

private:
    QList<BezierControlPoint*> m_points;
    BezierControlLine* m_line0;
    BezierControlLine* m_line1;
    BezierCubicPath* m_curve;
};
