#include "canvas/AbstractContent.h"

#include "canvas/Frame.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QPen>

AbstractContent::AbstractContent(
    QGraphicsScene* scene, bool fadeIn, bool noResize, int frameClass, QGraphicsItem* parent)
    : AbstractDisposeable(fadeIn, parent)
    , m_selectionColor(QStringLiteral("#439cf3"))
    , m_contentRect(-100, -75, 200, 150)
{
    Q_UNUSED(noResize)
    setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable | QGraphicsItem::ItemIsFocusable
        | QGraphicsItem::ItemSendsGeometryChanges);
    setFlag(QGraphicsItem::ItemClipsChildrenToShape, false);
    setAcceptHoverEvents(true);

    if (frameClass != 0)
        qWarning("AbstractContent::AbstractContent: frame class %d is not known, the item has no frame", frameClass);

    resizeContents(m_contentRect, false);
    update();
    scene->addItem(this);
}

AbstractContent::~AbstractContent()
{
    delete m_frame;
}

void AbstractContent::resizeContents(const QRect& rect, bool keepRatio)
{
    if (rect.left() > rect.right() || rect.top() > rect.bottom())
        return;
    prepareGeometryChange();
    m_contentRect = rect;
    if (keepRatio) {
        const int height = contentHeightForWidth(rect.width());
        if (height >= 2) {
            m_contentRect.setTop(-(height / 2));
            m_contentRect.setBottom(height - height / 2 - 1);
        }
    }
    updateBoundingRect();
    update();
}

void AbstractContent::updateBoundingRect()
{
    m_boundingRect = QRectF(m_frame ? m_frame->frameRect(m_contentRect) : m_contentRect);
}

void AbstractContent::setFrame(Frame* frame)
{
    if (frame == m_frame)
        return;
    delete m_frame;
    m_frame = frame;
    resizeContents(m_contentRect, false);
    update();
}

quint32 AbstractContent::frameClass() const
{
    return m_frame ? m_frame->frameClass() : 0;
}

int AbstractContent::contentHeightForWidth(int width) const
{
    return width;
}

bool AbstractContent::contentOpaque() const
{
    return false;
}

QRectF AbstractContent::boundingRect() const
{
    return m_boundingRect;
}

void AbstractContent::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const bool selected = isSelected();
    painter->save();
    if (contentOpacity() < 1.0)
        painter->setOpacity(contentOpacity());

    if (m_frame) {
        m_frame->drawFrame(painter, m_boundingRect.toRect(), selected, contentOpaque());
        if (m_frame->clipContents())
            painter->setClipPath(m_frame->contentsClipPath(m_contentRect));
    }

    painter->translate(m_contentRect.topLeft());
    drawContent(painter, QRect(QPoint(0, 0), m_contentRect.size()), Qt::IgnoreAspectRatio);
    painter->setOpacity(1.0);

    if (selected && !m_frame) {
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(QPen(QBrush(m_selectionColor), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRect(1, 1, m_contentRect.width() - 2, m_contentRect.height() - 2));
    }
    painter->restore();
}
