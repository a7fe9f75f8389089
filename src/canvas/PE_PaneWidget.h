#pragma once

#include "canvas/PE_TypeControl.h"
#include "canvas/PaneWidget.h"

// Binds a PaneWidget to a QPointF property.
class PE_PaneWidget : public PE_TypeControl<PaneWidget>
{
    Q_OBJECT
public:
    PE_PaneWidget(PaneWidget* control, QObject* target, const char* propertyName, QObject* parent);

private slots:
    void slotPaneValueChanged(const QPointF& value);
    void slotPropertyChanged();

private:
    bool served() const;
};
