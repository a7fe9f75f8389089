#include "widgets/QColorPreview.h"

#include <QImage>
#include <QPainter>

QColorPreview::QColorPreview(QWidget* parent)
    : QWidget(parent)
    , m_background(Qt::darkGray, Qt::DiagCrossPattern)
{
    m_background.setTextureImage(QImage(QStringLiteral(":/images/alphaback.png")));
}

void QColorPreview::setAlphaMode(Alpha_Mode mode)
{
    m_alphaMode = mode;
    update();
}

void QColorPreview::setBackground(const QBrush& brush)
{
    m_background = brush;
    update();
}

void QColorPreview::setPreviousColor(const QColor& color)
{
    m_previousColor = color;
    update();
}

QSize QColorPreview::sizeHint() const
{
    return {24, 24};
}

void QColorPreview::setColor(const QColor& c)
{
    m_color = c;
    update();
}

void QColorPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_color);
    painter.drawRect(QRect(1, 1, width(), height()));
}
