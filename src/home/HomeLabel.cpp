#include "home/HomeLabel.h"

#include "canvas/HomeFrame.h"

#include <QFocusEvent>
#include <QGraphicsSceneMouseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPropertyAnimation>

HomeLabel::HomeLabel(const QPixmap& pixmap, QGraphicsScene* scene)
    : AbstractContent(scene, false, true, 0, nullptr)
    , m_pixmap(pixmap)
{
    setFrame(new HomeFrame);
    setFlag(QGraphicsItem::ItemIsMovable, false);
    setFlag(QGraphicsItem::ItemIsSelectable, false);
    setFlag(QGraphicsItem::ItemIsFocusable, true);
    setFlag(QGraphicsItem::ItemClipsChildrenToShape, true);

    // The artwork is drawn at twice the tile's size, so it stays sharp up to
    // a density of 2. The tile's size in scene units must not depend on the
    // screen: at 1.5 or 3 a size taken from the density would make the tile
    // a third larger or smaller.
    const int width = m_pixmap.width() / 2;
    const int height = m_pixmap.height() / 2;
    resizeContents(QRect(-width / 2, -height / 2, width, height), false);
}

HomeLabel::~HomeLabel() = default;

QString HomeLabel::contentName() const
{
    return QStringLiteral("HomeLabel");
}

void HomeLabel::drawContent(QPainter* painter, const QRect& targetRect, Qt::AspectRatioMode)
{
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter->drawPixmap(targetRect, m_pixmap);
}

void HomeLabel::animateScale(double scale)
{
    // Starting it stops an animation of the scale still under way.
    auto* animation = new QPropertyAnimation(this, "scale", this);
    animation->setDuration(scaleDurationMs);
    animation->setEasingCurve(QEasingCurve::OutBack);
    animation->setEndValue(scale);
    m_scaleAnimation = animation;
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void HomeLabel::resetScale()
{
    // A grow still running would otherwise finish after the reset and leave
    // the tile large.
    if (m_scaleAnimation)
        m_scaleAnimation->stop();
    setScale(1.0);
}

void HomeLabel::hoverEnterEvent(QGraphicsSceneHoverEvent*)
{
    animateScale(hoverScale);
}

void HomeLabel::hoverLeaveEvent(QGraphicsSceneHoverEvent*)
{
    animateScale(1.0);
}

void HomeLabel::focusInEvent(QFocusEvent* event)
{
    event->accept();
    animateScale(hoverScale);
}

void HomeLabel::focusOutEvent(QFocusEvent* event)
{
    event->accept();
    animateScale(1.0);
}

void HomeLabel::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit requestEditing();
    else
        event->ignore();
}

void HomeLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit requestEditing();
        break;
    default:
        AbstractContent::keyPressEvent(event);
    }
}
