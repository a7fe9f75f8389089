#pragma once

#include <QBrush>
#include <QColor>
#include <QLinearGradient>
#include <QList>
#include <QSlider>

// A slider painted as a bar filled with a linear gradient through a list of
// colours (first colour at the start, black to white at first) over a
// background brush, with a white handle. Horizontal at first; a vertical
// slider is 24 pixels wide and has its minimum at the bottom.
class QGradientSlider : public QSlider
{
    Q_OBJECT
    Q_PROPERTY(QBrush background READ background WRITE setBackground)
    Q_PROPERTY(QList<QColor> colors READ colors WRITE setColors)
    Q_PROPERTY(QLinearGradient gradient READ gradient WRITE setGradient)
    Q_PROPERTY(QColor firstColor READ firstColor WRITE setFirstColor)
    Q_PROPERTY(QColor lastColor READ lastColor WRITE setLastColor)

public:
    explicit QGradientSlider(QWidget* parent = nullptr);

    QBrush background() const { return m_background; }
    void setBackground(const QBrush& brush);

    QList<QColor> colors() const { return m_colors; }
    void setColors(const QList<QColor>& colors);

    // From (0, 0) to (1, 0), or to (0, 1) when vertical, stretched to the
    // widget, with the colours evenly spaced. A single colour fills the
    // whole bar; an empty list gives a gradient without stops.
    QLinearGradient gradient() const;
    // Takes the colours of the stops in order; their positions are dropped.
    void setGradient(const QLinearGradient& gradient);

    // An invalid colour while the list is empty.
    QColor firstColor() const;
    QColor lastColor() const;
    // Empties the list and makes `color` its only entry.
    void setFirstColor(const QColor& color);
    void setLastColor(const QColor& color);

    // Also fixes the width to 24 when vertical and frees it again when
    // horizontal. Set the orientation through this class for that.
    void setOrientation(Qt::Orientation orientation);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QColor> m_colors{Qt::black, Qt::white};
    QBrush m_background{Qt::darkGray, Qt::DiagCrossPattern};
};
