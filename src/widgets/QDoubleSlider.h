#pragma once

#include <QSlider>

// Horizontal slider carrying a double value, as the zoom sliders and the
// property panels use it. The integer position is the value times factor()
// (10000), truncated toward zero: setValue(0.0003) stands at position 2,
// because 10000 × 0.0003 is 2.9999999999999996.
//
// valueChanged(double) follows every change of the integer position (as
// position / factor), and comes once more at the release of a handle drag;
// valueChanging(double) reports the drag itself. A press on the groove away
// from the handle jumps there as QContinuesSlider does. The mouse wheel
// never changes the value; the slider takes no keyboard focus.
//
// The int-valued members of QAbstractSlider stay reachable by qualification;
// note that the slot setValue(int) only echoes a position as a double and
// does not move the slider.
class QDoubleSlider : public QSlider
{
    Q_OBJECT

public:
    explicit QDoubleSlider(QWidget* parent = nullptr);

    // Integer steps per unit of the double value.
    double factor() const { return m_factor; }

    // Sets the integer range to trunc(factor × min) .. trunc(factor × max)
    // and emits rangeChanged(min, max) with the values passed in.
    void setRange(double min, double max);
    // Each sets one end and emits rangeChanged with the resulting range.
    void setMinimum(double min);
    void setMaximum(double max);

    double minimum() const;
    double maximum() const;
    double value() const;

public slots:
    // Echo of the integer valueChanged(int): emits valueChanged(p / factor).
    void setValue(int p);
    // Moves the slider to trunc(factor × Value). Unless `BlockSignals` is
    // true, a change of position first gives its echo, and then
    // valueChanged(Value) follows with the value passed in (bounded to the
    // range), so listeners end on the caller's exact value. A caller's
    // blocking of the slider's signals holds throughout.
    void setValue(double Value, bool BlockSignals = false);

signals:
    void valueChanged(double value);
    void valueChanging(double value);
    void rangeChanged(double Min, double Max);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int toPosition(double v) const;

    double m_factor = 10000.0;
    // The last press jumped the value to the click position.
    bool m_jumped = false;
};
