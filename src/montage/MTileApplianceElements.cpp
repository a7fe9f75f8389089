#include "montage/MTileApplianceElements.h"

#include "modebase/StepFormParts.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QToolButton>
#include <QVBoxLayout>

using StepFormParts::toolButton;

namespace Ui {

void MTileApplianceElements::setupUi(QWidget* host)
{
    host->setObjectName(QStringLiteral("MTileApplianceElements"));
    auto* hostLayout = new QVBoxLayout(host);

    // Top bar, left: Back | Add Tiles, Remove Tiles.
    StepFormParts::addBackBox(*this, host, bHome, "bHome", line_6, "line_6");
    bPicture = toolButton(addContentBox, "bPicture", QIcon(QStringLiteral(":/data/file-add.png")));
    horizontalLayout_8->addWidget(bPicture);
    QIcon removeIcon(QStringLiteral(":/data/file-remove.png"));
    removeIcon.addFile(QStringLiteral(":/data/file-removeD.png"), QSize(), QIcon::Disabled);
    bRemovePicture = toolButton(addContentBox, "bRemovePicture", removeIcon);
    bRemovePicture->setEnabled(false);
    horizontalLayout_8->addWidget(bRemovePicture);
    hostLayout->addWidget(addContentBox);

    StepFormParts::addStandInLabel(*this, host);
    hostLayout->addWidget(label);

    // Top bar, right: the step's title.
    label_6 = StepFormParts::addTitleBox(*this, host, "label_6");
    hostLayout->addWidget(rightBox);

    // Bottom bar: the count and Next.
    bottomWidget = new QWidget(host);
    bottomWidget->setObjectName(QStringLiteral("bottomWidget"));
    horizontalLayout_2 = new QHBoxLayout(bottomWidget);
    horizontalLayout_2->setObjectName(QStringLiteral("horizontalLayout_2"));
    horizontalLayout_2->setContentsMargins(0, 0, 0, 0);
    verticalLayout_3 = new QVBoxLayout;
    verticalLayout_3->setObjectName(QStringLiteral("verticalLayout_3"));
    // -1: the layout's own default for the top and bottom.
    verticalLayout_3->setContentsMargins(12, -1, 24, -1);
    horizontalLayout_3 = new QHBoxLayout;
    horizontalLayout_3->setObjectName(QStringLiteral("horizontalLayout_3"));
    countLabel = new QLabel(bottomWidget);
    countLabel->setObjectName(QStringLiteral("countLabel"));
    horizontalLayout_3->addWidget(countLabel);
    horizontalLayout_3->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    nextButton = new QPushButton(bottomWidget);
    nextButton->setObjectName(QStringLiteral("nextButton"));
    nextButton->setFixedSize(190, 28);
    nextButton->setEnabled(false);
    horizontalLayout_3->addWidget(nextButton);
    verticalLayout_3->addLayout(horizontalLayout_3);
    horizontalLayout_2->addLayout(verticalLayout_3);
    hostLayout->addWidget(bottomWidget);

    retranslateUi(host);
}

void MTileApplianceElements::retranslateUi(QWidget* host)
{
    Q_UNUSED(host);
    bHome->setText(QCoreApplication::translate("MTileApplianceElements", "Back"));
    bPicture->setText(QCoreApplication::translate("MTileApplianceElements", "Add Tiles"));
    bRemovePicture->setText(QCoreApplication::translate("MTileApplianceElements", "Remove Tiles"));
    label_6->setText(
        QCoreApplication::translate("MTileApplianceElements", "Step2: Select photos as tiles,  the more the better."));
    nextButton->setText(QCoreApplication::translate("MTileApplianceElements", "Next"));
}

} // namespace Ui
