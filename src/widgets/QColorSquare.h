#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// A two-dimensional colour plane: one channel (the checked channel) is held
// fixed and the other two vary across and down the widget. With the hue
// channel ('H', the default) saturation grows to the right and value grows
// downwards, so the top row is black. A drag picks a colour; a circle marks
// the picked point.
//
// All channels are doubles in 0..1 (a hue of -1 stands for a grey picked in
// an R, G or B plane). The plane is drawn one pixel right of and below the
// widget's origin. Picking reports colorSelected and then colorChanged, once
// per move event and once more at the release.
class QColorSquare : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(double hue READ hue WRITE setHue)
    Q_PROPERTY(double saturation READ saturation WRITE setSaturation)
    Q_PROPERTY(double value READ value WRITE setValue)

public:
    explicit QColorSquare(QWidget* parent = nullptr);

    QColor color() const;
    double hue() const { return m_hue; }
    double saturation() const { return m_saturation; }
    double value() const { return m_value; }
    char checkedColor() const { return m_checked; }

    // The marker as fractions of the width and height.
    QPointF marker() const { return {m_markerX, m_markerY}; }

    // The plane as it is drawn, of the widget's size, kept until the fixed
    // channel, the checked channel or the size changes.
    const QImage& plane();

public slots:
    // Takes hue, saturation and value of `c` (a grey gets hue 0), moves the
    // marker to (saturation, value) and emits colorChanged(c) with the colour
    // passed in.
    void setColor(const QColor& c);
    // Each clamps into 0..1 and emits colorChanged(color()); the marker
    // stays where it is.
    void setHue(double h);
    void setSaturation(double s);
    void setValue(double v);
    // One of 'H', 'S', 'V', 'R', 'G', 'B'; any other character leaves the
    // plane unpainted and makes picking change nothing.
    void setCheckedColor(char checked);

signals:
    void colorChanged(const QColor& color);
    void colorSelected(const QColor& color);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void pick(const QMouseEvent* event);
    // The channel value that the plane's pixels depend on besides x and y.
    double fixedChannel() const;
    void renderPlane();

    double m_hue = 0;
    double m_saturation = 0;
    double m_value = 0;
    double m_markerX = 0;
    double m_markerY = 0;
    QImage m_square;
    char m_checked = 'H';

    // What m_square was rendered for.
    char m_planeChannel = 0;
    double m_planeFixed = 0;
};
