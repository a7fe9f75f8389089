#include "canvas/TextProperties.h"

#include "ui_TextProperties.h"

TextProperties::TextProperties(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::TextProperties)
{
    m_ui->setupUi(this);
}

TextProperties::~TextProperties()
{
    delete m_ui;
}

QPushButton* TextProperties::editShapeButton() const
{
    return m_ui->tEditShape;
}

QPushButton* TextProperties::clearShapeButton() const
{
    return m_ui->tClearShape;
}
