#include "canvas/AbstractContent.h"

#include "canvas/ButtonItem.h"
#include "canvas/ContentShadowEffect.h"
#include "canvas/CornerItem.h"
#include "canvas/FrameFactory.h"
#include "canvas/RenderOpts.h"
#include "canvas/StandardFrame.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QPen>
#include <QTimer>
#include <QTransform>

#include <algorithm>

namespace {

constexpr double handleZ = 2.0;
constexpr double buttonZ = 3.0;

StandardFrame* standardFrame(Frame* frame)
{
    return dynamic_cast<StandardFrame*>(frame);
}

} // namespace

AbstractContent::AbstractContent(
    QGraphicsScene* scene, bool fadeIn, bool noResize, int frameClassId, QGraphicsItem* parent)
    : AbstractDisposeable(fadeIn, parent)
    , m_selectionColor(QStringLiteral("#439cf3"))
    , m_contentRect(-100, -75, 200, 150)
    , m_shadowColor(Qt::black)
{
    setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable | QGraphicsItem::ItemIsFocusable
        | QGraphicsItem::ItemSendsGeometryChanges);
    setFlag(QGraphicsItem::ItemClipsChildrenToShape, false);
    setAcceptHoverEvents(true);

    createCorner(Qt::TopLeftCorner, noResize);
    createCorner(Qt::TopRightCorner, noResize);
    createCorner(Qt::BottomLeftCorner, noResize);
    createCorner(Qt::BottomRightCorner, noResize);

    auto* perspective = new ButtonItem(ButtonItem::Perspective, QBrush(m_selectionColor),
        QIcon(QStringLiteral(":/data/action-perspective.png")), this);
    perspective->setSelectsParent(true);
    perspective->setToolTip(tr("Drag around to change the perspective.\nDouble click to cancel the transformations."));
    connect(perspective, &ButtonItem::dragging, this, &AbstractContent::slotSetPerspective);
    connect(perspective, &ButtonItem::doubleClicked, this, &AbstractContent::slotClearPerspective);
    addButtonItem(perspective);

    m_frame = FrameFactory::createFrame(quint32(frameClassId));
    FrameFactory::setDefaultFrameClass(frameClass());

    resizeContents(m_contentRect, false);
    layoutChildren();
    update();
    scene->addItem(this);
    layoutChildren();

    // The fades are no edits; a change of the value by a panel or a file is.
    connect(this, &AbstractDisposeable::contentOpacityChanged, this, [this] {
        if (!isFading())
            emit contentEdited();
    });
}

AbstractContent::~AbstractContent()
{
    deleteColorPopup();
    qDeleteAll(m_cornerItems);
    m_cornerItems.clear();
    qDeleteAll(m_buttonItems);
    m_buttonItems.clear();
    delete m_frame;
}

void AbstractContent::dispose(bool animated)
{
    setFlags(QGraphicsItem::GraphicsItemFlags());
    setSelected(false);
    qDeleteAll(m_cornerItems);
    m_cornerItems.clear();
    qDeleteAll(m_buttonItems);
    m_buttonItems.clear();
    m_controlsVisible = false;
    deleteColorPopup();
    AbstractDisposeable::dispose(animated);
}

void AbstractContent::createCorner(Qt::Corner corner, bool noResize)
{
    auto* handle = new CornerItem(corner, m_selectionColor, noResize, this);
    handle->setVisible(m_controlsVisible);
    handle->setZValue(handleZ);
    handle->setToolTip(tr("Drag with Left or Right mouse button.\n - Hold down SHIFT for free resize\n - Hold down "
                          "CTRL to scale only\n - Hold down ALT to rotate only\n - Double click to restore rotation."));
    m_cornerItems.append(handle);
}

void AbstractContent::addButtonItem(ButtonItem* button)
{
    m_buttonItems.append(button);
    button->setVisible(m_controlsVisible);
    button->setZValue(buttonZ);
    layoutChildren();
}

