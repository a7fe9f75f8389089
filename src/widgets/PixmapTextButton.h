#pragma once

#include "widgets/PixmapButton.h"

// A wide PixmapButton with its icon at the left and a white caption beside
// it (the caption is QAbstractButton::text()). The icon is drawn at half its
// pixel size, neither faded nor shifted while pressed; a hovered button is
// highlighted even when disabled.
class PixmapTextButton : public PixmapButton
{
    Q_OBJECT

public:
    explicit PixmapTextButton(QWidget* parent = nullptr);
    ~PixmapTextButton() override;

    // Left edge of the caption in widget coordinates.
    double captionLeft() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
