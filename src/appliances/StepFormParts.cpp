#include "appliances/StepFormParts.h"

#include "widgets/PixmapButton.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QSpacerItem>
#include <QToolButton>
#include <QVBoxLayout>

namespace StepFormParts {

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

TitleBox titleBox(QWidget* host, const char* labelName)
{
    TitleBox parts;
    parts.box = new QWidget(host);
    parts.box->setObjectName(QStringLiteral("rightBox"));
    parts.layout = new QHBoxLayout(parts.box);
    parts.layout->setObjectName(QStringLiteral("horizontalLayout_7"));
    parts.layout->setSpacing(0);
    parts.layout->setContentsMargins(12, 0, 12, 0);
    parts.label = new QLabel(parts.box);
    parts.label->setObjectName(QLatin1String(labelName));
    QFont bold = parts.label->font();
    bold.setWeight(QFont::Bold);
    parts.label->setFont(bold);
    parts.label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    parts.label->setWordWrap(false);
    parts.layout->addWidget(parts.label);
    return parts;
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
    PanelHead head;
    head.topLine = horizontalLine(box, topLineName);
    column->addWidget(head.topLine);
    head.row = new QHBoxLayout;
    head.row->setObjectName(QLatin1String(rowName));
    setSideMargins(head.row, 12, 12);
    head.title = new QLabel(box);
    head.title->setObjectName(QLatin1String(titleName));
    head.title->setMinimumHeight(16);
    head.title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    head.title->setStyleSheet(QStringLiteral("font-weight:bold;color:rgba(67, 156, 243,255)"));
    head.row->addWidget(head.title);
    head.row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    head.slot = new QWidget(box);
    head.slot->setObjectName(QStringLiteral("widget"));
    head.slot->setMinimumSize(16, 16);
    head.row->addWidget(head.slot);
    column->addLayout(head.row);
    head.bottomLine = horizontalLine(box, bottomLineName);
    column->addWidget(head.bottomLine);
    return head;
}

} // namespace StepFormParts
