#include "panorama/PanoramaApplianceElements.h"

#include "modebase/StepFormParts.h"
#include "widgets/PixmapButton.h"
#include "widgets/PixmapTextButton.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpacerItem>
#include <QVBoxLayout>

using StepFormParts::barButton;
using StepFormParts::barButtonSide;
using StepFormParts::barLine;
using StepFormParts::horizontalLine;
using StepFormParts::panelHead;

namespace {

PixmapTextButton* styleButton(QWidget* parent, const char* name)
{
    auto* button = new PixmapTextButton(parent);
    button->setObjectName(QLatin1String(name));
    QFont normal = button->font();
    normal.setWeight(QFont::Normal);
    button->setFont(normal);
    return button;
}

QRadioButton* sizeButton(QWidget* parent, const char* name)
{
    auto* button = new QRadioButton(parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

namespace Ui {

void PanoramaApplianceElements::setupUi(QWidget* host)
{
    host->setObjectName(QStringLiteral("PanoramaApplianceElements"));
    host->resize(677, 1187);

    // Top bar, left: Back | Add Photos.
    addContentBox = new QWidget(host);
    addContentBox->setObjectName(QStringLiteral("addContentBox"));
    addContentBox->setProperty("@onTopbar", true);
    horizontalLayout_8 = new QHBoxLayout(addContentBox);
    horizontalLayout_8->setObjectName(QStringLiteral("horizontalLayout_8"));
    horizontalLayout_8->setContentsMargins(0, 0, 0, 0);
    bHome = barButton(addContentBox, "bHome", ":/data/step-backward.png");
    horizontalLayout_8->addWidget(bHome);
    line_6 = barLine(addContentBox, "line_6");
    horizontalLayout_8->addWidget(line_6);
    bPicture = barButton(addContentBox, "bPicture", ":/data/file-add.png");
    bPicture->setMinimumSize(barButtonSide, barButtonSide);
    horizontalLayout_8->addWidget(bPicture);
    addContentBox->setGeometry(10, 40, 200, barButtonSide);

    StepFormParts::addStandInLabel(*this, host);
    label->setGeometry(10, 10, 240, 25);

    // Top bar, right: what to do here.
    StepFormParts::addRightBox(*this, host, 12, 12);
    label_6 = new QLabel(rightBox);
    label_6->setObjectName(QStringLiteral("label_6"));
    label_6->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label_6->setWordWrap(false);
    horizontalLayout_7->addWidget(label_6);
    rightBox->setGeometry(260, 40, 400, barButtonSide);

    // Right bar: "Options" header, the panels, Next.
    StepFormParts::addSideBox(*this, host);
    std::tie(line_5, horizontalLayout_10, label_5, widget, line_3)
        = panelHead(canvasPropertiesBox, verticalLayout_10, "line_5", "horizontalLayout_10", "label_5", "line_3");

    const StepFormParts::ScrollPanel scroll = StepFormParts::scrollPanel(*this, canvasPropertiesBox);
    scrollAreaWidgetContents = scroll.contents;
    scrollFrame = scroll.frame;
    verticalLayout_10->addWidget(scrollArea, 1);

    line_2 = horizontalLine(canvasPropertiesBox, "line_2");
    verticalLayout_10->addWidget(line_2);
    horizontalLayout = new QHBoxLayout;
    horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    horizontalLayout->setContentsMargins(24, 12, 24, 12);
    nextButton = new QPushButton(canvasPropertiesBox);
    nextButton->setObjectName(QStringLiteral("nextButton"));
    nextButton->setMinimumWidth(190);
    nextButton->setMaximumWidth(190);
    nextButton->setEnabled(false);
    horizontalLayout->addWidget(nextButton);
    verticalLayout_10->addLayout(horizontalLayout);
    canvasPropertiesBox->setGeometry(10, 100, 260, 600);

    // Bottom bar: the file count.
    bottomWidget = new QWidget(host);
    bottomWidget->setObjectName(QStringLiteral("bottomWidget"));
    verticalLayout_3 = new QVBoxLayout(bottomWidget);
    verticalLayout_3->setObjectName(QStringLiteral("verticalLayout_3"));
    const QMargins bottomDefaults = verticalLayout_3->contentsMargins();
    verticalLayout_3->setContentsMargins(12, bottomDefaults.top(), 12, bottomDefaults.bottom());
    countLabel = new QLabel(bottomWidget);
    countLabel->setObjectName(QStringLiteral("countLabel"));
    verticalLayout_3->addWidget(countLabel);
    verticalLayout_3->addItem(new QSpacerItem(20, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));
    bottomWidget->setGeometry(10, 720, 600, 40);

    // Contents of the "Size" panel.
    sizeWidget = new QWidget(host);
    sizeWidget->setObjectName(QStringLiteral("sizeWidget"));
    verticalLayout_7 = new QVBoxLayout(sizeWidget);
    verticalLayout_7->setObjectName(QStringLiteral("verticalLayout_7"));
    verticalLayout_7->setContentsMargins(12, 12, 12, 12);
    largeChckButn = sizeButton(sizeWidget, "largeChckButn");
    verticalLayout_7->addWidget(largeChckButn);
    mediumChckButn = sizeButton(sizeWidget, "mediumChckButn");
    verticalLayout_7->addWidget(mediumChckButn);
    smallChckButn = sizeButton(sizeWidget, "smallChckButn");
    verticalLayout_7->addWidget(smallChckButn);
    label_2 = new QLabel(sizeWidget);
    label_2->setObjectName(QStringLiteral("label_2"));
    label_2->setMaximumWidth(220);
    label_2->setWordWrap(true);
    verticalLayout_7->addWidget(label_2);
    sizeWidget->setGeometry(300, 100, 240, 160);

    // Contents of the "Style" panel.
    styleWidget = new QWidget(host);
    styleWidget->setObjectName(QStringLiteral("styleWidget"));
    verticalLayout_4 = new QVBoxLayout(styleWidget);
    verticalLayout_4->setObjectName(QStringLiteral("verticalLayout_4"));
    verticalLayout_4->setContentsMargins(12, 12, 12, 12);
    horButton = styleButton(styleWidget, "horButton");
    verticalLayout_4->addWidget(horButton);
    verButton = styleButton(styleWidget, "verButton");
    verticalLayout_4->addWidget(verButton);
    tileButton = styleButton(styleWidget, "tileButton");
    verticalLayout_4->addWidget(tileButton);
    fullButton = styleButton(styleWidget, "fullButton");
    verticalLayout_4->addWidget(fullButton);
    stitchingLabel = new QLabel(styleWidget);
    stitchingLabel->setObjectName(QStringLiteral("stitchingLabel"));
    stitchingLabel->setMaximumWidth(220);
    stitchingLabel->setWordWrap(true);
    verticalLayout_4->addWidget(stitchingLabel);
    styleWidget->setGeometry(300, 300, 240, 260);

    retranslateUi(host);
}

void PanoramaApplianceElements::retranslateUi(QWidget*)
{
    bHome->setToolTip(QCoreApplication::translate("PanoramaApplianceElements", "Back"));
    bPicture->setToolTip(QCoreApplication::translate("PanoramaApplianceElements", "Add Photos"));
    label_6->setText(QCoreApplication::translate("PanoramaApplianceElements", "Select a group of photos and suitable options."));
    label_5->setText(QCoreApplication::translate("PanoramaApplianceElements", "Options"));
    nextButton->setText(QCoreApplication::translate("PanoramaApplianceElements", "Next"));
    largeChckButn->setText(QCoreApplication::translate("PanoramaApplianceElements", "Original Size"));
    mediumChckButn->setText(QCoreApplication::translate("PanoramaApplianceElements", "1/2 Size"));
    smallChckButn->setText(QCoreApplication::translate("PanoramaApplianceElements", "1/4 Size"));
    label_2->setText(QCoreApplication::translate("PanoramaApplianceElements",
        "For printing,  select original size.  \nFor digital display or web sharing,  select a small size."));
    horButton->setText(QCoreApplication::translate("PanoramaApplianceElements", "Horizontal"));
    verButton->setText(QCoreApplication::translate("PanoramaApplianceElements", "Vertical"));
    fullButton->setText(QCoreApplication::translate("PanoramaApplianceElements", "360"));
    tileButton->setText(QCoreApplication::translate("PanoramaApplianceElements", "Tile"));
}

} // namespace Ui
