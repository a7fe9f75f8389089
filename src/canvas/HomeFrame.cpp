#include "canvas/HomeFrame.h"

#include <QPainter>

HomeFrame::HomeFrame()
    : StandardFrame(defaultProp())
{
}

HomeFrame::HomeFrame(const FrameProp& prop)
    : StandardFrame(prop)
{
}

HomeFrame::~HomeFrame() = default;

FrameProp HomeFrame::defaultProp()
{
    // Alpha 0: a colour given to a tile's plate later would be invisible;
    // the home screen never gives one.
    return FrameProp {QColor(34, 34, 34, 200), QColor(34, 34, 34, 200), 0, 10};
}

quint32 HomeFrame::frameClass() const
{
    return 4;
}

void HomeFrame::drawFrame(QPainter* painter, const QRect& frameRect, bool, bool)
{
    if (frameRect.height() <= 0)
        return;
    painter->setPen(Qt::NoPen);
    painter->setBrush(m_topColor);
    painter->drawRoundedRect(frameRect, 3.0, 3.0, Qt::AbsoluteSize);
}
