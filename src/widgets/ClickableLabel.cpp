#include "widgets/ClickableLabel.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(QWidget* parent, Qt::WindowFlags f)
    : QLabel(parent, f)
{
}

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent, Qt::WindowFlags f)
    : QLabel(text, parent, f)
{
}

ClickableLabel::~ClickableLabel() = default;

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    emit clicked();
}
