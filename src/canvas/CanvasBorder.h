#pragma once

#include <QColor>
#include <QMetaType>

// Translucent bands a canvas draws along the chosen edges of its scene.
struct CanvasBorder
{
    // Alpha 0..255 given to `color`, whose own alpha is ignored.
    int opacity = 128;
    // Band width in scene pixels.
    int width = 25;
    QColor color = Qt::red;
    bool top = false;
    bool left = false;
    bool bottom = false;
    bool right = false;

    bool operator==(const CanvasBorder& o) const
    {
        return opacity == o.opacity && width == o.width && color == o.color && top == o.top && left == o.left
            && bottom == o.bottom && right == o.right;
    }
    bool operator!=(const CanvasBorder& o) const { return !(*this == o); }
};

Q_DECLARE_METATYPE(CanvasBorder)
