#pragma once

#include <QColor>
#include <QWidget>

// A spinner of twelve spokes; the opaque one points at the current angle
// (0 = straight up) and the others fade anticlockwise behind it. Each tick
// of its own timer turns the pattern 30 degrees clockwise.
//
// Stopped, it paints nothing unless displayedWhenStopped is set, in which
// case the spokes stay frozen at the last angle. GUI thread only.
class QProgressIndicator : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int delay READ animationDelay WRITE setAnimationDelay)
    Q_PROPERTY(bool displayedWhenStopped READ isDisplayedWhenStopped WRITE setDisplayedWhenStopped)
    Q_PROPERTY(QColor color READ color WRITE setColor)

public:
    explicit QProgressIndicator(QWidget* parent = nullptr);

    // Timer interval in milliseconds.
    int animationDelay() const { return m_delay; }
    bool isAnimated() const;
    bool isDisplayedWhenStopped() const;
    const QColor& color() const { return m_color; }
    // Rotation of the opaque spoke in degrees: a multiple of 30 in 0..330.
    int angle() const { return m_angle; }

    QSize sizeHint() const override;
    int heightForWidth(int w) const override;

public slots:
    // Resets the angle to 0; starts the timer unless it already runs.
    void startAnimation();
    void stopAnimation();
    // Restarts a running timer with the new interval.
    void setAnimationDelay(int delay);
    void setDisplayedWhenStopped(bool state);
    void setColor(const QColor& color);

protected:
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_angle = 0;
    int m_timerId = -1;
    int m_delay = 40;
    bool m_displayedWhenStopped = false;
    QColor m_color = Qt::black;
};
