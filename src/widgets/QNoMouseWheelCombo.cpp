#include "widgets/QNoMouseWheelCombo.h"

QNoMouseWheelCombo::QNoMouseWheelCombo(QWidget* parent)
    : QComboBox(parent)
{
}

void QNoMouseWheelCombo::wheelEvent(QWheelEvent* event)
{
    QWidget::wheelEvent(event);
}
