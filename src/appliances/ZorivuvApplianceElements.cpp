#include "appliances/ZorivuvApplianceElements.h"

#include "appliances/ColorBorderWidget.h"
#include "appliances/StepFormParts.h"
#include "widgets/PixmapButton.h"
#include "widgets/QDoubleSlider.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpacerItem>
#include <QToolButton>
#include <QVBoxLayout>

using StepFormParts::horizontalLine;
using StepFormParts::toolButton;
using StepFormParts::verticalLine;

namespace Ui {

void ZorivuvApplianceElements::setupUi(QWidget* host)
{
    host->setObjectName(QStringLiteral("ZorivuvApplianceElements"));
    auto* hostLayout = new QVBoxLayout(host);

    // Top bar, left: Back | Select Background.
    addContentBox = new QWidget(host);
    addContentBox->setObjectName(QStringLiteral("addContentBox"));
    horizontalLayout_8 = new QHBoxLayout(addContentBox);
    horizontalLayout_8->setObjectName(QStringLiteral("horizontalLayout_8"));
    horizontalLayout_8->setSpacing(6);
    horizontalLayout_8->setContentsMargins(12, 4, 0, 4);
    bHome = toolButton(addContentBox, "bHome", QIcon(QStringLiteral(":/data/step-backward.png")));
    horizontalLayout_8->addWidget(bHome);
    line_6 = StepFormParts::verticalLine(addContentBox, "line_6");
    horizontalLayout_8->addWidget(line_6);
    bPicture = toolButton(addContentBox, "bPicture", QIcon(QStringLiteral(":/data/file-add.png")));
    horizontalLayout_8->addWidget(bPicture);
    hostLayout->addWidget(addContentBox);

    label = new QLabel(host);
    label->setObjectName(QStringLiteral("label"));
    label->setText(QStringLiteral("This is the 'add content' Box"));
    hostLayout->addWidget(label);

    // Top bar, right: the step's title.
    const StepFormParts::TitleBox title = StepFormParts::titleBox(host, "label_3");
    rightBox = title.box;
    horizontalLayout_7 = title.layout;
    label_3 = title.label;
    hostLayout->addWidget(rightBox);

    // Right bar: preview, panels, Next.
    canvasPropertiesBox = new QWidget(host);
    canvasPropertiesBox->setObjectName(QStringLiteral("canvasPropertiesBox"));
    canvasPropertiesBox->setFixedWidth(260);
    verticalLayout_10 = new QVBoxLayout(canvasPropertiesBox);
    verticalLayout_10->setObjectName(QStringLiteral("verticalLayout_10"));
    verticalLayout_10->setSpacing(0);
    verticalLayout_10->setContentsMargins(0, 0, 0, 0);

    canvasPropertiesWidget = new QWidget(canvasPropertiesBox);
    canvasPropertiesWidget->setObjectName(QStringLiteral("canvasPropertiesWidget"));
    canvasPropertiesWidget->setMaximumHeight(240);
    auto* previewLayout = new QVBoxLayout(canvasPropertiesWidget);
    line_3 = horizontalLine(canvasPropertiesWidget, "line_3");
    previewLayout->addWidget(line_3);
    imageThumbLabel = new QLabel(canvasPropertiesWidget);
    imageThumbLabel->setObjectName(QStringLiteral("imageThumbLabel"));
    imageThumbLabel->setFixedSize(200, 200);
    imageThumbLabel->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    previewLayout->addWidget(imageThumbLabel, 0, Qt::AlignHCenter);
    line = horizontalLine(canvasPropertiesWidget, "line");
    previewLayout->addWidget(line);
    verticalLayout_10->addWidget(canvasPropertiesWidget);

    scrollArea = new QScrollArea(canvasPropertiesBox);
    scrollArea->setObjectName(QStringLiteral("scrollArea"));
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea->setWidgetResizable(true);
    scrollAreaWidgetContents = new QWidget;
    scrollAreaWidgetContents->setObjectName(QStringLiteral("scrollAreaWidgetContents"));
    auto* contentsLayout = new QVBoxLayout(scrollAreaWidgetContents);
    contentsLayout->setContentsMargins(0, 0, 0, 0);
    scrollFrame = new QWidget(scrollAreaWidgetContents);
    scrollFrame->setObjectName(QStringLiteral("scrollFrame"));
    scrollFrame->setMinimumWidth(240);
    scrollLayout = new QVBoxLayout(scrollFrame);
    scrollLayout->setObjectName(QStringLiteral("scrollLayout"));
    scrollLayout->setSpacing(1);
    // -1: the style's own margin at the sides.
    scrollLayout->setContentsMargins(-1, 0, -1, 1);
    contentsLayout->addWidget(scrollFrame);
    contentsLayout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
    scrollArea->setWidget(scrollAreaWidgetContents);
    verticalLayout_10->addWidget(scrollArea);

    line_2 = horizontalLine(canvasPropertiesBox, "line_2");
    verticalLayout_10->addWidget(line_2);
    auto* nextLayout = new QHBoxLayout;
    nextLayout->setContentsMargins(24, 11, 24, 12);
    nextButton = new QPushButton(canvasPropertiesBox);
    nextButton->setObjectName(QStringLiteral("nextButton"));
    nextButton->setFixedSize(190, 28);
    nextLayout->addWidget(nextButton);
    verticalLayout_10->addLayout(nextLayout);
    hostLayout->addWidget(canvasPropertiesBox);

    // Bottom bar: size read-out and zoom.
    bottomWidget = new QWidget(host);
    bottomWidget->setObjectName(QStringLiteral("bottomWidget"));
    bottomWidget->setFixedHeight(52);
    auto* bottomLayout = new QVBoxLayout(bottomWidget);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    line_4 = horizontalLine(bottomWidget, "line_4");
    bottomLayout->addWidget(line_4);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(12, 0, 24, 0);
    sizeLabel = new QLabel(bottomWidget);
    sizeLabel->setObjectName(QStringLiteral("sizeLabel"));
    row->addWidget(sizeLabel);
    row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    auto* zoomRow = new QHBoxLayout;
    zoomRow->setSpacing(12);
    fitinButn = new PixmapButton(bottomWidget);
    fitinButn->setObjectName(QStringLiteral("fitinButn"));
    fitinButn->setMinimumSize(16, 16);
    zoomRow->addWidget(fitinButn);
    actualButn = new PixmapButton(bottomWidget);
    actualButn->setObjectName(QStringLiteral("actualButn"));
    actualButn->setMinimumSize(16, 16);
    zoomRow->addWidget(actualButn);
    scaleSlider = new QDoubleSlider(bottomWidget);
    scaleSlider->setObjectName(QStringLiteral("scaleSlider"));
    scaleSlider->setOrientation(Qt::Horizontal);
    scaleSlider->setFixedWidth(160);
    zoomRow->addWidget(scaleSlider);
    row->addLayout(zoomRow);
    bottomLayout->addLayout(row);
    hostLayout->addWidget(bottomWidget);

    borderColorWidget = new ::ColorBorderWidget(host);
    borderColorWidget->setObjectName(QStringLiteral("borderColorWidget"));
    hostLayout->addWidget(borderColorWidget);

    retranslateUi(host);
}

void ZorivuvApplianceElements::retranslateUi(QWidget* host)
{
    Q_UNUSED(host);
    bHome->setText(QCoreApplication::translate("ZorivuvApplianceElements", "Back"));
    bPicture->setText(QCoreApplication::translate("ZorivuvApplianceElements", "Select Background"));
    label_3->setText(QCoreApplication::translate("ZorivuvApplianceElements", "Step 1: Select a photo as background."));
    nextButton->setText(QCoreApplication::translate("ZorivuvApplianceElements", "Next"));
}

} // namespace Ui
