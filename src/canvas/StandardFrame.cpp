#include "canvas/StandardFrame.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPen>

StandardFrame::StandardFrame()
    : StandardFrame(defaultProp())
{
}

StandardFrame::StandardFrame(const FrameProp& prop)
    : m_selectionColor(QStringLiteral("#439cf3"))
    , m_topColor(prop.topColor)
    , m_bottomColor(prop.bottomColor)
    , m_alpha(prop.alpha)
    , m_margin(prop.margin)
{
}

StandardFrame::~StandardFrame() = default;

FrameProp StandardFrame::defaultProp()
{
    return FrameProp {QColor(240, 240, 240, 200), QColor(240, 240, 240, 200), 200, 10};
}

quint32 StandardFrame::frameClass() const
{
    return 1;
}

QRect StandardFrame::frameRect(const QRect& contentsRect) const
{
    return contentsRect.adjusted(-m_margin, -m_margin, m_margin, m_margin);
}

void StandardFrame::drawFrame(QPainter* painter, const QRect& frameRect, bool selected, bool)
{
    painter->save();
    // Centred on the item's origin, top to h/2 spans the whole height.
    QLinearGradient gradient(0, frameRect.top(), 0, frameRect.height() / 2);
    gradient.setColorAt(0.0, m_topColor);
    gradient.setColorAt(1.0, m_bottomColor);
    painter->fillRect(frameRect, gradient);
    if (selected) {
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(QPen(QBrush(m_selectionColor), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(frameRect.adjusted(1, 1, -1, -1));
    }
    painter->restore();
}

void StandardFrame::setTopColor(const QColor& color)
{
    QColor withAlpha = color;
    withAlpha.setAlpha(m_alpha);
    m_topColor = withAlpha;
    m_bottomColor = withAlpha;
}

void StandardFrame::setColorAlpha(int topAlpha, int bottomAlpha)
{
    m_topColor.setAlpha(topAlpha);
    m_bottomColor.setAlpha(bottomAlpha);
}
