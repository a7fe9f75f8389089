#include "widgets/ColorSelectorButton.h"

#include <QPainter>

ColorSelectorButton::ColorSelectorButton(QWidget* parent)
    : ClickableLabel(parent)
{
}

void ColorSelectorButton::setColor(const QColor& color, bool block)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
    if (!block)
        emit colorChanged(m_color);
}

void ColorSelectorButton::setDescription(const QString& text)
{
    m_description = text;
}

void ColorSelectorButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.5);
    painter.setPen(QPen(QColor(0xa4, 0xa4, 0xa4), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));
    // An unset colour would fill black; the empty frame says "none" instead.
    if (m_color.isValid())
        painter.fillRect(QRect(2, 2, width() - 4, height() - 4), m_color);
}
