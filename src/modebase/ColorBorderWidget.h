#pragma once

#include "canvas/CanvasBorder.h"

#include <QWidget>

namespace Ui {
class ColorBorderWidget;
}

// The border panel: four side check boxes, a colour chooser, an opacity
// (0..255) shown in a spin box and a slider, and a band width (20..200).
// Every user edit announces the whole record once through borderChanged;
// setColorBorder shows a record silently. The stored record keeps the
// values it was given even where a control clamps them (a width of 10 shows
// as 20 but stays 10 until the width is edited). GUI thread only.
class ColorBorderWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ColorBorderWidget(QWidget* parent = nullptr);
    ~ColorBorderWidget() override;

    void setColorBorder(const CanvasBorder& border);
    CanvasBorder colorBorder() const { return m_border; }

signals:
    void borderChanged(CanvasBorder border);

private:
    Ui::ColorBorderWidget* ui;
    CanvasBorder m_border;
};
