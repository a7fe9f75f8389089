#include "canvas/ButtonItem.h"

#include "canvas/HandleSupport.h"
#include "canvas/RenderOpts.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

ButtonItem::ButtonItem(Type type, const QBrush& brush, const QIcon& icon, QGraphicsItem* parent)
    : QGraphicsItem(parent)
    , m_type(type)
    , m_icon(icon)
    , m_brush(brush)
{
    setAcceptHoverEvents(true);
    setFlag(QGraphicsItem::ItemIsSelectable, true);
}

ButtonItem::~ButtonItem() = default;

void ButtonItem::relayout(const QRect&)
{
}

int ButtonItem::width() const
{
    return 2 * m_size;
}

int ButtonItem::height() const
{
    return 2 * m_size;
}

void ButtonItem::select(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    update();
}

QRectF ButtonItem::boundingRect() const
{
    const int s = HandleSupport::halfSize(this, parentItem(), m_size);
    return QRectF(-s, -s, 2 * s, 2 * s);
}

void ButtonItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    if (RenderOpts::HQRendering)
        return;
    const bool lit = (option && (option->state & QStyle::State_MouseOver)) || m_selected;
    QColor fill = m_brush.color();
    fill.setAlpha(lit ? 255 : 128);
    m_brush.setColor(fill);
    const QRectF rect = boundingRect();
    HandleSupport::paintDisc(painter, rect, fill);
    if (!m_icon.isNull()) {
        painter->save();
        painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
        m_icon.paint(painter, rect.toRect(), Qt::AlignCenter, QIcon::Active, QIcon::Off);
        painter->restore();
    }
}

void ButtonItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    event->accept();
    if (m_selectsParent)
        HandleSupport::selectAlone(parentItem());
    m_pressed = true;
    m_pressPoint = event->scenePos();
    update();
    emit pressed();
}

void ButtonItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    if (!m_pressed)
        return;
    event->accept();
    emit dragging(event->scenePos() - m_pressPoint, event->modifiers());
}

void ButtonItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    event->accept();
    const bool wasPressed = m_pressed;
    m_pressed = false;
    m_pressPoint = QPointF();
    update();
    if (wasPressed && contains(event->pos()))
        emit clicked();
}

void ButtonItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    event->accept();
    emit doubleClicked();
}
