#pragma once

#include "ui_ContentProperties.h"

#include <QWidget>

// The property panel of the selected content: the title, the scroll area
// whose `scrollLayout` receives the sections ("Layer", the content's own,
// "Shape") and the "Remove" button. The form's widgets are members; the
// content's property-panel operation fills and binds them.
class ContentProperties : public QWidget, public Ui::ContentProperties
{
    Q_OBJECT
public:
    explicit ContentProperties(QWidget* parent = nullptr);
};
