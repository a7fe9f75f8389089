#pragma once

#include <QWidget>

namespace Ui {
class PictureProperties;
}

// The "Fine-tuning" section of a picture's panel: the two mirror buttons
// and the fine-tune rows. The picture fills and connects it.
class PictureProperties : public QWidget
{
    Q_OBJECT
public:
    explicit PictureProperties(QWidget* parent = nullptr);
    ~PictureProperties() override;

    // The form, for the picture that connects its controls.
    Ui::PictureProperties* form() const { return ui; }

private:
    Ui::PictureProperties* ui;
};
