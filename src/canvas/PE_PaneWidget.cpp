#include "canvas/PE_PaneWidget.h"

PE_PaneWidget::PE_PaneWidget(PaneWidget* control, QObject* target, const char* propertyName, QObject* parent)
    : PE_TypeControl<PaneWidget>(control, target, propertyName, parent)
{
    slotPropertyChanged();
    followProperty();
    if (control)
        connect(control, SIGNAL(valueChanged(const QPointF &)), this, SLOT(slotPaneValueChanged(const QPointF &)));
    if (property.isValid() && !served())
        qWarning("PE_PaneWidget: unhandled property '%s' of type %d", property.name(), propertyTypeNumber());
}

bool PE_PaneWidget::served() const
{
    return propertyTypeId() == QMetaType::QPointF;
}

void PE_PaneWidget::slotPaneValueChanged(const QPointF& value)
{
    if (alive() && served())
        property.write(target, QVariant(value));
}

void PE_PaneWidget::slotPropertyChanged()
{
    // Not blocked: the pane announces the point, which is written back once
    // and stops there because the pane ignores an equal value.
    if (alive() && served())
        control->setValue(property.read(target).toPointF());
}
