#pragma once

#include "canvas/PE_TypeControl.h"
#include "widgets/ColorSelectorButton.h"

// Binds a colour swatch to a QColor property.
class PE_ColorSelectionButton : public PE_TypeControl<ColorSelectorButton>
{
    Q_OBJECT
public:
    PE_ColorSelectionButton(ColorSelectorButton* control, QObject* target, const char* propertyName, QObject* parent);

private slots:
    void slotColorChanged(QColor color);
    void slotPropertyChanged();

private:
    bool served() const;
};
