#include "canvas/HeartFrame.h"

HeartFrame::HeartFrame()
    : ClipPathFrame(defaultProp())
{
}

HeartFrame::HeartFrame(const FrameProp& prop)
    : ClipPathFrame(prop)
{
}

HeartFrame::~HeartFrame() = default;

quint32 HeartFrame::frameClass() const
{
    return 2;
}

FrameProp HeartFrame::defaultProp()
{
    return FrameProp {QColor(255, 0, 0, 200), QColor(196, 0, 0, 200), 200, 10};
}
