#include "canvas/PE_DoubleSlider.h"

#include <QSignalBlocker>

#include <cmath>

PE_DoubleSlider::PE_DoubleSlider(QDoubleSlider* control, QObject* target, const char* propertyName, QObject* parent)
    : PE_TypeControl<QDoubleSlider>(control, target, propertyName, parent)
{
    slotPropertyChanged();
    followProperty();
    if (control && served())
        connect(control, SIGNAL(valueChanged(double)), this, SLOT(slotSliderValueChanged(double)));
    if (property.isValid() && !served())
        qWarning("PE_AbstractSlider: unhandled property '%s' of type %d", property.name(), propertyTypeNumber());
}

bool PE_DoubleSlider::served() const
{
    const int id = propertyTypeId();
    return id == QMetaType::Double || id == QMetaType::Int;
}

void PE_DoubleSlider::slotSliderValueChanged(double value)
{
    if (!alive() || !served())
        return;
    if (propertyTypeId() == QMetaType::Int)
        property.write(target, QVariant(int(std::trunc(value))));
    else
        property.write(target, QVariant(value));
}

void PE_DoubleSlider::slotPropertyChanged()
{
    if (!alive() || !served())
        return;
    const QSignalBlocker blocker(control.data());
    control->setValue(property.read(target).toDouble(), true);
}
