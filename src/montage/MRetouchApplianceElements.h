#pragma once

#include "modebase/StepFormParts.h"

class QCheckBox;
class QPushButton;
class QRadioButton;
class QSliderWidget;

namespace Ui {

// The widgets of montage step 3, built on a host widget that is never shown:
// the appliance hands its boxes to the main window's bars.
class MRetouchApplianceElements : public StepFormParts::EditingFormMembers
{
public:
    QToolButton* bBack = nullptr;
    QFrame* line_8 = nullptr;
    QToolButton* bSaveImage = nullptr;
    QToolButton* bPrint = nullptr;
    QFrame* line_4 = nullptr;
    QToolButton* bPicture = nullptr;
    QToolButton* bText = nullptr;
    QLabel* label_4 = nullptr;
    QVBoxLayout* verticalLayout_4 = nullptr;
    QFrame* line_9 = nullptr;
    QWidget* contentWidget = nullptr;
    QLabel* imageThumbLabel = nullptr;
    QHBoxLayout* horizontalLayout_6 = nullptr;
    QPushButton* maskButton = nullptr;
    QWidget* scrollFrame = nullptr;
    QFrame* line_5 = nullptr;
    QHBoxLayout* horizontalLayout_2 = nullptr;
    QPushButton* generateButton = nullptr;
    QWidget* zorivuvWidget = nullptr;
    QVBoxLayout* verticalLayout_3 = nullptr;
    QHBoxLayout* horizontalLayout_22 = nullptr;
    QLabel* modeDescLabel = nullptr;
    QRadioButton* tileRadioButton = nullptr;
    QRadioButton* interlaceRadioButn = nullptr;
    QFrame* line_2 = nullptr;
    ::QSliderWidget* columnCountWidget = nullptr;
    ::QSliderWidget* tileSizeWidget = nullptr;
    QFrame* line_3 = nullptr;
    QCheckBox* matchColorCheckBox = nullptr;

    void setupUi(QWidget* host);
    void retranslateUi(QWidget* host);
};

} // namespace Ui
