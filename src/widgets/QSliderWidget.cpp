#include "widgets/QSliderWidget.h"

#include "ui_QSliderWidget.h"

#include <QSignalBlocker>

#include <vector>

QSliderWidget::QSliderWidget(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::QSliderWidget)
{
    ui->setupUi(this);
    ui->valueSlider->setSingleStep(0);
    ui->valueSlider->setPageStep(0);
    ui->valueSpinBox->setButtonSymbols(QAbstractSpinBox::NoButtons);
    // A typed number counts once editing finishes, not digit by digit.
    ui->valueSpinBox->setKeyboardTracking(false);
}

QSliderWidget::~QSliderWidget()
{
    delete ui;
}

void QSliderWidget::setDesc(const QString& text)
{
    ui->valueDescLabel->setText(text);
}

void QSliderWidget::setPropertyName(const QString& name)
{
    m_propertyName = name;
}

template <typename Apply>
void QSliderWidget::applySilently(Apply apply)
{
    // The blockers give every widget back the state it had, so a caller's
    // own blocking survives the call.
    std::vector<QSignalBlocker> blockers;
    blockers.emplace_back(this);
    for (QWidget* child : findChildren<QWidget*>())
        blockers.emplace_back(child);
    apply();
}

void QSliderWidget::setValue(int v)
{
    applySilently([&] {
        ui->valueSpinBox->setValue(v);
        ui->valueSlider->setValue(v, true);
    });
}

void QSliderWidget::setMinMaxValue(int min, int max)
{
    applySilently([&] {
        ui->valueSlider->setMinimum(min);
        ui->valueSlider->setMaximum(max);
        ui->valueSpinBox->setMinimum(min);
        ui->valueSpinBox->setMaximum(max);
    });
}

void QSliderWidget::on_valueSlider_valueChanged(int value)
{
    {
        const QSignalBlocker blocker(ui->valueSpinBox);
        ui->valueSpinBox->setValue(value);
    }
    emit propertyValueChanged(m_propertyName, value);
}

void QSliderWidget::on_valueSlider_valueChanging(int value)
{
    {
        const QSignalBlocker blocker(ui->valueSpinBox);
        ui->valueSpinBox->setValue(value);
    }
    emit propertyValueChanging(m_propertyName, value);
}

void QSliderWidget::on_valueSpinBox_valueChanged(int arg1)
{
    ui->valueSlider->setValue(arg1, true);
    emit propertyValueChanged(m_propertyName, arg1);
}
