#include "widgets/FloatingWidget.h"

#include "widgets/FloatingWidgetContainer.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QWheelEvent>

FloatingWidget::FloatingWidget(FloatingWidgetContainer* container)
    : QWidget(container)
{
    setAccessibleName(QStringLiteral("OverlayWidget"));
    if (container)
        connect(container, &FloatingWidgetContainer::resized, this, &FloatingWidget::onContainerResized);
    hide();
}

void FloatingWidget::onContainerResized(QSize container)
{
    setContainerSize(container);
}

void FloatingWidget::setContainerSize(QSize size)
{
    m_containerSize = size;
    recalculateGeometry();
}

void FloatingWidget::recalculateGeometry()
{
}

void FloatingWidget::hide()
{
    QWidget::hide();
    QWidget* focus = QApplication::focusWidget();
    if (hasFocus() || (focus && isAncestorOf(focus))) {
        if (QWidget* parent = parentWidget())
            parent->setFocus(Qt::OtherFocusReason);
    }
}

void FloatingWidget::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void FloatingWidget::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void FloatingWidget::wheelEvent(QWheelEvent* event)
{
    event->accept();
}

void FloatingWidget::paintEvent(QPaintEvent*)
{
    // Lets a style sheet background and border show.
    QStyleOption option;
    option.initFrom(this);
    QPainter p(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &p, this);
}
