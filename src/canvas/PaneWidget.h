#pragma once

#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <QWidget>

class QPropertyAnimation;

// A small square pane in which the user drags a handle: its value is a point
// inside `range` (default -1 .. 1 on both axes, y growing downward like the
// pixels). Presses and drags glide to the new point in 500 ms; a double click
// glides back to (0, 0). GUI thread only.
class PaneWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QPointF value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(QRectF range READ range WRITE setRange NOTIFY rangeChanged)
public:
    explicit PaneWidget(QWidget* parent = nullptr);

    QPointF value() const { return m_value; }
    QRectF range() const { return m_range; }
    // Stored as given (not clamped); fuzzy-equal values change nothing.
    void setValue(const QPointF& point);
    // The value is not adjusted to a new range.
    void setRange(const QRectF& rect);

    // The pixel of a value in a pane of `size`; (0, 0) for an empty range.
    static QPointF valueToPixel(const QPointF& value, const QRectF& range, const QSize& size);
    // The value of a pixel, limited to the range. Only for panes of at
    // least 2 x 2 pixels.
    static QPointF pixelToValue(const QPointF& pixel, const QRectF& range, const QSize& size);

signals:
    void valueChanged(const QPointF& value);
    void rangeChanged(const QRectF& range);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void glideToPixel(const QPointF& pixel);

    QRectF m_range{-1, -1, 2, 2};
    QPointF m_value{0, 0};
    bool m_hovered = false;
    bool m_pressed = false;
    // One animation at a time, retargeted by each press or move, so that
    // older glides do not pull the handle back during a drag.
    QPointer<QPropertyAnimation> m_animation;
};
