#pragma once

#include "modebase/StepFormParts.h"

class ColorBorderWidget;
class QPushButton;

namespace Ui {

// The widgets of montage step 1, built on a host widget that is never shown:
// the appliance hands its boxes to the main window's bars.
class ZorivuvApplianceElements : public StepFormParts::CanvasFormMembers
{
public:
    QToolButton* bHome = nullptr;
    QFrame* line_6 = nullptr;
    QToolButton* bPicture = nullptr;
    QLabel* label_3 = nullptr;
    QWidget* canvasPropertiesWidget = nullptr;
    QFrame* line_3 = nullptr;
    QLabel* imageThumbLabel = nullptr;
    QFrame* line = nullptr;
    QWidget* scrollAreaWidgetContents = nullptr;
    QWidget* scrollFrame = nullptr;
    QFrame* line_2 = nullptr;
    QPushButton* nextButton = nullptr;
    QFrame* line_4 = nullptr;
    ::ColorBorderWidget* borderColorWidget = nullptr;

    void setupUi(QWidget* host);
    void retranslateUi(QWidget* host);
};

} // namespace Ui
