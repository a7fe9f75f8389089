#include "montage/MRetouchApplianceElements.h"

#include "modebase/StepFormParts.h"
#include "widgets/PixmapButton.h"
#include "widgets/QDoubleSlider.h"
#include "widgets/QSliderWidget.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpacerItem>
#include <QToolButton>
#include <QVBoxLayout>

using StepFormParts::horizontalLine;
using StepFormParts::toolButton;
using StepFormParts::verticalLine;

namespace Ui {

void MRetouchApplianceElements::setupUi(QWidget* host)
{
    host->setObjectName(QStringLiteral("MRetouchApplianceElements"));
    auto* hostLayout = new QVBoxLayout(host);

    // Top bar, left: Back | Export Print | Stickers Text.
    StepFormParts::addBackBox(*this, host, bBack, "bBack", line_8, "line_8");
    bSaveImage = toolButton(addContentBox, "bSaveImage", QIcon(QStringLiteral(":/data/save-image.png")));
    horizontalLayout_8->addWidget(bSaveImage);
    bPrint = toolButton(addContentBox, "bPrint", QIcon(QStringLiteral(":/data/printer.png")));
    horizontalLayout_8->addWidget(bPrint);
    line_4 = verticalLine(addContentBox, "line_4");
    horizontalLayout_8->addWidget(line_4);
    bPicture = toolButton(addContentBox, "bPicture", QIcon(QStringLiteral(":/data/insert-image.png")));
    horizontalLayout_8->addWidget(bPicture);
    bText = toolButton(addContentBox, "bText", QIcon(QStringLiteral(":/data/insert-text.png")));
    horizontalLayout_8->addWidget(bText);
    hostLayout->addWidget(addContentBox);

    StepFormParts::addStandInLabel(*this, host);
    hostLayout->addWidget(label);

    StepFormParts::addPropertyBox(*this, host);
    hostLayout->addWidget(propertiesBox);

    StepFormParts::addRightBox(*this, host, 20, 0);
    label_4 = new QLabel(rightBox);
    label_4->setObjectName(QStringLiteral("label_4"));
    label_4->setText(QStringLiteral("This is the right Box"));
    horizontalLayout_7->addWidget(label_4);
    hostLayout->addWidget(rightBox);

    // Right bar: target preview, Mask, options, Generate.
    StepFormParts::addSideBox(*this, host);
    verticalLayout_4 = new QVBoxLayout;
    verticalLayout_4->setObjectName(QStringLiteral("verticalLayout_4"));
    line_9 = horizontalLine(canvasPropertiesBox, "line_9");
    verticalLayout_4->addWidget(line_9);
    contentWidget = new QWidget(canvasPropertiesBox);
    contentWidget->setObjectName(QStringLiteral("contentWidget"));
    auto* contentLayout = new QVBoxLayout(contentWidget);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    imageThumbLabel = new QLabel(contentWidget);
    imageThumbLabel->setObjectName(QStringLiteral("imageThumbLabel"));
    imageThumbLabel->setFixedSize(200, 160);
    contentLayout->addWidget(imageThumbLabel, 0, Qt::AlignHCenter | Qt::AlignTop);
    horizontalLayout_6 = new QHBoxLayout;
    horizontalLayout_6->setObjectName(QStringLiteral("horizontalLayout_6"));
    const QMargins defaults = horizontalLayout_6->contentsMargins();
    horizontalLayout_6->setContentsMargins(12, defaults.top(), 12, defaults.bottom());
    maskButton = new QPushButton(contentWidget);
    maskButton->setObjectName(QStringLiteral("maskButton"));
    horizontalLayout_6->addWidget(maskButton);
    contentLayout->addLayout(horizontalLayout_6);
    scrollArea = new QScrollArea(contentWidget);
    scrollArea->setObjectName(QStringLiteral("scrollArea"));
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setWidgetResizable(true);
    scrollFrame = new QWidget;
    scrollFrame->setObjectName(QStringLiteral("scrollFrame"));
    scrollFrame->setMinimumWidth(240);
    scrollLayout = new QVBoxLayout(scrollFrame);
    scrollLayout->setObjectName(QStringLiteral("scrollLayout"));
    scrollLayout->setContentsMargins(0, 0, 0, 0);
    scrollArea->setWidget(scrollFrame);
    contentLayout->addWidget(scrollArea, 1);
    line_5 = horizontalLine(contentWidget, "line_5", false);
    contentLayout->addWidget(line_5);
    horizontalLayout_2 = new QHBoxLayout;
    horizontalLayout_2->setObjectName(QStringLiteral("horizontalLayout_2"));
    generateButton = new QPushButton(contentWidget);
    generateButton->setObjectName(QStringLiteral("generateButton"));
    generateButton->setFixedSize(190, 28);
    QFont bold = generateButton->font();
    bold.setWeight(QFont::Bold);
    generateButton->setFont(bold);
    generateButton->setShortcut(QKeySequence(QStringLiteral("Return")));
    horizontalLayout_2->addWidget(generateButton);
    contentLayout->addLayout(horizontalLayout_2);
    verticalLayout_4->addWidget(contentWidget);
    verticalLayout_10->addLayout(verticalLayout_4);
    hostLayout->addWidget(canvasPropertiesBox);

    // Bottom bar: size read-out, zoom.
    StepFormParts::addEditingBottomBar(*this, host);
    hostLayout->addWidget(bottomWidget);

    // The "Options" panel's contents.
    zorivuvWidget = new QWidget(host);
    zorivuvWidget->setObjectName(QStringLiteral("zorivuvWidget"));
    zorivuvWidget->setMinimumWidth(200);
    verticalLayout_3 = new QVBoxLayout(zorivuvWidget);
    verticalLayout_3->setObjectName(QStringLiteral("verticalLayout_3"));
    verticalLayout_3->setContentsMargins(24, 12, 24, 12);
    horizontalLayout_22 = new QHBoxLayout;
    horizontalLayout_22->setObjectName(QStringLiteral("horizontalLayout_22"));
    modeDescLabel = new QLabel(zorivuvWidget);
    modeDescLabel->setObjectName(QStringLiteral("modeDescLabel"));
    horizontalLayout_22->addWidget(modeDescLabel);
    tileRadioButton = new QRadioButton(zorivuvWidget);
    tileRadioButton->setObjectName(QStringLiteral("tileRadioButton"));
    horizontalLayout_22->addWidget(tileRadioButton);
    interlaceRadioButn = new QRadioButton(zorivuvWidget);
    interlaceRadioButn->setObjectName(QStringLiteral("interlaceRadioButn"));
    horizontalLayout_22->addWidget(interlaceRadioButn);
    verticalLayout_3->addLayout(horizontalLayout_22);
    line_2 = horizontalLine(zorivuvWidget, "line_2", false);
    verticalLayout_3->addWidget(line_2);
    columnCountWidget = new ::QSliderWidget(zorivuvWidget);
    columnCountWidget->setObjectName(QStringLiteral("columnCountWidget"));
    verticalLayout_3->addWidget(columnCountWidget);
    tileSizeWidget = new ::QSliderWidget(zorivuvWidget);
    tileSizeWidget->setObjectName(QStringLiteral("tileSizeWidget"));
    verticalLayout_3->addWidget(tileSizeWidget);
    line_3 = horizontalLine(zorivuvWidget, "line_3", false);
    verticalLayout_3->addWidget(line_3);
    matchColorCheckBox = new QCheckBox(zorivuvWidget);
    matchColorCheckBox->setObjectName(QStringLiteral("matchColorCheckBox"));
    verticalLayout_3->addWidget(matchColorCheckBox);
    hostLayout->addWidget(zorivuvWidget);

    retranslateUi(host);
}

void MRetouchApplianceElements::retranslateUi(QWidget*)
{
    bBack->setText(QCoreApplication::translate("MRetouchApplianceElements", "Back"));
    bSaveImage->setText(QCoreApplication::translate("MRetouchApplianceElements", "Export"));
    bPrint->setText(QCoreApplication::translate("MRetouchApplianceElements", "Print"));
    bPicture->setText(QCoreApplication::translate("MRetouchApplianceElements", "Stickers"));
    bText->setText(QCoreApplication::translate("MRetouchApplianceElements", "Text"));
    maskButton->setText(QCoreApplication::translate("MRetouchApplianceElements", "Mask"));
    generateButton->setText(QCoreApplication::translate("MRetouchApplianceElements", "Generate"));
    modeDescLabel->setText(QCoreApplication::translate("MRetouchApplianceElements", "Mode:"));
    tileRadioButton->setText(QCoreApplication::translate("MRetouchApplianceElements", "Tile"));
    interlaceRadioButn->setText(QCoreApplication::translate("MRetouchApplianceElements", "Interlace"));
    matchColorCheckBox->setText(QCoreApplication::translate("MRetouchApplianceElements", "Match Color"));
}

} // namespace Ui
