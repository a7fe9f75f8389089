#include "canvas/PaneWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>

#include <algorithm>

PaneWidget::PaneWidget(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(false);
}

void PaneWidget::setValue(const QPointF& point)
{
    // QPointF and QRectF compare fuzzily.
    if (point == m_value)
        return;
    m_value = point;
    emit valueChanged(point);
    update();
}

void PaneWidget::setRange(const QRectF& rect)
{
    if (rect == m_range)
        return;
    m_range = rect;
    emit rangeChanged(rect);
    update();
}

QPointF PaneWidget::valueToPixel(const QPointF& value, const QRectF& range, const QSize& size)
{
    if (range.width() <= 0 || range.height() <= 0)
        return QPointF(0, 0);
    return QPointF((size.width() - 1) * (value.x() - range.x()) / range.width(),
                   (size.height() - 1) * (value.y() - range.y()) / range.height());
}

QPointF PaneWidget::pixelToValue(const QPointF& pixel, const QRectF& range, const QSize& size)
{
    const double x = pixel.x() * range.width() / (size.width() - 1) + range.x();
    const double y = pixel.y() * range.height() / (size.height() - 1) + range.y();
    // Upper limit first, then the lower: an inverted range ends at its start.
    return QPointF(std::max(std::min(x, range.x() + range.width()), range.x()),
                   std::max(std::min(y, range.y() + range.height()), range.y()));
}

void PaneWidget::glideToPixel(const QPointF& pixel)
{
    if (width() < 2 || height() < 2)
        return;
    const QPointF target = pixelToValue(pixel, m_range, size());
    if (!m_animation) {
        m_animation = new QPropertyAnimation(this, "value", this);
        m_animation->setDuration(500);
        m_animation->setEasingCurve(QEasingCurve::OutCubic);
    }
    m_animation->stop();
    m_animation->setStartValue(m_value);
    m_animation->setEndValue(target);
    m_animation->start();
}

void PaneWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    glideToPixel(event->position());
    update();
}

void PaneWidget::mouseReleaseEvent(QMouseEvent*)
{
    m_pressed = false;
    update();
}

void PaneWidget::mouseDoubleClickEvent(QMouseEvent*)
{
    glideToPixel(valueToPixel(QPointF(0, 0), m_range, size()));
}

void PaneWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressed)
        glideToPixel(event->position());
}

void PaneWidget::enterEvent(QEnterEvent*)
{
    m_hovered = true;
    update();
}

void PaneWidget::leaveEvent(QEvent*)
{
    m_hovered = false;
    update();
}

void PaneWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_hovered ? QColor(128, 128, 128, 64) : QColor(34, 34, 34));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::lightGray, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    const QPointF origin = valueToPixel(QPointF(0, 0), m_range, size());
    const int cx = int(origin.x());
    const int cy = int(origin.y());
    painter.drawLine(cx, 0, cx, height());
    painter.drawLine(0, cy, width(), cy);
    const QPointF handle = valueToPixel(m_value, m_range, size());
    painter.setPen(m_pressed ? QColor(Qt::red) : QColor(50, 100, 120, 200));
    painter.setBrush(QColor(210, 100, 110, 120));
    painter.drawEllipse(QRectF(handle - QPointF(5, 5), QSizeF(10, 10)));
}
