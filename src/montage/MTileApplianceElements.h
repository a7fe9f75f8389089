#pragma once

#include "modebase/StepFormParts.h"

class QPushButton;

namespace Ui {

// The widgets of montage step 2, built on a host widget that is never shown:
// the appliance hands its boxes to the main window's bars.
class MTileApplianceElements : public StepFormParts::BarMembers
{
public:
    QToolButton* bHome = nullptr;
    QFrame* line_6 = nullptr;
    QToolButton* bPicture = nullptr;
    QToolButton* bRemovePicture = nullptr;
    QLabel* label_6 = nullptr;
    QHBoxLayout* horizontalLayout_2 = nullptr;
    QVBoxLayout* verticalLayout_3 = nullptr;
    QHBoxLayout* horizontalLayout_3 = nullptr;
    QLabel* countLabel = nullptr;
    QPushButton* nextButton = nullptr;

    void setupUi(QWidget* host);
    void retranslateUi(QWidget* host);
};

} // namespace Ui
