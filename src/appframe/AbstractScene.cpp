#include "appframe/AbstractScene.h"

#include <algorithm>
#include <climits>

namespace {

// Truncates towards zero, at least 10; clamped so that items far out cannot
// overflow the int.
int fitExtent(double edge)
{
    return int(std::clamp(edge, 10.0, double(INT_MAX)));
}

} // namespace

AbstractScene::AbstractScene(QObject* parent)
    : QGraphicsScene(parent)
{
}

AbstractScene::~AbstractScene() = default;

void AbstractScene::resize(const QSize& size)
{
    if (size == m_sceneSize)
        return;
    m_sceneSize = size;
    m_sceneRect = QRectF(0, 0, size.width(), size.height());
    setSceneRect(m_sceneRect);
    resizeEvent();
}

void AbstractScene::resizeEvent()
{
}

bool AbstractScene::sceneSelectable() const
{
    return true;
}

void AbstractScene::pasteFromClipboard()
{
}

void AbstractScene::adjustSceneSize()
{
    emit sceneSizeChanged();
}

void AbstractScene::resizeAutoFit()
{
    const QRectF bounds = itemsBoundingRect();
    resize(QSize(fitExtent(bounds.x() + bounds.width()), fitExtent(bounds.y() + bounds.height())));
}

void AbstractScene::setPerspective(const QPointF& perspective)
{
    // QPointF's equality is the fuzzy one wanted here.
    if (perspective == m_perspective)
        return;
    m_perspective = perspective;
    emit scenePerspectiveChanged();
}

void AbstractScene::setRotation(double rotation)
{
    if (rotation == m_rotation)
        return;
    m_rotation = rotation;
    emit sceneRotationChanged();
}
