// How a content answers the user directly: hover, selection, keys, drops,
// staying inside the canvas while it moves, and its colour chooser.

#include "canvas/AbstractContent.h"

#include "canvas/ButtonItem.h"
#include "widgets/ColorSelectorButton.h"
#include "widgets/QPopupColorWidget.h"

#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsSceneDragDropEvent>
#include <QGraphicsSceneHoverEvent>
#include <QKeyEvent>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// A scene this small (or empty) is no canvas to keep contents on.
constexpr double minKeepInsideSize = 100.0;

int nudgeStep(Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::ShiftModifier)
        return 50;
    if (modifiers & Qt::ControlModifier)
        return 1;
    return 10;
}

} // namespace

void AbstractContent::selectionChanged(bool)
{
}

void AbstractContent::hoverEnterEvent(QGraphicsSceneHoverEvent*)
{
    setControlsVisible(true);
}

void AbstractContent::hoverLeaveEvent(QGraphicsSceneHoverEvent*)
{
    setControlsVisible(false);
}

void AbstractContent::dragMoveEvent(QGraphicsSceneDragDropEvent* event)
{
    event->accept();
}

void AbstractContent::dropEvent(QGraphicsSceneDragDropEvent* event)
{
    event->accept();
}

void AbstractContent::keyPressEvent(QKeyEvent* event)
{
    // A disposed item has lost its flags and is on its way out.
    if (!(flags() & ItemIsSelectable)) {
        event->ignore();
        return;
    }
    event->accept();
    const int step = nudgeStep(event->modifiers());
    switch (event->key()) {
    case Qt::Key_Left:
        setPos(x() - step, y());
        break;
    case Qt::Key_Up:
        setPos(x(), y() - step);
        break;
    case Qt::Key_Right:
        setPos(x() + step, y());
        break;
    case Qt::Key_Down:
        setPos(x(), y() + step);
        break;
    case Qt::Key_Delete:
        emit requestRemoval();
        break;
    case Qt::Key_Return:
        break;
    default:
        event->ignore();
        break;
    }
}

QVariant AbstractContent::itemChange(GraphicsItemChange change, const QVariant& value)
{
    switch (change) {
    case ItemSelectedHasChanged: {
        const bool selected = value.toBool();
        selectionChanged(selected);
        for (ButtonItem* button : std::as_const(m_buttonItems))
            button->select(selected);
        break;
    }
    case ItemPositionChange:
        if (QGraphicsScene* owner = scene()) {
            const QRectF area = owner->sceneRect();
            const QPointF wanted = value.toPointF();
            if (area.width() > minKeepInsideSize && area.height() > minKeepInsideSize && !area.contains(wanted)) {
                const QPointF kept(std::clamp(wanted.x(), area.left(), area.left() + area.width()),
                    std::clamp(wanted.y(), area.top(), area.top() + area.height()));
                return AbstractDisposeable::itemChange(change, kept);
            }
        }
        break;
    case ItemPositionHasChanged:
    case ItemRotationHasChanged:
    case ItemZValueHasChanged:
        emit contentEdited();
        break;
    case ItemVisibleHasChanged:
        // The scene also sends this, unchanged, when it takes a new item in.
        if (value.toBool() != m_shown) {
            m_shown = value.toBool();
            emit contentEdited();
        }
        break;
    default:
        break;
    }
    return AbstractDisposeable::itemChange(change, value);
}

void AbstractContent::popupColor(ColorSelectorButton* button)
{
    if (!button)
        return;
    if (!m_colorPopup) {
        m_colorPopup = new QPopupColorWidget(nullptr);
        connect(m_colorPopup, &QPopupColorWidget::colorChanged, this, [this](const QColor& color) {
            // The swatch's own property editor writes the pick into the
            // content. A panel replaced meanwhile leaves nothing to write to.
            if (auto* swatch = qobject_cast<ColorSelectorButton*>(m_colorPopupButton.data()))
                swatch->setColor(color, false);
            else
                m_colorPopup->hide();
        });
    }
    if (m_colorPopupButton.data() != button) {
        m_colorPopupButton = button;
        connect(button, &QObject::destroyed, m_colorPopup, [this](QObject* gone) {
            // Only the swatch being served closes the chooser.
            if (m_colorPopupButton.data() == gone) {
                m_colorPopupButton = nullptr;
                m_colorPopup->hide();
            }
        });
    }
    {
        const QSignalBlocker blocker(m_colorPopup);
        m_colorPopup->setColor(button->color());
    }
    if (m_colorPopup->isVisible())
        m_colorPopup->hide();
    else
        m_colorPopup->showAt(QCursor::pos());
}

void AbstractContent::deleteColorPopup()
{
    delete m_colorPopup;
    m_colorPopup = nullptr;
    m_colorPopupButton = nullptr;
}

void AbstractContent::slotStackFront()
{
    emit changeStack(1);
}

void AbstractContent::slotStackRaise()
{
    emit changeStack(2);
}

void AbstractContent::slotStackLower()
{
    emit changeStack(3);
}

void AbstractContent::slotStackBack()
{
    emit changeStack(4);
}

void AbstractContent::slotSaveAs()
{
}
