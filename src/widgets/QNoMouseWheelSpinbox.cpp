#include "widgets/QNoMouseWheelSpinbox.h"

QNoMouseWheelSpinbox::QNoMouseWheelSpinbox(QWidget* parent)
    : QSpinBox(parent)
{
}

void QNoMouseWheelSpinbox::wheelEvent(QWheelEvent* event)
{
    QWidget::wheelEvent(event);
}
