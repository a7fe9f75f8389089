#pragma once

#include <QGraphicsPathItem>

class BezierCubicItem;

// The curve itself as the editor draws it, above its guides and points.
class BezierCubicPath : public QGraphicsPathItem
{
public:
    explicit BezierCubicPath(BezierCubicItem* owner);
};
