#include "canvas/PE_ComboBox.h"

PE_ComboBox::PE_ComboBox(QComboBox* control, QObject* target, const char* propertyName, QObject* parent)
    : PE_TypeControl<QComboBox>(control, target, propertyName, parent)
{
    slotPropertyChanged();
    followProperty();
    if (control)
        connect(control, SIGNAL(currentIndexChanged(int)), this, SLOT(slotComboChanged(int)));
    if (property.isValid() && !served())
        qWarning("PE_Combo: unhandled property '%s' of type %d", property.name(), propertyTypeNumber());
}

bool PE_ComboBox::served() const
{
    return propertyTypeId() == QMetaType::Int;
}

void PE_ComboBox::slotComboChanged(int index)
{
    if (alive() && served())
        property.write(target, QVariant(index));
}

void PE_ComboBox::slotPropertyChanged()
{
    if (alive() && served())
        control->setCurrentIndex(property.read(target).toInt());
}
