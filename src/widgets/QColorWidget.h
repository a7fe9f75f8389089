#pragma once

#include <QColor>
#include <QWidget>

namespace Ui {
class QColorWidget;
}

// The colour picker panel: a caption, a swatch and red, green and blue
// boxes (0..255) on a header row, and below them a saturation/value square
// beside a vertical hue slider (0..359, red at both ends, minimum at the
// bottom).
//
// The boxes, the swatch and the square stay in step; the hue slider follows
// setColor only. Every change the user makes (a drag in the square, a
// number typed into a box once its editing finishes, a hue slider move)
// goes out as exactly one colorChanged. setColor is silent.
class QColorWidget : public QWidget
{
    Q_OBJECT

public:
    explicit QColorWidget(QWidget* parent = nullptr);
    ~QColorWidget() override;

    QColor color() const;
    // Shows `c` everywhere, the hue slider included (a grey puts it at 0),
    // with the signals of the panel and all its children held back.
    void setColor(const QColor& c);
    // The caption; an empty text hides it.
    void setDescText(const QString& text);
    // The widest the owner would have the panel: `width`, or what the
    // header row needs under the style in use if that is more, so that the
    // boxes show three digits whole (a style's padding and a longer
    // caption take more than a narrow host leaves). Polishes the panel.
    void setMaximumWidthKeepingBoxes(int width);

signals:
    void colorChanged(const QColor& color);

public slots:
    // A box changed: the square takes the boxes' colour.
    void onRGBChanged();
    // The hue slider moved: the square takes its hue, keeping saturation
    // and value.
    void onHSVChanged();
    // The square's colour goes to the boxes and the swatch, then out.
    void onColorChanged();

private:
    Ui::QColorWidget* ui;
};
