#include "canvas/CornerItem.h"

#include "canvas/AbstractContent.h"
#include "canvas/HandleSupport.h"
#include "canvas/RenderOpts.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include <algorithm>
#include <cmath>

namespace {

constexpr double degreesPerRadian = 57.29577951308232;

} // namespace

CornerItem::CornerItem(Qt::Corner corner, const QColor& colour, bool noResize, AbstractContent* content)
    : QGraphicsItem(content)
    , m_content(content)
    , m_corner(corner)
    // Without resizing only the low bits stay: turning alone.
    , m_opMask(noResize ? 3 : 0xFFFF)
    , m_colour(colour)
{
    setAcceptHoverEvents(true);
}

CornerItem::~CornerItem() = default;

void CornerItem::relayout(const QRect& contentRect)
{
    const int size = HandleSupport::halfSize(this, m_content, m_size);
    if (size != m_knownSize) {
        prepareGeometryChange();
        m_knownSize = size;
    }
    switch (m_corner) {
    case Qt::TopLeftCorner:
        setPos(contentRect.topLeft());
        break;
    case Qt::TopRightCorner:
        setPos(contentRect.topRight());
        break;
    case Qt::BottomLeftCorner:
        setPos(contentRect.bottomLeft());
        break;
    case Qt::BottomRightCorner:
        setPos(contentRect.bottomRight());
        break;
    }
}

QRectF CornerItem::boundingRect() const
{
    const int s = HandleSupport::halfSize(this, m_content, m_size);
    return QRectF(-s, -s, 2 * s, 2 * s);
}

void CornerItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    if (RenderOpts::HQRendering)
        return;
    const bool lit = (option && (option->state & QStyle::State_MouseOver)) || (m_content && m_content->isSelected());
    QColor fill = m_colour;
    fill.setAlpha(lit ? 255 : 128);
    HandleSupport::paintDisc(painter, boundingRect(), fill);
}

void CornerItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    event->accept();
    if (m_selectsParent)
        HandleSupport::selectAlone(m_content);
    if (event->button() == Qt::LeftButton) {
        m_operation = (Rotate | Resize | KeepRatio) & m_opMask;
    } else if (event->button() == Qt::RightButton) {
        m_operation = (Resize | KeepRatio) & m_opMask;
    } else {
        m_operation = 0;
        return;
    }
    const QRect rect = m_content->contentRect();
    m_startRatio = double(rect.width()) / double(rect.height());
    update();
}

void CornerItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    if (m_operation == 0)
        return;
    event->accept();

    int op = m_operation;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & Qt::ShiftModifier)
        op &= ~(Rotate | KeepRatio);
    if (modifiers & Qt::ControlModifier)
        op &= ~Rotate;
    if (modifiers & Qt::AltModifier)
        op &= ~Resize;
    op &= m_opMask;
    if ((op & Rotate) && (op & Resize))
        op |= KeepRatio;
    if (!(op & (Rotate | Resize)))
        return;

    const QPointF v = pos() + event->pos();
    if (v.x() == 0.0 && v.y() == 0.0)
        return;

    m_content->delayedDirty(400);

    if (op & Resize) {
        int width;
        int height;
        if (op & KeepRatio) {
            // The half-diagonal follows the mouse's distance from the centre
            // at the ratio of the press.
            const double distance = std::sqrt(v.x() * v.x() + v.y() * v.y());
            const double ratio = m_startRatio;
            const double k = std::sqrt(1.0 + 1.0 / (ratio * ratio));
            width = int(2.0 * distance / k);
            if (width < minimumWidth + 1)
                width = minimumWidth;
            height = int(2.0 * distance / (ratio * k));
            if (height < minimumHeight + 1)
                height = minimumHeight;
        } else {
            width = int(std::max(double(minimumWidth), 2.0 * std::fabs(v.x())));
            height = int(std::max(double(minimumHeight), 2.0 * std::fabs(v.y())));
        }
        m_content->resizeContents(QRect(-(width / 2), -(height / 2), width, height), false);
    }

    if (op & Rotate) {
        // The resize above has already moved the handle onto the new corner.
        const QPointF p = pos();
        const double turn = (std::atan2(v.y(), v.x()) - std::atan2(p.y(), p.x())) * degreesPerRadian;
        m_content->setRotation(m_content->rotation() + turn);
    }
}

void CornerItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    event->accept();
    m_operation = 0;
    update();
}

void CornerItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && (m_opMask & Resize))
        m_content->setRotation(0.0);
}
