#include "modebase/StepFormParts.h"

#include "widgets/PixmapButton.h"
#include "widgets/QDoubleSlider.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QSpacerItem>
#include <QToolButton>
#include <QVBoxLayout>

namespace StepFormParts {

namespace {

// A box named `boxName` on `host` and its column `columnName`, without
// spacing or margins.
QVBoxLayout* columnBox(QWidget*& box, QWidget* host, const char* boxName, const char* columnName)
{
    box = new QWidget(host);
    box->setObjectName(QLatin1String(boxName));
    auto* column = new QVBoxLayout(box);
    column->setObjectName(QLatin1String(columnName));
    column->setSpacing(0);
    column->setContentsMargins(0, 0, 0, 0);
    return column;
}

} // namespace

QToolButton* toolButton(QWidget* parent, const char* name, const QIcon& icon)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(icon);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
}

QFrame* verticalLine(QWidget* parent, const char* name)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setMaximumSize(1, 16);
    line->setStyleSheet(QStringLiteral("QFrame\n{\n\tborder:none;\n\tbackground-color:rgb(64,64,64);\n\tmax-width : 1px;\n}"));
    return line;
}

QFrame* horizontalLine(QWidget* parent, const char* name, bool styled)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    if (styled)
        line->setStyleSheet(QStringLiteral("QFrame\n{\n\tborder:none;\n\tbackground-color:black;\n\tmax-height : 1px;\n}"));
    return line;
}

void addStandInLabel(BarMembers& form, QWidget* host)
{
    form.label = new QLabel(host);
    form.label->setObjectName(QStringLiteral("label"));
    form.label->setText(QStringLiteral("This is the 'add content' Box"));
}

void addBackBox(BarMembers& form, QWidget* host, QToolButton*& back, const char* backName, QFrame*& line,
    const char* lineName)
{
    form.addContentBox = new QWidget(host);
    form.addContentBox->setObjectName(QStringLiteral("addContentBox"));
    form.addContentBox->setProperty("@onTopbar", true);
    form.horizontalLayout_8 = new QHBoxLayout(form.addContentBox);
    form.horizontalLayout_8->setObjectName(QStringLiteral("horizontalLayout_8"));
    form.horizontalLayout_8->setSpacing(6);
    form.horizontalLayout_8->setContentsMargins(12, 4, 0, 4);
    back = toolButton(form.addContentBox, backName, QIcon(QStringLiteral(":/data/step-backward.png")));
    form.horizontalLayout_8->addWidget(back);
    line = verticalLine(form.addContentBox, lineName);
    form.horizontalLayout_8->addWidget(line);
}

void addRightBox(BarMembers& form, QWidget* host, int left, int right)
{
    form.rightBox = new QWidget(host);
    form.rightBox->setObjectName(QStringLiteral("rightBox"));
    form.horizontalLayout_7 = new QHBoxLayout(form.rightBox);
    form.horizontalLayout_7->setObjectName(QStringLiteral("horizontalLayout_7"));
    form.horizontalLayout_7->setContentsMargins(left, 0, right, 0);
}

QLabel* addTitleBox(BarMembers& form, QWidget* host, const char* labelName)
{
    addRightBox(form, host, 12, 12);
    form.horizontalLayout_7->setSpacing(0);
    auto* label = new QLabel(form.rightBox);
    label->setObjectName(QLatin1String(labelName));
    QFont bold = label->font();
    bold.setWeight(QFont::Bold);
    label->setFont(bold);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setWordWrap(false);
    form.horizontalLayout_7->addWidget(label);
    return label;
}

PixmapButton* barButton(QWidget* parent, const char* name, const char* pixmap)
{
    auto* button = new PixmapButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setProperty("fixedSize", QSize(barButtonSide, barButtonSide));
    button->setProperty("pixmap", QPixmap(QLatin1String(pixmap)));
    return button;
}

QFrame* barLine(QWidget* parent, const char* name)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setMaximumSize(1, barButtonSide);
    line->setStyleSheet(QStringLiteral("QFrame\n{\n\tborder:none;\n\tbackground-color:black;\n\tmax-width : 1px;\n}"));
    return line;
}

void setSideMargins(QHBoxLayout* layout, int left, int right)
{
    const QMargins margins = layout->contentsMargins();
    layout->setContentsMargins(left, margins.top(), right, margins.bottom());
}

PanelHead panelHead(QWidget* box, QVBoxLayout* column, const char* topLineName, const char* rowName,
                    const char* titleName, const char* bottomLineName)
{
    QFrame* topLine = horizontalLine(box, topLineName);
    column->addWidget(topLine);
    auto* row = new QHBoxLayout;
    row->setObjectName(QLatin1String(rowName));
    setSideMargins(row, 12, 12);
    auto* title = new QLabel(box);
    title->setObjectName(QLatin1String(titleName));
    title->setMinimumHeight(16);
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    title->setStyleSheet(QStringLiteral("font-weight:bold;color:rgba(67, 156, 243,255)"));
    row->addWidget(title);
    row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    auto* slot = new QWidget(box);
    slot->setObjectName(QStringLiteral("widget"));
    slot->setMinimumSize(16, 16);
    row->addWidget(slot);
    column->addLayout(row);
    QFrame* bottomLine = horizontalLine(box, bottomLineName);
    column->addWidget(bottomLine);
    return {topLine, row, title, slot, bottomLine};
}

