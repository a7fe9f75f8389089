#include "home/HomeScene.h"

#include "home/HomeLabel.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Room kept free around the grid.
constexpr int gridMargin = 20;

} // namespace

HomeScene::HomeScene(QObject* parent)
    : AbstractScene(parent)
{
    addTile(QStringLiteral(":/data/home-zorivuv.png"), &HomeScene::slotStartZorivuv);
    addTile(QStringLiteral(":/data/home-collage.png"), &HomeScene::slotStartCanvas);
}

HomeScene::~HomeScene()
{
    qDeleteAll(m_tiles);
}

void HomeScene::addTile(const QString& resource, void (HomeScene::*start)())
{
    auto* tile = new HomeLabel(QPixmap(resource), this);
    connect(tile, &AbstractContent::requestEditing, this, start);
    tile->setZValue(1.0);
    m_tiles.append(tile);
}

bool HomeScene::sceneSelectable() const
{
    return false;
}

void HomeScene::resize(const QSize& size)
{
    const int width = std::max(size.width(), minimumWidth);
    const int height = std::max(size.height(), minimumHeight);
    AbstractScene::resize(QSize(width, height));

    const int count = int(m_tiles.size());
    if (count == 0)
        return;
    const int rows = int(std::sqrt(double(count)));
    const int columns = int(std::ceil(double(count) / rows));
    const double usableWidth = width - 2 * gridMargin;
    const double usableHeight = height - 2 * gridMargin;

    int column = 0;
    int row = 0;
    for (QGraphicsItem* tile : std::as_const(m_tiles)) {
        // Slightly below the middle, so the group sits a little low.
        const int x = int((column + 0.5) * usableWidth / columns) + gridMargin;
        int y = int((row + 0.55) * usableHeight / rows) - gridMargin;
        if (columns == 3 && column != 1)
            y += 4;
        tile->setPos(QPointF(x, y) - tile->boundingRect().center());
        if (++column == columns) {
            column = 0;
            ++row;
        }
    }
}

void HomeScene::resetSenderScale()
{
    if (auto* tile = qobject_cast<HomeLabel*>(sender()))
        tile->resetScale();
    else if (sender())
        sender()->setProperty("scale", 1.0);
}

void HomeScene::slotStartCanvas()
{
    emit startCanvas();
    resetSenderScale();
}

void HomeScene::slotStartZorivuv()
{
    emit startZorivuv();
    resetSenderScale();
}

void HomeScene::slotStartPanorama()
{
    emit startPanorama();
    resetSenderScale();
}

void HomeScene::keyPressEvent(QKeyEvent* event)
{
    QGraphicsScene::keyPressEvent(event);
    // The tiles are plain items, which the scene's own tab chain does not
    // reach; what the focused tile leaves moves the focus.
    if (!event->isAccepted() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        switch (event->key()) {
        case Qt::Key_Tab:
            event->setAccepted(focusNextPrevChild(!(event->modifiers() & Qt::ShiftModifier)));
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            event->setAccepted(focusNextPrevChild(true));
            break;
        case Qt::Key_Backtab:
        case Qt::Key_Left:
        case Qt::Key_Up:
            event->setAccepted(focusNextPrevChild(false));
            break;
        default:
            break;
        }
    }
    emit keyPressed(event->key());
}

bool HomeScene::focusNextPrevChild(bool next)
{
    const int count = int(m_tiles.size());
    if (count == 0)
        return false;
    const int current = int(m_tiles.indexOf(focusItem()));
    int index;
    if (current < 0)
        index = next ? 0 : count - 1;
    else
        index = (current + (next ? 1 : count - 1)) % count;
    m_tiles.at(index)->setFocus(Qt::TabFocusReason);
    return true;
}

void HomeScene::drawBackground(QPainter* painter, const QRectF& rect)
{
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    QLinearGradient gradient(0, 0, 0, m_sceneSize.height());
    gradient.setColorAt(0.0, QColor(QStringLiteral("#222222")));
    gradient.setColorAt(1.0, QColor(QStringLiteral("#222222")));
    painter->fillRect(rect, gradient);
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}