void AbstractContent::layoutChildren()
{
    for (CornerItem* corner : std::as_const(m_cornerItems))
        corner->relayout(m_contentRect);
    if (m_buttonItems.isEmpty())
        return;

    const int left = int(m_boundingRect.x());
    const int top = int(m_boundingRect.y());
    const int right = int(m_boundingRect.x() + m_boundingRect.width());
    const int bottom = int(m_boundingRect.y() + m_boundingRect.height());
    const int middleX = (left + right) / 2;
    const int middleY = (top + bottom) / 2;
    int rowX = right - 16;
    for (ButtonItem* button : std::as_const(m_buttonItems)) {
        switch (button->buttonType()) {
        case ButtonItem::TopCenter:
            button->setPos(middleX, top + button->height() / 2);
            break;
        case ButtonItem::RightEdge:
            button->setPos(right - button->width() / 2, middleY);
            break;
        case ButtonItem::Perspective:
            button->setPos(m_contentRect.right(), (m_contentRect.top() + m_contentRect.bottom()) / 2);
            break;
        default:
            button->setPos(rowX - button->width() / 2, bottom - button->height() / 2);
            rowX -= button->width() + 4;
            break;
        }
    }
}

void AbstractContent::resizeContents(const QRect& rect, bool keepRatio)
{
    if (rect.left() > rect.right() || rect.top() > rect.bottom())
        return;
    const QRect before = m_contentRect;
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
    layoutChildren();
    update();
    if (m_contentRect != before)
        emit contentEdited();
}

void AbstractContent::resetContentsRatio()
{
    resizeContents(contentRect(), true);
}

void AbstractContent::updateBoundingRect()
{
    m_boundingRect = QRectF(m_frame ? m_frame->frameRect(m_contentRect) : m_contentRect);
}

void AbstractContent::replaceFrame(Frame* frame)
{
    if (frame != m_frame)
        delete m_frame;
    m_frame = frame;
    FrameFactory::setDefaultFrameClass(frameClass());
    resizeContents(m_contentRect, false);
    layoutChildren();
    update();
}

void AbstractContent::setFrame(Frame* frame)
{
    const bool changed = frame != m_frame;
    replaceFrame(frame);
    if (changed)
        emit contentEdited();
}

quint32 AbstractContent::frameClass() const
{
    return m_frame ? m_frame->frameClass() : 0;
}

void AbstractContent::setFrameAlpha(int alpha)
{
    StandardFrame* frame = standardFrame(m_frame);
    if (!frame)
        return;
    const bool changed = frame->topColor().alpha() != alpha || frame->bottomColor().alpha() != alpha;
    frame->setColorAlpha(alpha, alpha);
    update();
    if (changed)
        emit contentEdited();
}

int AbstractContent::frameAlpha() const
{
    const StandardFrame* frame = standardFrame(m_frame);
    return frame ? frame->colorAlpha() : 255;
}

void AbstractContent::setFrameColor(const QColor& color)
{
    StandardFrame* frame = standardFrame(m_frame);
    if (!frame)
        return;
    const QColor top = frame->topColor();
    const QColor bottom = frame->bottomColor();
    frame->setTopColor(color);
    update();
    if (frame->topColor() != top || frame->bottomColor() != bottom)
        emit contentEdited();
}

QColor AbstractContent::frameColor() const
{
    const StandardFrame* frame = standardFrame(m_frame);
    if (!frame)
        return QColor(Qt::white);
    QColor color = frame->topColor();
    color.setAlpha(255);
    return color;
}

void AbstractContent::setFrameMargin(int margin)
{
    StandardFrame* frame = standardFrame(m_frame);
    if (!frame)
        return;
    const bool changed = frame->margin() != margin;
    frame->setMargin(margin);
    prepareGeometryChange();
    updateBoundingRect();
    // The bottom-row and edge buttons stand on the frame's edge.
    layoutChildren();
    update();
    if (QGraphicsScene* owner = scene())
        owner->update(owner->sceneRect());
    if (changed)
        emit contentEdited();
}

int AbstractContent::frameMargin() const
{
    const StandardFrame* frame = standardFrame(m_frame);
    return frame ? frame->margin() : 0;
}

void AbstractContent::setPerspective(const QPointF& perspective)
{
    // QPointF's equality is Qt's fuzzy comparison.
    if (perspective == m_perspective)
        return;
    m_perspective = perspective;
    applyTransforms();
    emit perspectiveChanged();
    emit contentEdited();
}

void AbstractContent::applyTransforms()
{
    QTransform transform;
    transform.rotate(m_perspective.y(), Qt::XAxis);
    transform.rotate(m_perspective.x(), Qt::YAxis);
    setTransform(transform);
}

void AbstractContent::slotSetPerspective(const QPointF& sceneRelPoint, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::ControlModifier) {
        setPerspective(QPointF(0, 0));
        return;
    }
    const double speed = modifiers == Qt::NoModifier ? 0.2 : 0.5;
    const double x = std::clamp(sceneRelPoint.x() * speed, -maxPerspective, maxPerspective);
    const double y = std::clamp(sceneRelPoint.y() * speed, -maxPerspective, maxPerspective);
    setPerspective(QPointF(x, y));
}

