#include "canvas/FinetuneWidget.h"

#include "ui_FinetuneWidget.h"

#include <QSignalBlocker>

namespace {

const int kNeutral[FinetuneWidget::TypeCount] = {0, 0, 0, 0, 5000, 10};

// Signal connections by signature string need the type known by name.
const int kFinetuneTypeId = qRegisterMetaType<FinetuneWidget::FinetuneType>("FinetuneWidget::FinetuneType");

} // namespace

FinetuneWidget::FinetuneWidget(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::FinetuneWidget)
{
    Q_UNUSED(kFinetuneTypeId);
    ui->setupUi(this);
    initWidget();
}

FinetuneWidget::~FinetuneWidget()
{
    delete ui;
}

void FinetuneWidget::initWidget()
{
    QContinuesSlider* sliders[TypeCount] = {ui->saturationSlider, ui->contrastSlider, ui->brightnessSlider,
                                            ui->sharpnessSlider, ui->temperatureSlider, ui->tintSlider};
    QSpinBox* spins[TypeCount] = {ui->saturationSpinBox, ui->contrastSpinBox, ui->brightnessSpinBox,
                                  ui->sharpnessSpinBox, ui->temperatureSpinBox, ui->tintSpinBox};
    for (int t = 0; t < TypeCount; ++t) {
        m_sliders[t] = sliders[t];
        m_spinBoxes[t] = spins[t];
        const auto type = FinetuneType(t);
        spins[t]->setButtonSymbols(QAbstractSpinBox::NoButtons);
        connect(spins[t], &QSpinBox::valueChanged, this, [this, type](int v) { spinChanged(type, v); });
        connect(sliders[t], &QSlider::valueChanged, this, [this, type](int v) { sliderChanged(type, v); });
    }
    const QSignalBlocker temperature(ui->temperatureSlider);
    ui->temperatureSlider->setRange(2000, 12000);
    ui->temperatureSlider->setValue(5000, true);
    const QSignalBlocker tint(ui->tintSlider);
    ui->tintSlider->setRange(-150, 150);
    ui->tintSlider->setValue(10, true);
}

void FinetuneWidget::spinChanged(FinetuneType type, int value)
{
    m_sliders[type]->setValue(value, true);
    emit valueChanged(type, value);
}

void FinetuneWidget::sliderChanged(FinetuneType type, int value)
{
    {
        const QSignalBlocker blocker(m_spinBoxes[type]);
        m_spinBoxes[type]->setValue(value);
    }
    emit valueChanged(type, value);
}

void FinetuneWidget::setValue(FinetuneWidget::FinetuneType type, int value, bool block)
{
    if (int(type) < 0 || int(type) >= TypeCount)
        return;
    {
        // Before the slider announces, so the handler finds the spin box current.
        const QSignalBlocker blocker(m_spinBoxes[type]);
        m_spinBoxes[type]->setValue(value);
    }
    m_sliders[type]->setValue(value, block);
}

void FinetuneWidget::restore()
{
    for (int t = 0; t < TypeCount; ++t)
        setValue(FinetuneType(t), kNeutral[t], true);
}

void FinetuneWidget::setAcceptContinuesValue(bool accept)
{
    for (QContinuesSlider* slider : m_sliders)
        slider->acceptContinuesValue = accept;
}
