#include "canvas/PE_AbstractButton.h"

#include <QSignalBlocker>

PE_AbstractButton::PE_AbstractButton(QAbstractButton* control, QObject* target, const char* propertyName,
                                     QObject* parent)
    : PE_TypeControl<QAbstractButton>(control, target, propertyName, parent)
{
    slotPropertyChanged();
    followProperty();
    if (control)
        connect(control, SIGNAL(toggled(bool)), this, SLOT(slotButtonChecked(bool)));
}

bool PE_AbstractButton::served() const
{
    const int id = propertyTypeId();
    return id == QMetaType::Bool || id == QMetaType::Int;
}

void PE_AbstractButton::slotButtonChecked(bool checked)
{
    if (alive() && served())
        property.write(target, QVariant(checked));
}

void PE_AbstractButton::slotPropertyChanged()
{
    if (!alive() || !served())
        return;
    const QSignalBlocker blocker(control.data());
    control->setChecked(property.read(target).toBool());
}
