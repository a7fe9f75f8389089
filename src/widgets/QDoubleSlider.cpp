#include "widgets/QDoubleSlider.h"

#include "widgets/QContinuesSlider.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>
#include <climits>
#include <cmath>

QDoubleSlider::QDoubleSlider(QWidget* parent)
    : QSlider(parent)
{
    setSingleStep(1);
    setOrientation(Qt::Horizontal);
    setFocusPolicy(Qt::NoFocus);
    connect(this, qOverload<int>(&QAbstractSlider::valueChanged), this, qOverload<int>(&QDoubleSlider::setValue));
    connect(this, &QSlider::sliderMoved, this, [this](int position) { emit valueChanging(position / m_factor); });
}

int QDoubleSlider::toPosition(double v) const
{
    const double p = std::trunc(m_factor * v);
    // Out-of-range products (and NaN) would make the conversion undefined.
    if (!(p > double(INT_MIN)))
        return INT_MIN;
    if (!(p < double(INT_MAX)))
        return INT_MAX;
    return int(p);
}

void QDoubleSlider::setRange(double min, double max)
{
    QAbstractSlider::setRange(toPosition(min), toPosition(max));
    emit rangeChanged(min, max);
}

void QDoubleSlider::setMinimum(double min)
{
    QAbstractSlider::setMinimum(toPosition(min));
    emit rangeChanged(minimum(), maximum());
}

void QDoubleSlider::setMaximum(double max)
{
    QAbstractSlider::setMaximum(toPosition(max));
    emit rangeChanged(minimum(), maximum());
}

double QDoubleSlider::minimum() const
{
    return QAbstractSlider::minimum() / m_factor;
}

double QDoubleSlider::maximum() const
{
    return QAbstractSlider::maximum() / m_factor;
}

double QDoubleSlider::value() const
{
    return QAbstractSlider::value() / m_factor;
}

void QDoubleSlider::setValue(int p)
{
    emit valueChanged(p / m_factor);
}

void QDoubleSlider::setValue(double Value, bool BlockSignals)
{
    const bool wasBlocked = signalsBlocked();
    if (BlockSignals)
        blockSignals(true);
    QAbstractSlider::setValue(toPosition(Value));
    // The bound keeps an out-of-range request from being announced as a
    // value the slider cannot show; inside the range the caller's exact
    // value goes out. NaN ends at the minimum.
    if (!BlockSignals)
        emit valueChanged(std::max(minimum(), std::min(Value, maximum())));
    blockSignals(wasBlocked);
}

void QDoubleSlider::mousePressEvent(QMouseEvent* event)
{
    m_jumped = false;
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const std::optional<int> jump = QContinuesSlider::grooveJumpValue(
        event->position(), handle, width(), QAbstractSlider::minimum(), QAbstractSlider::maximum());
    if (!jump) {
        QSlider::mousePressEvent(event);
        return;
    }
    event->accept();
    m_jumped = true;
    setValue(*jump / m_factor);
}

void QDoubleSlider::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    if (!m_jumped)
        emit valueChanged(QAbstractSlider::value() / m_factor);
    m_jumped = false;
}

void QDoubleSlider::mouseMoveEvent(QMouseEvent* event)
{
    QSlider::mouseMoveEvent(event);
}

void QDoubleSlider::wheelEvent(QWheelEvent* event)
{
    QWidget::wheelEvent(event);
}
