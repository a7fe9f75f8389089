#include "canvas/RoundRectangleFrame.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPen>

RoundRectangleFrame::RoundRectangleFrame()
    : StandardFrame(defaultProp())
{
}

RoundRectangleFrame::RoundRectangleFrame(const FrameProp& prop)
    : StandardFrame(prop)
{
}

RoundRectangleFrame::~RoundRectangleFrame() = default;

quint32 RoundRectangleFrame::frameClass() const
{
    return 4;
}

bool RoundRectangleFrame::clipContents() const
{
    return true;
}

QPainterPath RoundRectangleFrame::contentsClipPath(const QRect& contentsRect) const
{
    return roundedPath(contentsRect);
}

bool RoundRectangleFrame::isShaped() const
{
    return true;
}

QPainterPath RoundRectangleFrame::frameShape(const QRect& frameRect) const
{
    return roundedPath(frameRect);
}

void RoundRectangleFrame::drawFrame(QPainter* painter, const QRect& frameRect, bool selected, bool)
{
    if (frameRect.height() <= 0)
        return;
    painter->setPen(Qt::NoPen);
    QLinearGradient gradient(0, frameRect.top(), 0, frameRect.height() / 2);
    gradient.setColorAt(0.0, m_topColor);
    gradient.setColorAt(1.0, m_bottomColor);
    const QPainterPath path = roundedPath(frameRect);
    if (selected)
        painter->setPen(QPen(QBrush(m_selectionColor), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->setBrush(gradient);
    painter->drawPath(path);
}

FrameProp RoundRectangleFrame::defaultProp()
{
    return FrameProp {QColor(240, 240, 240, 200), QColor(240, 240, 240, 200), 200, 10};
}

QPainterPath RoundRectangleFrame::roundedPath(const QRect& rect)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(rect), cornerRadius, cornerRadius, Qt::AbsoluteSize);
    return path;
}
