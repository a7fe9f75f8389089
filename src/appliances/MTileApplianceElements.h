#pragma once

class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QToolButton;
class QVBoxLayout;
class QWidget;

namespace Ui {

// The widgets of montage step 2, built on a host widget that is never shown:
// the appliance hands its boxes to the main window's bars.
class MTileApplianceElements
{
public:
    QWidget* addContentBox = nullptr;
    QHBoxLayout* horizontalLayout_8 = nullptr;
    QToolButton* bHome = nullptr;
    QFrame* line_6 = nullptr;
    QToolButton* bPicture = nullptr;
    QToolButton* bRemovePicture = nullptr;
    QLabel* label = nullptr;
    QWidget* rightBox = nullptr;
    QHBoxLayout* horizontalLayout_7 = nullptr;
    QLabel* label_6 = nullptr;
    QWidget* bottomWidget = nullptr;
    QHBoxLayout* horizontalLayout_2 = nullptr;
    QVBoxLayout* verticalLayout_3 = nullptr;
    QHBoxLayout* horizontalLayout_3 = nullptr;
    QLabel* countLabel = nullptr;
    QPushButton* nextButton = nullptr;

    void setupUi(QWidget* host);
    void retranslateUi(QWidget* host);
};

} // namespace Ui
