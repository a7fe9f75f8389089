#include "canvas/HandleSupport.h"

#include "appframe/AbstractScene.h"

#include <QGraphicsItem>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace HandleSupport {

int halfSize(const QGraphicsItem* handle, const QGraphicsItem* content, int size)
{
    const auto* scene = qobject_cast<const AbstractScene*>(handle->scene());
    if (!scene || !content || scene->viewScale() >= 1.0)
        return size;
    const QRectF bounds = content->boundingRect();
    const int quarter = int(0.25 * std::min(bounds.width(), bounds.height()));
    const int onScreen = int(size / scene->viewScale());
    return std::min(quarter, onScreen);
}

void paintDisc(QPainter* painter, const QRectF& rect, const QColor& fill)
{
    painter->save();
    const QPen white(Qt::white, 1);
    painter->setPen(white);
    painter->setBrush(Qt::NoBrush);
    painter->drawEllipse(rect);
    painter->setBrush(fill);
    painter->drawEllipse(rect.adjusted(-1, -1, 1, 1));
    painter->restore();
}

void selectAlone(QGraphicsItem* content)
{
    if (!content)
        return;
    QGraphicsScene* scene = content->scene();
    const bool alone = content->isSelected() && scene && scene->selectedItems().size() == 1;
    if (alone)
        return;
    if (scene)
        scene->clearSelection();
    content->setSelected(true);
}

} // namespace HandleSupport
