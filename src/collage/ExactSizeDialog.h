#pragma once

#include "ui_ExactSizeDialog.h"

#include <QDialog>

// The modal "Canvas Size" dialog: an exact canvas width and height in
// pixels, each 400 to 20000. The owner writes and reads the two spin boxes
// of `ui` directly; a value outside the range shows clamped.
class ExactSizeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ExactSizeDialog(QWidget* parent = nullptr);

    Ui::ExactSizeDialog ui;
};
