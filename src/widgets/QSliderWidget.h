#pragma once

#include <QWidget>

namespace Ui {
class QSliderWidget;
}

// One settings row of a side panel: a description and a borderless number
// box on a top line, a QContinuesSlider below. The two controls stay in step
// without echoing each other, and every change the user makes is reported
// with the row's property name, so one slot can serve several rows.
//
// Values set from code (setValue, setMinMaxValue) emit nothing. Both the
// slider and the number box let the mouse wheel pass to the enclosing
// scroll area.
class QSliderWidget : public QWidget
{
    Q_OBJECT

public:
    explicit QSliderWidget(QWidget* parent = nullptr);
    ~QSliderWidget() override;

    void setDesc(const QString& text);

    // First argument of both signals; empty until set.
    QString propertyName() const { return m_propertyName; }
    void setPropertyName(const QString& name);

    // Both set the two controls without any signal; each control clamps to
    // its own range.
    void setValue(int v);
    void setMinMaxValue(int min, int max);

signals:
    // A change made by the user: a slider press, drag step or release, or a
    // number typed in the box once its editing finished.
    void propertyValueChanged(QString propertyName, int value);
    // The slider's handle is being dragged.
    void propertyValueChanging(QString propertyName, int value);

private slots:
    void on_valueSlider_valueChanged(int value);
    void on_valueSlider_valueChanging(int value);
    void on_valueSpinBox_valueChanged(int arg1);

private:
    template <typename Apply>
    void applySilently(Apply apply);

    Ui::QSliderWidget* ui;
    QString m_propertyName;
};
