#include "canvas/RoundFrame.h"

RoundFrame::RoundFrame()
    : ClipPathFrame(defaultProp())
{
}

RoundFrame::RoundFrame(const FrameProp& prop)
    : ClipPathFrame(prop)
{
}

RoundFrame::~RoundFrame() = default;

quint32 RoundFrame::frameClass() const
{
    return 5;
}

QPainterPath RoundFrame::contentsClipPath(const QRect& contentsRect) const
{
    QPainterPath path;
    path.addEllipse(QRectF(contentsRect));
    return path;
}

FrameProp RoundFrame::defaultProp()
{
    return FrameProp {QColor(240, 240, 240, 200), QColor(240, 240, 240, 200), 200, 10};
}
