#include "collage/ExactSizeDialog.h"

ExactSizeDialog::ExactSizeDialog(QWidget* parent)
    : QDialog(parent)
{
    ui.setupUi(this);
}
