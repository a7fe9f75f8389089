#include "widgets/FloatingWidgetContainer.h"

#include "widgets/FloatingWidget.h"

FloatingWidgetContainer::FloatingWidgetContainer(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void FloatingWidgetContainer::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit resized(size());
}

void FloatingWidgetContainer::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    for (QObject* child : children()) {
        auto* floating = qobject_cast<FloatingWidget*>(child);
        if (floating && floating->acceptKeyboardFocus() && floating->isVisible()) {
            floating->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}