void addPropertyBox(PropertyMembers& form, QWidget* host)
{
    form.propLayout = columnBox(form.propertiesBox, host, "propertiesBox", "propLayout");
}

void addSideBox(SideBarMembers& form, QWidget* host)
{
    form.verticalLayout_10 = columnBox(form.canvasPropertiesBox, host, "canvasPropertiesBox", "verticalLayout_10");
    form.canvasPropertiesBox->setFixedWidth(260);
}

ScrollPanel scrollPanel(SideBarMembers& form, QWidget* parent)
{
    form.scrollArea = new QScrollArea(parent);
    form.scrollArea->setObjectName(QStringLiteral("scrollArea"));
    form.scrollArea->setFrameShape(QFrame::NoFrame);
    form.scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    form.scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    form.scrollArea->setWidgetResizable(true);
    ScrollPanel parts;
    parts.contents = new QWidget;
    parts.contents->setObjectName(QStringLiteral("scrollAreaWidgetContents"));
    parts.contentsLayout = new QVBoxLayout(parts.contents);
    parts.contentsLayout->setContentsMargins(0, 0, 0, 0);
    parts.frame = new QFrame(parts.contents);
    parts.frame->setObjectName(QStringLiteral("scrollFrame"));
    parts.frame->setMinimumWidth(240);
    form.scrollLayout = new QVBoxLayout(parts.frame);
    form.scrollLayout->setObjectName(QStringLiteral("scrollLayout"));
    form.scrollLayout->setSpacing(1);
    form.scrollLayout->setContentsMargins(0, 0, 0, 0);
    parts.contentsLayout->addWidget(parts.frame);
    form.scrollArea->setWidget(parts.contents);
    return parts;
}

void deleteLentBoxes(BarMembers& form)
{
    delete form.addContentBox;
    delete form.rightBox;
    delete form.bottomWidget;
}

void deleteLentBoxes(PanelFormMembers& form)
{
    deleteLentBoxes(static_cast<BarMembers&>(form));
    delete form.canvasPropertiesBox;
}

void deleteLentBoxes(EditingFormMembers& form)
{
    deleteLentBoxes(static_cast<PanelFormMembers&>(form));
    delete form.propertiesBox;
}

void addEditingBottomBar(EditingFormMembers& form, QWidget* host)
{
    form.bottomWidget = new QWidget(host);
    form.bottomWidget->setObjectName(QStringLiteral("bottomWidget"));
    form.verticalLayout = new QVBoxLayout(form.bottomWidget);
    form.verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    form.verticalLayout->setContentsMargins(0, 0, 0, 0);
    form.line = horizontalLine(form.bottomWidget, "line");
    form.verticalLayout->addWidget(form.line);
    form.horizontalLayout_4 = new QHBoxLayout;
    form.horizontalLayout_4->setObjectName(QStringLiteral("horizontalLayout_4"));
    form.horizontalLayout_4->setContentsMargins(12, 0, 0, 0);
    form.sizeLabel = new QLabel(form.bottomWidget);
    form.sizeLabel->setObjectName(QStringLiteral("sizeLabel"));
    form.horizontalLayout_4->addWidget(form.sizeLabel);
    form.horizontalLayout_4->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    form.horizontalLayout = new QHBoxLayout;
    form.horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    form.horizontalLayout->setContentsMargins(12, 0, 12, 0);
    form.horizontalLayout->setSpacing(12);
    addZoomParts(form, form.bottomWidget, form.horizontalLayout);
    form.horizontalLayout_4->addLayout(form.horizontalLayout);
    form.verticalLayout->addLayout(form.horizontalLayout_4);
}

void addZoomParts(ZoomMembers& form, QWidget* bar, QHBoxLayout* row)
{
    form.fitinButn = new PixmapButton(bar);
    form.fitinButn->setObjectName(QStringLiteral("fitinButn"));
    form.fitinButn->setFixedSize(16, 16);
    row->addWidget(form.fitinButn);
    form.actualButn = new PixmapButton(bar);
    form.actualButn->setObjectName(QStringLiteral("actualButn"));
    form.actualButn->setFixedSize(16, 16);
    row->addWidget(form.actualButn);
    form.scaleSlider = new QDoubleSlider(bar);
    form.scaleSlider->setObjectName(QStringLiteral("scaleSlider"));
    form.scaleSlider->setOrientation(Qt::Horizontal);
    form.scaleSlider->setFixedWidth(160);
    row->addWidget(form.scaleSlider);
}

} // namespace StepFormParts
