#include "canvas/PictureProperties.h"

#include "ui_PictureProperties.h"

PictureProperties::PictureProperties(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::PictureProperties)
{
    ui->setupUi(this);
}

PictureProperties::~PictureProperties()
{
    delete ui;
}
