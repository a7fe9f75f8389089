#pragma once

#include <QColor>

// The properties of a frame: its gradient's two colours, the alpha a newly
// chosen colour gets, and how far the frame reaches out of the content.
struct FrameProp
{
    QColor topColor;
    QColor bottomColor;
    // 0..255.
    int alpha = 255;
    // Pixels on each side of the content rectangle.
    int margin = 0;
};
