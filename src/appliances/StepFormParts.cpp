#include "appliances/StepFormParts.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QToolButton>

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

} // namespace StepFormParts
