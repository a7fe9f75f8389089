#include "canvas/ContentProperties.h"

ContentProperties::ContentProperties(QWidget* parent)
    : QWidget(parent)
{
    setupUi(this);
}
