#include "widgets/DescendantSignalBlocker.h"

#include <QWidget>

DescendantSignalBlocker::DescendantSignalBlocker(QWidget* root)
{
    const QList<QWidget*> children = root->findChildren<QWidget*>();
    m_blockers.reserve(children.size() + 1);
    m_blockers.emplace_back(root);
    for (QWidget* child : children)
        m_blockers.emplace_back(child);
}
