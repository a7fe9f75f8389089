#pragma once

#include "canvas/ClipPathFrame.h"

// An elliptic frame (class 5): the ellipse inscribed in the rectangle, light
// grey at alpha 200, margin 10.
class RoundFrame : public ClipPathFrame
{
public:
    RoundFrame();
    explicit RoundFrame(const FrameProp& prop);
    ~RoundFrame() override;

    quint32 frameClass() const override;
    QPainterPath contentsClipPath(const QRect& contentsRect) const override;
    static FrameProp defaultProp();
};
