#pragma once

#include <QSlider>

#include <optional>

// Horizontal integer slider of the property panels.
//
// Signals seen by a listener:
// - A press on the groove away from the handle jumps the value to the click
//   position (linear in the widget width, not the style's groove metrics) and
//   emits valueChanged(int) once; the release that follows emits nothing.
// - A drag of the handle emits valueChanging(int) and, tracking being on,
//   valueChanged(int) for each position, then valueChanged(int) once more
//   with the final value at the release.
// - With acceptContinuesValue false, the slider's signals stay blocked from a
//   press on the handle until the release, so only the release's
//   valueChanged(int) is seen: one reaction per drag for costly listeners.
//
// The mouse wheel never changes the value: the event goes on to the parent,
// so a panel in a scroll area scrolls. The slider takes no keyboard focus.
class QContinuesSlider : public QSlider
{
    Q_OBJECT

public:
    explicit QContinuesSlider(QWidget* parent = nullptr);

    // Written directly by the slider's users; read at each press.
    bool acceptContinuesValue = true;

    // The value a press at `pos` (widget coordinates) jumps to, or nothing
    // when the press lands on `handle` (its border counts), which starts an
    // ordinary drag. Truncates toward zero: pos.x / width × (max − min) + min.
    static std::optional<int> grooveJumpValue(const QPointF& pos, const QRect& handle, int width,
                                              int minimum, int maximum);

public slots:
    // Sets the value, clamped to the range, without the signals of
    // QAbstractSlider. Unless `BlockSignals` is true it then emits
    // valueChanged(int) once with the stored value, even when the value did
    // not change. A caller's blocking of the slider's signals holds
    // throughout: nothing is emitted then.
    void setValue(int Value, bool BlockSignals = false);

signals:
    // The handle is being dragged to `value`.
    void valueChanging(int value);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void endDragBlock();

    // The last press jumped the value to the click position.
    bool m_jumped = false;
    // A drag runs with our signals blocked because acceptContinuesValue was
    // false at its press; m_blockedBeforeDrag is the state to go back to.
    bool m_dragBlocked = false;
    bool m_blockedBeforeDrag = false;
};
