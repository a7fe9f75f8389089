#include "canvas/PE_ColorSelectionButton.h"

PE_ColorSelectionButton::PE_ColorSelectionButton(ColorSelectorButton* control, QObject* target,
                                                 const char* propertyName, QObject* parent)
    : PE_TypeControl<ColorSelectorButton>(control, target, propertyName, parent)
{
    slotPropertyChanged();
    followProperty();
    if (control)
        connect(control, SIGNAL(colorChanged(QColor)), this, SLOT(slotColorChanged(QColor)));
    if (property.isValid() && !served())
        qWarning("PE_ColorSelectionButton: unhandled property '%s' of type %d", property.name(),
                 propertyTypeNumber());
}

bool PE_ColorSelectionButton::served() const
{
    return propertyTypeId() == QMetaType::QColor;
}

void PE_ColorSelectionButton::slotColorChanged(QColor color)
{
    if (alive() && served())
        property.write(target, QVariant(color));
}

void PE_ColorSelectionButton::slotPropertyChanged()
{
    if (!alive() || !served())
        return;
    const QVariant value = property.read(target);
    control->setColor(value.canConvert<QColor>() ? value.value<QColor>() : QColor(), true);
}
