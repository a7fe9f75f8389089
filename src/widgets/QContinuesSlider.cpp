#include "widgets/QContinuesSlider.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>
#include <cmath>

QContinuesSlider::QContinuesSlider(QWidget* parent)
    : QSlider(parent)
{
    setSingleStep(1);
    setOrientation(Qt::Horizontal);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QSlider::sliderMoved, this, [this](int position) { emit valueChanging(position); });
}

std::optional<int> QContinuesSlider::grooveJumpValue(const QPointF& pos, const QRect& handle, int width,
                                                     int minimum, int maximum)
{
    if (handle.contains(pos.toPoint()))
        return std::nullopt;
    if (width <= 0)
        return minimum;
    // In double: the span of a full int range does not fit an int. A press
    // outside the widget (possible while another button is held) is clamped
    // before the conversion so that it cannot overflow.
    const double span = double(maximum) - double(minimum);
    const double n = pos.x() / width * span + minimum;
    return int(std::trunc(std::clamp(n, double(minimum), double(maximum))));
}

void QContinuesSlider::setValue(int Value, bool BlockSignals)
{
    const bool wasBlocked = blockSignals(true);
    QAbstractSlider::setValue(Value);
    blockSignals(wasBlocked);
    if (!BlockSignals)
        emit valueChanged(value());
}

void QContinuesSlider::mousePressEvent(QMouseEvent* event)
{
    m_jumped = false;
    // A drag whose release never arrived (the grab was taken away) must not
    // keep the signals blocked for ever.
    endDragBlock();

    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const std::optional<int> jump = grooveJumpValue(event->position(), handle, width(), minimum(), maximum());
    if (!jump) {
        if (!acceptContinuesValue) {
            m_blockedBeforeDrag = blockSignals(true);
            m_dragBlocked = true;
        }
        QSlider::mousePressEvent(event);
        if (!isSliderDown())
            endDragBlock();
        return;
    }
    event->accept();
    m_jumped = true;
    setValue(*jump);
}

void QContinuesSlider::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    endDragBlock();
    if (!m_jumped)
        emit valueChanged(value());
    m_jumped = false;
}

void QContinuesSlider::mouseMoveEvent(QMouseEvent* event)
{
    QSlider::mouseMoveEvent(event);
}

void QContinuesSlider::wheelEvent(QWheelEvent* event)
{
    QWidget::wheelEvent(event);
}

void QContinuesSlider::endDragBlock()
{
    if (!m_dragBlocked)
        return;
    m_dragBlocked = false;
    blockSignals(m_blockedBeforeDrag);
}
