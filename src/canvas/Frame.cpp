#include "canvas/Frame.h"

#include <QPainter>

Frame::~Frame() = default;

QRect Frame::frameRect(const QRect& contentsRect) const
{
    return contentsRect;
}

bool Frame::clipContents() const
{
    return false;
}

QPainterPath Frame::contentsClipPath(const QRect&) const
{
    return QPainterPath();
}

bool Frame::isShaped() const
{
    return false;
}

QPainterPath Frame::frameShape(const QRect& frameRect) const
{
    QPainterPath path;
    path.addRect(frameRect);
    return path;
}

QPixmap Frame::preview(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    drawFrame(&painter, QRect(0, 0, width, height), false, false);
    return pixmap;
}
