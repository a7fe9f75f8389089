#include "widgets/QNoMouseWheelSlider.h"

QNoMouseWheelSlider::QNoMouseWheelSlider(QWidget* parent)
    : QSlider(parent)
{
}

void QNoMouseWheelSlider::wheelEvent(QWheelEvent* event)
{
    QWidget::wheelEvent(event);
}
