#pragma once

#include "canvas/PE_TypeControl.h"
#include "widgets/QDoubleSlider.h"

// Binds a QDoubleSlider to a double or int property; an int property gets the
// slider value truncated toward zero.
class PE_DoubleSlider : public PE_TypeControl<QDoubleSlider>
{
    Q_OBJECT
public:
    PE_DoubleSlider(QDoubleSlider* control, QObject* target, const char* propertyName, QObject* parent);

private slots:
    void slotSliderValueChanged(double value);
    void slotPropertyChanged();

private:
    bool served() const;
};
