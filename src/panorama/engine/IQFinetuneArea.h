#pragma once

#include "stitch/image/Rect.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// One overlap between two neighbouring photos of a panorama, in the
// result image's top-down coordinates (inclusive corners).
struct OverlapArea
{
    QRect rect;
    bool vertical = false;  // the two photos lie one above the other
    bool pairsFound = false; // the library has three point pairs for it
};

// One seam, as points of the result image (top-down).
struct BlendPolyLine
{
    bool vertical = false;
    bool pairsFound = false;
    QList<QPoint> points;
    QList<QPoint> editedPoints; // left empty by the stitch
    int selected = -1;
};

// One overlap prepared for fine-tuning: the grid element (x column, y row)
// of its first photo, the two photos, three points in photo A and the three
// matching ones in photo B (each top-down in its photo, at the size the job
// saw it).
struct IQFinetuneArea
{
    tagPOINT element{0, 0};
    bool vertical = false;
    QString pathA;
    QString pathB;
    tagPOINT points[6]{};
    QSize sizeA{-1, -1};
    QSize sizeB{-1, -1};
};
