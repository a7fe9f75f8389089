#include "widgets/QGradientSlider.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr int kVerticalWidth = 24;

} // namespace

QGradientSlider::QGradientSlider(QWidget* parent)
    : QSlider(Qt::Horizontal, parent)
{
}

void QGradientSlider::setBackground(const QBrush& brush)
{
    m_background = brush;
    update();
}

void QGradientSlider::setColors(const QList<QColor>& colors)
{
    m_colors = colors;
    update();
}

QLinearGradient QGradientSlider::gradient() const
{
    const bool vertical = orientation() == Qt::Vertical;
    QLinearGradient g(0, 0, vertical ? 0 : 1, vertical ? 1 : 0);
    g.setCoordinateMode(QGradient::StretchToDeviceMode);
    const qsizetype n = m_colors.size();
    if (n == 1) {
        g.setColorAt(0, m_colors.front());
        g.setColorAt(1, m_colors.front());
    } else {
        for (qsizetype i = 0; i < n; ++i)
            g.setColorAt(double(i) / double(n - 1), m_colors.at(i));
    }
    return g;
}

void QGradientSlider::setGradient(const QLinearGradient& gradient)
{
    m_colors.clear();
    for (const QGradientStop& stop : gradient.stops())
        m_colors.append(stop.second);
    update();
}

QColor QGradientSlider::firstColor() const
{
    return m_colors.isEmpty() ? QColor() : m_colors.front();
}

QColor QGradientSlider::lastColor() const
{
    return m_colors.isEmpty() ? QColor() : m_colors.back();
}

void QGradientSlider::setFirstColor(const QColor& color)
{
    m_colors = {color};
    update();
}

void QGradientSlider::setLastColor(const QColor& color)
{
    m_colors.append(color);
    update();
}

void QGradientSlider::setOrientation(Qt::Orientation orientation)
{
    QSlider::setOrientation(orientation);
    if (orientation == Qt::Vertical) {
        setFixedWidth(kVerticalWidth);
    } else {
        setMinimumWidth(0);
        setMaximumWidth(QWIDGETSIZE_MAX);
    }
}

void QGradientSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 0.5, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));

    const int w1 = width() - 1;
    const int h1 = height() - 1;
    const double span = double(maximum()) - double(minimum());
    // An empty range has nowhere to go; the handle rests at the minimum.
    const double t = span == 0 ? 0.0 : (double(value()) - double(minimum())) / span;
    const QBrush gradientBrush(gradient());
    const bool hasGradient = !m_colors.isEmpty();

    if (orientation() == Qt::Horizontal) {
        const QRect bar(QPoint(5, 0), QPoint(w1 - 5, h1 - (h1 - 4) / 2 - 5));
        painter.setBrush(m_background);
        painter.drawRect(bar);
        if (hasGradient) {
            painter.setBrush(gradientBrush);
            painter.drawRect(bar);
        }
        const int p = int(std::trunc(t * (w1 - 9)));
        const QPoint handle[3] = {{p + 5, bar.bottom() + 1}, {p, h1 - 6}, {p + 10, h1 - 6}};
        painter.setBrush(Qt::white);
        painter.drawPolygon(handle, 3, Qt::OddEvenFill);
    } else {
        const QRect bar(QPoint(5, 5), QPoint(w1 - 6, h1 - 6));
        painter.setBrush(m_background);
        painter.drawRect(bar);
        if (hasGradient) {
            painter.setBrush(gradientBrush);
            painter.drawRect(bar);
        }
        const int p = int(std::trunc((1.0 - t) * (h1 - 9)));
        painter.setBrush(Qt::white);
        painter.drawRect(QRect(QPoint(4, p + 3), QPoint(w1 - 5, p + 7)));
    }
}
