#include "panorama/PRetouchApplianceElements.h"

#include "modebase/ColorBorderWidget.h"
#include "modebase/StepFormParts.h"
#include "widgets/PixmapButton.h"
#include "widgets/QDoubleSlider.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QSpacerItem>
#include <QVBoxLayout>

using StepFormParts::barButton;
using StepFormParts::barButtonSide;
using StepFormParts::barLine;
using StepFormParts::horizontalLine;
using StepFormParts::panelHead;
using StepFormParts::setSideMargins;

namespace Ui {

void PRetouchApplianceElements::setupUi(QWidget* host)
{
    host->setObjectName(QStringLiteral("PRetouchApplianceElements"));
    host->resize(677, 1187);

    // Top bar, left: Back.
    addContentBox = new QWidget(host);
    addContentBox->setObjectName(QStringLiteral("addContentBox"));
    horizontalLayout_8 = new QHBoxLayout(addContentBox);
    horizontalLayout_8->setObjectName(QStringLiteral("horizontalLayout_8"));
    horizontalLayout_8->setContentsMargins(0, 0, 0, 0);
    bHome = barButton(addContentBox, "bHome", ":/data/step-backward.png");
    horizontalLayout_8->addWidget(bHome);
    line_8 = barLine(addContentBox, "line_8");
    horizontalLayout_8->addWidget(line_8);
    addContentBox->setGeometry(10, 40, 120, barButtonSide);

    StepFormParts::addStandInLabel(*this, host);
    label->setGeometry(10, 10, 240, 25);

    // Right bar while a content is selected: its property panel.
    StepFormParts::addPropertyBox(*this, host);
    propertiesBox->setGeometry(400, 100, 260, 300);

    // Top bar, right: Add Picture, Add Text | Save as Image | Print.
    StepFormParts::addRightBox(*this, host, 20, 0);
    bPicture = barButton(rightBox, "bPicture", ":/data/insert-image.png");
    bPicture->setMinimumSize(barButtonSide, barButtonSide);
    horizontalLayout_7->addWidget(bPicture);
    bText = barButton(rightBox, "bText", ":/data/insert-text.png");
    horizontalLayout_7->addWidget(bText);
    line_6 = barLine(rightBox, "line_6");
    horizontalLayout_7->addWidget(line_6);
    bSaveImage = barButton(rightBox, "bSaveImage", ":/data/save-image.png");
    horizontalLayout_7->addWidget(bSaveImage);
    line_7 = barLine(rightBox, "line_7");
    horizontalLayout_7->addWidget(line_7);
    bPrint = barButton(rightBox, "bPrint", ":/data/printer.png");
    horizontalLayout_7->addWidget(bPrint);
    rightBox->setGeometry(140, 40, 300, barButtonSide);

    label_4 = new QLabel(host);
    label_4->setObjectName(QStringLiteral("label_4"));
    label_4->setGeometry(260, 10, 240, 25);
    label_4->setText(QStringLiteral("This is the right Box"));

    // Right bar: header, preview, the "Fine-tuning" and "Border" panels.
    StepFormParts::addSideBox(*this, host);
    std::tie(line_9, horizontalLayout_11, label_6, widget, line_4)
        = panelHead(canvasPropertiesBox, verticalLayout_10, "line_9", "horizontalLayout_11", "label_6", "line_4");

    contentWidget = new QWidget(canvasPropertiesBox);
    contentWidget->setObjectName(QStringLiteral("contentWidget"));
    verticalLayout_11 = new QVBoxLayout(contentWidget);
    verticalLayout_11->setObjectName(QStringLiteral("verticalLayout_11"));
    horizontalLayout_9 = new QHBoxLayout;
    horizontalLayout_9->setObjectName(QStringLiteral("horizontalLayout_9"));
    imageThumbLabel = new QLabel(contentWidget);
    imageThumbLabel->setObjectName(QStringLiteral("imageThumbLabel"));
    imageThumbLabel->setFixedSize(200, 160);
    imageThumbLabel->setStyleSheet(QStringLiteral("QLabel{border:1px solid grey;}"));
    imageThumbLabel->setAlignment(Qt::AlignCenter);
    horizontalLayout_9->addWidget(imageThumbLabel, 0, Qt::AlignHCenter | Qt::AlignTop);
    verticalLayout_11->addLayout(horizontalLayout_9);
    verticalLayout_10->addWidget(contentWidget);

    horizontalLayout_6 = new QHBoxLayout;
    horizontalLayout_6->setObjectName(QStringLiteral("horizontalLayout_6"));
    // No side margins: the panels (at least 240 wide) and the scroll bar
    // take the whole 260 of the bar, and the panels indent their own rows.
    setSideMargins(horizontalLayout_6, 0, 0);
    const StepFormParts::ScrollPanel scroll = StepFormParts::scrollPanel(*this, canvasPropertiesBox);
    scrollAreaWidgetContents = scroll.contents;
    scrollFrame = scroll.frame;
    scroll.contentsLayout->addItem(new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Expanding));
    horizontalLayout_6->addWidget(scrollArea);
    verticalLayout_10->addLayout(horizontalLayout_6, 1);
    canvasPropertiesBox->setGeometry(10, 100, 260, 600);

    borderColorWidget = new ::ColorBorderWidget(host);
    borderColorWidget->setObjectName(QStringLiteral("borderColorWidget"));
    borderColorWidget->setGeometry(300, 420, 240, 200);

    // Bottom bar: size read-out and zoom.
    StepFormParts::addEditingBottomBar(*this, host);
    line_10 = new QFrame(bottomWidget);
    line_10->setObjectName(QStringLiteral("line_10"));
    line_10->setFrameShape(QFrame::VLine);
    line_10->setFrameShadow(QFrame::Sunken);
    line_10->setMaximumWidth(1);
    horizontalLayout_4->addWidget(line_10);
    bottomWidget->setGeometry(10, 720, 600, 40);

    retranslateUi(host);
}

void PRetouchApplianceElements::retranslateUi(QWidget*)
{
    bHome->setToolTip(QCoreApplication::translate("PRetouchApplianceElements", "Back"));
    bPicture->setToolTip(QCoreApplication::translate("PRetouchApplianceElements", "Add Picture"));
    bText->setToolTip(QCoreApplication::translate("PRetouchApplianceElements", "Add Text"));
    bSaveImage->setToolTip(QCoreApplication::translate("PRetouchApplianceElements", "Save as Image"));
    bPrint->setToolTip(QCoreApplication::translate("PRetouchApplianceElements", "Print"));
    label_6->setText(QCoreApplication::translate("PRetouchApplianceElements", "Fine-tuning & Decoration"));
}

} // namespace Ui
