#include "widgets/QNoMouseWheelFontCombo.h"

QNoMouseWheelFontCombo::QNoMouseWheelFontCombo(QWidget* parent)
    : QFontComboBox(parent)
{
}

void QNoMouseWheelFontCombo::wheelEvent(QWheelEvent* event)
{
    QWidget::wheelEvent(event);
}
