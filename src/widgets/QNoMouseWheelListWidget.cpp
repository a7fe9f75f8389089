#include "widgets/QNoMouseWheelListWidget.h"

QNoMouseWheelListWidget::QNoMouseWheelListWidget(QWidget* parent)
    : QListWidget(parent)
{
}

void QNoMouseWheelListWidget::wheelEvent(QWheelEvent* event)
{
    QWidget::wheelEvent(event);
}
