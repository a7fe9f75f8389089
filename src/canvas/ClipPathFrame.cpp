#include "canvas/ClipPathFrame.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPen>

ClipPathFrame::ClipPathFrame() = default;

ClipPathFrame::ClipPathFrame(const FrameProp& prop)
    : StandardFrame(prop)
{
}

ClipPathFrame::~ClipPathFrame() = default;

bool ClipPathFrame::clipContents() const
{
    return true;
}

QPainterPath ClipPathFrame::contentsClipPath(const QRect& contentsRect) const
{
    return heartPath(contentsRect);
}

bool ClipPathFrame::isShaped() const
{
    return true;
}

QPainterPath ClipPathFrame::frameShape(const QRect& frameRect) const
{
    return contentsClipPath(frameRect);
}

void ClipPathFrame::drawFrame(QPainter* painter, const QRect& frameRect, bool selected, bool)
{
    // Slanted a little, so that the shapes read as lit from the top left.
    QLinearGradient gradient(0, frameRect.top(), frameRect.width() / 8, frameRect.height() / 2);
    gradient.setColorAt(0.0, m_topColor);
    gradient.setColorAt(1.0, m_bottomColor);
    const QPainterPath path = contentsClipPath(frameRect);
    if (selected)
        painter->setPen(QPen(QBrush(m_selectionColor), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->setBrush(gradient);
    painter->drawPath(path);
}

QPainterPath ClipPathFrame::heartPath(const QRect& rect)
{
    const QRectF r(rect);
    const double x = r.x();
    const double y = r.y();
    const double w = r.width();
    const double h = r.height();
    const double cx = x + w / 2;
    const double ly = y + h / 3;

    QPainterPath path;
    path.moveTo(cx, ly - h / 20);
    path.cubicTo(cx, y, x + w, y, x + w, ly);
    path.cubicTo(x + w, ly + h / 4, cx, y + 3 * h / 4, cx, y + h);
    path.cubicTo(cx, y + 3 * h / 4, x, ly + h / 4, x, ly);
    path.cubicTo(x, y, cx, y, cx, ly - h / 20);
    return path;
}
