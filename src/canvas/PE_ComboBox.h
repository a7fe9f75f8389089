#pragma once

#include "canvas/PE_TypeControl.h"
#include <QComboBox>

// Binds a combo box's current index to an int property.
class PE_ComboBox : public PE_TypeControl<QComboBox>
{
    Q_OBJECT
public:
    PE_ComboBox(QComboBox* control, QObject* target, const char* propertyName, QObject* parent);

private slots:
    void slotComboChanged(int index);
    void slotPropertyChanged();

private:
    bool served() const;
};
