#pragma once

#include "canvas/PE_TypeControl.h"
#include <QAbstractButton>

// Binds a checkable button's checked state to a bool or int property.
class PE_AbstractButton : public PE_TypeControl<QAbstractButton>
{
    Q_OBJECT
public:
    PE_AbstractButton(QAbstractButton* control, QObject* target, const char* propertyName, QObject* parent);

private slots:
    void slotButtonChecked(bool checked);
    void slotPropertyChanged();

private:
    bool served() const;
};
