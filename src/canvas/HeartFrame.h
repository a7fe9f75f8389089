#pragma once

#include "canvas/ClipPathFrame.h"

// A heart-shaped frame (class 2): red to dark red at alpha 200, margin 10.
class HeartFrame : public ClipPathFrame
{
public:
    HeartFrame();
    explicit HeartFrame(const FrameProp& prop);
    ~HeartFrame() override;

    quint32 frameClass() const override;
    static FrameProp defaultProp();
};