void AbstractContent::slotClearPerspective()
{
    setPerspective(QPointF(0, 0));
}

void AbstractContent::setShadowEffect()
{
    if (m_shadowRadius <= 1.0) {
        setGraphicsEffect(nullptr);
        return;
    }
    auto* shadow = new ContentShadowEffect;
    shadow->setColor(m_shadowColor);
    shadow->setBlurRadius(m_shadowRadius);
    shadow->setOffset(1.0, 1.0);
    setGraphicsEffect(shadow);
}

void AbstractContent::setShadowRadius(double radius)
{
    if (radius == m_shadowRadius)
        return;
    m_shadowRadius = radius;
    setShadowEffect();
    emit shadowRadiusChanged();
    emit contentEdited();
}

void AbstractContent::setShadowColor(const QColor& color)
{
    if (color == m_shadowColor)
        return;
    m_shadowColor = color;
    setShadowEffect();
    emit shadowColorChanged();
    emit contentEdited();
}

void AbstractContent::setSelected(bool selected)
{
    QGraphicsItem::setSelected(selected);
}

void AbstractContent::setControlsVisible(bool visible)
{
    m_controlsVisible = visible;
    for (CornerItem* corner : std::as_const(m_cornerItems))
        corner->setVisible(visible);
    for (ButtonItem* button : std::as_const(m_buttonItems))
        button->setVisible(visible);
}

void AbstractContent::ensureVisible(const QRectF& rect)
{
    const QPointF position = pos();
    if (rect.contains(position))
        return;
    const double x = std::clamp(position.x(), rect.left(), rect.left() + rect.width());
    const double y = std::clamp(position.y(), rect.top(), rect.top() + rect.height());
    setPos(x, y);
}

void AbstractContent::delayedDirty(int msecs)
{
    m_beingTransformed = true;
    if (!m_dirtyTimer) {
        m_dirtyTimer = new QTimer(this);
        m_dirtyTimer->setSingleShot(true);
        connect(m_dirtyTimer, &QTimer::timeout, this, &AbstractContent::slotDirtyEnded);
    }
    m_dirtyTimer->start(msecs);
}

void AbstractContent::slotDirtyEnded()
{
    m_beingTransformed = false;
    update();
    if (QGraphicsScene* owner = scene())
        owner->update(owner->sceneRect());
}

QPixmap AbstractContent::ratioScaledPixmap(const QPixmap* source, const QSize& size, Qt::AspectRatioMode ratio) const
{
    const QPixmap scaled = source->scaled(size, ratio, Qt::SmoothTransformation);
    if (scaled.size() == size)
        return scaled;
    const int dx = (scaled.width() - size.width()) / 2;
    const int dy = (scaled.height() - size.height()) / 2;
    if (ratio == Qt::KeepAspectRatioByExpanding)
        return scaled.copy(dx, dy, size.width(), size.height());
    if (ratio == Qt::KeepAspectRatio) {
        QPixmap boxed(size);
        boxed.fill(Qt::transparent);
        QPainter painter(&boxed);
        painter.drawPixmap(-dx, -dy, scaled);
        return boxed;
    }
    return scaled;
}

QPixmap AbstractContent::toPixmap(const QSize& size, Qt::AspectRatioMode ratio)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    drawContent(&painter, pixmap.rect(), ratio);
    return pixmap;
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
    const bool selected = isSelected() && !RenderOpts::HQRendering;
    painter->save();
    const bool translucent = contentOpacity() < 1.0;
    if (translucent)
        painter->setOpacity(contentOpacity());

    if (m_frame) {
        m_frame->drawFrame(painter, m_boundingRect.toRect(), selected, contentOpaque());
        if (m_frame->clipContents())
            painter->setClipPath(m_frame->contentsClipPath(m_contentRect));
    }

    painter->translate(m_contentRect.topLeft());
    drawContent(painter, QRect(QPoint(0, 0), m_contentRect.size()), Qt::IgnoreAspectRatio);
    if (translucent)
        painter->setOpacity(1.0);

    if (selected && !m_frame) {
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(QPen(QBrush(m_selectionColor), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRect(1, 1, m_contentRect.width() - 2, m_contentRect.height() - 2));
    }
    painter->restore();
}
