#pragma once

#include "modebase/StepFormParts.h"

class ColorBorderWidget;

namespace Ui {

// The widgets of the panorama retouch step, built on a host widget that is
// never shown: the appliance hands its boxes to the main window's bars and
// the border editor to its "Border" panel.
class PRetouchApplianceElements : public StepFormParts::EditingFormMembers
{
public:
    PixmapButton* bHome = nullptr;
    QFrame* line_8 = nullptr;
    PixmapButton* bPicture = nullptr;
    PixmapButton* bText = nullptr;
    QFrame* line_6 = nullptr;
    PixmapButton* bSaveImage = nullptr;
    QFrame* line_7 = nullptr;
    PixmapButton* bPrint = nullptr;
    QLabel* label_4 = nullptr;
    QFrame* line_9 = nullptr;
    QHBoxLayout* horizontalLayout_11 = nullptr;
    QLabel* label_6 = nullptr;
    QWidget* widget = nullptr;
    QFrame* line_4 = nullptr;
    QWidget* contentWidget = nullptr;
    QVBoxLayout* verticalLayout_11 = nullptr;
    QHBoxLayout* horizontalLayout_9 = nullptr;
    QLabel* imageThumbLabel = nullptr;
    QHBoxLayout* horizontalLayout_6 = nullptr;
    QWidget* scrollAreaWidgetContents = nullptr;
    QFrame* scrollFrame = nullptr;
    ::ColorBorderWidget* borderColorWidget = nullptr;
    QFrame* line_10 = nullptr;

    void setupUi(QWidget* host);
    void retranslateUi(QWidget* host);
};

} // namespace Ui
