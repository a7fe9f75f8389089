#pragma once

#include "modebase/StepFormParts.h"

class PixmapTextButton;
class QPushButton;
class QRadioButton;

namespace Ui {

// The widgets of the panorama photo list, built on a host widget that is
// never shown: the appliance hands its boxes to the main window's bars and
// the "Size" and "Style" contents to its side panels.
class PanoramaApplianceElements : public StepFormParts::PanelFormMembers
{
public:
    PixmapButton* bHome = nullptr;
    QFrame* line_6 = nullptr;
    PixmapButton* bPicture = nullptr;
    QLabel* label_6 = nullptr;
    QFrame* line_5 = nullptr;
    QHBoxLayout* horizontalLayout_10 = nullptr;
    QLabel* label_5 = nullptr;
    QWidget* widget = nullptr;
    QFrame* line_3 = nullptr;
    QWidget* scrollAreaWidgetContents = nullptr;
    QFrame* scrollFrame = nullptr;
    QFrame* line_2 = nullptr;
    QHBoxLayout* horizontalLayout = nullptr;
    QPushButton* nextButton = nullptr;
    QVBoxLayout* verticalLayout_3 = nullptr;
    QLabel* countLabel = nullptr;
    QWidget* sizeWidget = nullptr;
    QVBoxLayout* verticalLayout_7 = nullptr;
    QRadioButton* largeChckButn = nullptr;
    QRadioButton* mediumChckButn = nullptr;
    QRadioButton* smallChckButn = nullptr;
    QLabel* label_2 = nullptr;
    QWidget* styleWidget = nullptr;
    QVBoxLayout* verticalLayout_4 = nullptr;
    PixmapTextButton* horButton = nullptr;
    PixmapTextButton* verButton = nullptr;
    PixmapTextButton* tileButton = nullptr;
    PixmapTextButton* fullButton = nullptr;
    QLabel* stitchingLabel = nullptr;

    void setupUi(QWidget* host);
    void retranslateUi(QWidget* host);
};

} // namespace Ui
