#include "widgets/QColorWidget.h"

#include "ui_QColorWidget.h"
#include "widgets/DescendantSignalBlocker.h"

QColorWidget::QColorWidget(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::QColorWidget)
{
    ui->setupUi(this);

    for (QSpinBox* box : {ui->rSpinBox, ui->gSpinBox, ui->bSpinBox}) {
        connect(box, &QSpinBox::valueChanged, this, &QColorWidget::onRGBChanged);
        box->setButtonSymbols(QAbstractSpinBox::NoButtons);
        // A typed number is one change, not one per digit.
        box->setKeyboardTracking(false);
    }
    connect(ui->hueSlider, &QSlider::valueChanged, this, &QColorWidget::onHSVChanged);

    // Red at the top, then magenta, blue, cyan, green, yellow and red again
    // at the bottom, where the vertical slider has its minimum.
    QList<QColor> hues;
    for (int h = 0; h < 360; h += 60)
        hues.prepend(QColor::fromHsv(h, 255, 255, 255));
    hues.prepend(QColor(Qt::red));
    ui->hueSlider->setMaximum(359);
    ui->hueSlider->setColors(hues);
    ui->hueSlider->setValue(0);

    connect(ui->colorSquareWidget, &QColorSquare::colorSelected, this, &QColorWidget::onColorChanged);
}

QColorWidget::~QColorWidget()
{
    delete ui;
}

void QColorWidget::setMaximumWidthKeepingBoxes(int width)
{
    // The style sheet's padding and the fonts count only once polished.
    ensurePolished();
    setMaximumWidth(qMax(width, minimumSizeHint().width()));
}

QColor QColorWidget::color() const
{
    return ui->colorSquareWidget->color();
}

void QColorWidget::setColor(const QColor& c)
{
    const DescendantSignalBlocker blocker(this);
    ui->hueSlider->setValue(c.hue());
    ui->colorSquareWidget->setColor(c);
    ui->colorPreviewWidget->setColor(c);
    ui->rSpinBox->setValue(c.red());
    ui->gSpinBox->setValue(c.green());
    ui->bSpinBox->setValue(c.blue());
}

void QColorWidget::setDescText(const QString& text)
{
    ui->colorDescLabel->setText(text);
    ui->colorDescLabel->setVisible(!text.isEmpty());
}

void QColorWidget::onRGBChanged()
{
    if (signalsBlocked())
        return;
    ui->colorSquareWidget->setColor(QColor(ui->rSpinBox->value(), ui->gSpinBox->value(), ui->bSpinBox->value()));
    onColorChanged();
}

void QColorWidget::onHSVChanged()
{
    if (signalsBlocked())
        return;
    const QColor current = ui->colorSquareWidget->color();
    ui->colorSquareWidget->setColor(
        QColor::fromHsv(ui->hueSlider->value(), current.saturation(), current.value(), 255));
    onColorChanged();
}

void QColorWidget::onColorChanged()
{
    const QColor c = ui->colorSquareWidget->color();
    {
        const DescendantSignalBlocker blocker(this);
        ui->rSpinBox->setValue(c.red());
        ui->gSpinBox->setValue(c.green());
        ui->bSpinBox->setValue(c.blue());
        ui->colorPreviewWidget->setColor(c);
    }
    emit colorChanged(c);
}
