#include "canvas/SelectionProperties.h"

#include "canvas/PictureContent.h"
#include "canvas/TextContent.h"

SelectionProperties::SelectionProperties(const QList<AbstractContent*>& contents, QWidget* parent)
    : QWidget(parent)
{
    setupUi(this);
    for (AbstractContent* content : contents) {
        if (auto* picture = qobject_cast<PictureContent*>(content))
            m_pictures.append(picture);
        else if (auto* text = qobject_cast<TextContent*>(content))
            m_texts.append(text);
    }
    const int count = int(contents.size());
    if (m_pictures.size() == contents.size())
        cLabel->setText(tr("%1 pictures selected").arg(count));
    else
        cLabel->setText(tr("%1 objects selected").arg(count));
    connect(tRemove, &QPushButton::clicked, this, &SelectionProperties::deleteSelection);
}
