#pragma once

#include <QGraphicsLineItem>

class BezierCubicItem;

// The dashed guide from an anchor of the curve editor to its handle.
class BezierControlLine : public QGraphicsLineItem
{
public:
    explicit BezierControlLine(BezierCubicItem* owner);
};
