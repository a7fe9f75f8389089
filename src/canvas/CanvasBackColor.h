#pragma once

#include <QColor>

// What a canvas fills its scene with beneath the contents.
struct CanvasBackColor
{
    // 0 transparent, 1 solid colour, 2 vertical gradient; other values draw
    // no fill.
    int mode = 2;
    QColor color = Qt::white;
    QColor topColor = QColor(192, 192, 192);
    QColor bottomColor = QColor(80, 80, 80);
    // In mode 0, a checker pattern while editing (never in output).
    bool showGrid = false;

    bool operator==(const CanvasBackColor& o) const
    {
        return mode == o.mode && color == o.color && topColor == o.topColor && bottomColor == o.bottomColor
            && showGrid == o.showGrid;
    }
    bool operator!=(const CanvasBackColor& o) const { return !(*this == o); }
};
