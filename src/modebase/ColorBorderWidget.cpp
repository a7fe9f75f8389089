#include "modebase/ColorBorderWidget.h"
#include "ui_ColorBorderWidget.h"

#include "widgets/DescendantSignalBlocker.h"

ColorBorderWidget::ColorBorderWidget(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::ColorBorderWidget)
{
    qRegisterMetaType<CanvasBorder>();
    ui->setupUi(this);
    ui->colorWidget->setDescText(QString());

    const auto side = [this](bool CanvasBorder::*flag) {
        return [this, flag](bool on) {
            m_border.*flag = on;
            emit borderChanged(m_border);
        };
    };
    connect(ui->topChck, &QCheckBox::toggled, this, side(&CanvasBorder::top));
    connect(ui->bottomChck, &QCheckBox::toggled, this, side(&CanvasBorder::bottom));
    connect(ui->leftChck, &QCheckBox::toggled, this, side(&CanvasBorder::left));
    connect(ui->rightChck, &QCheckBox::toggled, this, side(&CanvasBorder::right));

    // The two opacity controls mirror each other without echoing, so one
    // edit through either leaves as exactly one record.
    connect(ui->borderOpacitySpinBox, &QSpinBox::valueChanged, this, [this](int value) {
        m_border.opacity = value;
        ui->transparencySlider->setValue(value, true);
        emit borderChanged(m_border);
    });
    connect(ui->transparencySlider, &QSlider::valueChanged, this, [this](int value) {
        m_border.opacity = value;
        {
            const QSignalBlocker blocker(ui->borderOpacitySpinBox);
            ui->borderOpacitySpinBox->setValue(value);
        }
        emit borderChanged(m_border);
    });
    connect(ui->borderWidthSpinBox, &QSpinBox::valueChanged, this, [this](int value) {
        m_border.width = value;
        emit borderChanged(m_border);
    });
    connect(ui->colorWidget, &QColorWidget::colorChanged, this, [this](const QColor& color) {
        // The chooser may speak HSV; the record compares and stores RGB.
        m_border.color = color.toRgb();
        emit borderChanged(m_border);
    });

    setColorBorder(m_border);
}

ColorBorderWidget::~ColorBorderWidget()
{
    delete ui;
}

void ColorBorderWidget::setColorBorder(const CanvasBorder& border)
{
    m_border = border;
    const DescendantSignalBlocker blocker(this);
    ui->topChck->setChecked(border.top);
    ui->bottomChck->setChecked(border.bottom);
    ui->leftChck->setChecked(border.left);
    ui->rightChck->setChecked(border.right);
    ui->borderOpacitySpinBox->setValue(border.opacity);
    ui->transparencySlider->setValue(border.opacity, true);
    ui->borderWidthSpinBox->setValue(border.width);
    ui->colorWidget->setColor(border.color);
}
