#pragma once

class ColorBorderWidget;
class PixmapButton;
class QDoubleSlider;
class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolButton;
class QVBoxLayout;
class QWidget;

namespace Ui {

// The widgets of montage step 1, built on a host widget that is never shown:
// the appliance hands its boxes to the main window's bars.
class ZorivuvApplianceElements
{
public:
    QWidget* addContentBox = nullptr;
    QHBoxLayout* horizontalLayout_8 = nullptr;
    QToolButton* bHome = nullptr;
    QFrame* line_6 = nullptr;
    QToolButton* bPicture = nullptr;
    QLabel* label = nullptr;
    QWidget* rightBox = nullptr;
    QHBoxLayout* horizontalLayout_7 = nullptr;
    QLabel* label_3 = nullptr;
    QWidget* canvasPropertiesBox = nullptr;
    QVBoxLayout* verticalLayout_10 = nullptr;
    QWidget* canvasPropertiesWidget = nullptr;
    QFrame* line_3 = nullptr;
    QLabel* imageThumbLabel = nullptr;
    QFrame* line = nullptr;
    QScrollArea* scrollArea = nullptr;
    QWidget* scrollAreaWidgetContents = nullptr;
    QWidget* scrollFrame = nullptr;
    QVBoxLayout* scrollLayout = nullptr;
    QFrame* line_2 = nullptr;
    QPushButton* nextButton = nullptr;
    QWidget* bottomWidget = nullptr;
    QFrame* line_4 = nullptr;
    QLabel* sizeLabel = nullptr;
    PixmapButton* fitinButn = nullptr;
    PixmapButton* actualButn = nullptr;
    QDoubleSlider* scaleSlider = nullptr;
    ::ColorBorderWidget* borderColorWidget = nullptr;

    void setupUi(QWidget* host);
    void retranslateUi(QWidget* host);
};

} // namespace Ui
