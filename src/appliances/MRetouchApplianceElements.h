#pragma once

class PixmapButton;
class QCheckBox;
class QDoubleSlider;
class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSliderWidget;
class QToolButton;
class QVBoxLayout;
class QWidget;

namespace Ui {

// The widgets of montage step 3, built on a host widget that is never shown:
// the appliance hands its boxes to the main window's bars.
class MRetouchApplianceElements
{
public:
    QWidget* addContentBox = nullptr;
    QHBoxLayout* horizontalLayout_8 = nullptr;
    QToolButton* bBack = nullptr;
    QFrame* line_8 = nullptr;
    QToolButton* bSaveImage = nullptr;
    QToolButton* bPrint = nullptr;
    QFrame* line_4 = nullptr;
    QToolButton* bPicture = nullptr;
    QToolButton* bText = nullptr;
    QLabel* label = nullptr;
    QWidget* propertiesBox = nullptr;
    QVBoxLayout* propLayout = nullptr;
    QWidget* rightBox = nullptr;
    QHBoxLayout* horizontalLayout_7 = nullptr;
    QLabel* label_4 = nullptr;
    QWidget* canvasPropertiesBox = nullptr;
    QVBoxLayout* verticalLayout_10 = nullptr;
    QVBoxLayout* verticalLayout_4 = nullptr;
    QFrame* line_9 = nullptr;
    QWidget* contentWidget = nullptr;
    QLabel* imageThumbLabel = nullptr;
    QHBoxLayout* horizontalLayout_6 = nullptr;
    QPushButton* maskButton = nullptr;
    QScrollArea* scrollArea = nullptr;
    QWidget* scrollFrame = nullptr;
    QVBoxLayout* scrollLayout = nullptr;
    QFrame* line_5 = nullptr;
    QHBoxLayout* horizontalLayout_2 = nullptr;
    QPushButton* generateButton = nullptr;
    QWidget* bottomWidget = nullptr;
    QVBoxLayout* verticalLayout = nullptr;
    QFrame* line = nullptr;
    QHBoxLayout* horizontalLayout_4 = nullptr;
    QLabel* sizeLabel = nullptr;
    QHBoxLayout* horizontalLayout = nullptr;
    PixmapButton* fitinButn = nullptr;
    PixmapButton* actualButn = nullptr;
    QDoubleSlider* scaleSlider = nullptr;
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
