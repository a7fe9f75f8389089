#include "montage/ZorivuvApplianceElements.h"

#include "modebase/ColorBorderWidget.h"
#include "modebase/StepFormParts.h"
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
    StepFormParts::addBackBox(*this, host, bHome, "bHome", line_6, "line_6");
    bPicture = toolButton(addContentBox, "bPicture", QIcon(QStringLiteral(":/data/file-add.png")));
    horizontalLayout_8->addWidget(bPicture);
    hostLayout->addWidget(addContentBox);

    StepFormParts::addStandInLabel(*this, host);
    hostLayout->addWidget(label);

    // Top bar, right: the step's title.
    label_3 = StepFormParts::addTitleBox(*this, host, "label_3");
    hostLayout->addWidget(rightBox);

    // Right bar: preview, panels, Next.
    StepFormParts::addSideBox(*this, host);

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

    const StepFormParts::ScrollPanel scroll = StepFormParts::scrollPanel(*this, canvasPropertiesBox);
    scrollAreaWidgetContents = scroll.contents;
    scrollFrame = scroll.frame;
    // -1: the style's own margin at the sides.
    scrollLayout->setContentsMargins(-1, 0, -1, 1);
    scroll.contentsLayout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
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
    StepFormParts::addZoomParts(*this, bottomWidget, zoomRow);
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
