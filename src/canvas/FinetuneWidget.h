#pragma once

#include <QWidget>

namespace Ui {
class FinetuneWidget;
}
class QContinuesSlider;
class QSpinBox;

// The six fine-tune rows of a picture (caption, spin box, slider). Every
// change the user makes leaves as one valueChanged(type, value); owners push
// stored values back with setValue(type, value, true). Appliances connect
// the signal by its signature string, so the type is a registered meta-type.
// GUI thread only.
class FinetuneWidget : public QWidget
{
    Q_OBJECT
public:
    // Also the order of a picture's first six effects.
    enum FinetuneType {
        Saturation = 0, // -100 .. 100, neutral 0
        Contrast = 1, // -100 .. 100, neutral 0
        Brightness = 2, // -100 .. 100, neutral 0
        Sharpness = 3, // 0 .. 100, neutral 0
        Temperature = 4, // 2000 .. 12000 kelvin, neutral 5000
        Tint = 5, // -150 .. 150, neutral 10
    };
    Q_ENUM(FinetuneType)
    static constexpr int TypeCount = 6;

    explicit FinetuneWidget(QWidget* parent = nullptr);
    ~FinetuneWidget() override;

    // With block true nothing is announced. A type outside 0 .. 5 is ignored.
    void setValue(FinetuneWidget::FinetuneType type, int value, bool block);
    // All rows back to 0, 0, 0, 0, 5000, 10, silently.
    void restore();
    // Cleared: sliders announce only when the handle is released (large pictures).
    void setAcceptContinuesValue(bool accept);

signals:
    void valueChanged(FinetuneWidget::FinetuneType type, int value);

private:
    void initWidget();
    void spinChanged(FinetuneType type, int value);
    void sliderChanged(FinetuneType type, int value);

    Ui::FinetuneWidget* ui;
    QContinuesSlider* m_sliders[TypeCount];
    QSpinBox* m_spinBoxes[TypeCount];
};

Q_DECLARE_METATYPE(FinetuneWidget::FinetuneType)
