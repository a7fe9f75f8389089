#include "widgets/CColorPickerItem.h"

#include <QGraphicsSceneMouseEvent>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QTimeLine>
#include <QTransform>

CColorPickerItem::CColorPickerItem(int width, int height, QGraphicsItem* parent)
    : QObject(nullptr)
    , QGraphicsItem(parent)
    , m_width(width)
    , m_height(height)
    , m_planeRect(QPoint(8, 8), QPoint(width - 33, height - 9))
    , m_valueRect(QPoint(width - 24, 8), QPoint(width - 9, height - 9))
{
    setAcceptHoverEvents(true);
}

QRectF CColorPickerItem::boundingRect() const
{
    return QRectF(0, 0, m_width, m_height);
}

QColor CColorPickerItem::color() const
{
    return QColor::fromHsvF(float(m_hue), float(m_saturation), float(m_value), 1.0f);
}

void CColorPickerItem::setColor(const QColor& color)
{
    m_hue = qMax(0.0, double(color.hueF()));
    m_saturation = color.saturationF();
    m_value = color.valueF();
    renderPlane();
    renderValueBar();
    update();
}

void CColorPickerItem::setAnimated(bool animated)
{
    if (animated == m_animated)
        return;
    m_animated = animated;
    if (animated) {
        if (!m_timeLine) {
            m_timeLine = new QTimeLine(300, this);
            m_timeLine->setFrameRange(0, 100);
            m_timeLine->setUpdateInterval(20);
            connect(m_timeLine, &QTimeLine::frameChanged, this, &CColorPickerItem::slotAnimateScale);
        }
    } else {
        delete m_timeLine;
        m_timeLine = nullptr;
        m_scale = 1.0;
    }
    applyTransform();
}

void CColorPickerItem::setAnchor(Anchor anchor)
{
    if (anchor == m_anchor)
        return;
    m_anchor = anchor;
    applyTransform();
}

void CColorPickerItem::slotAnimateScale(int step)
{
    m_scale = step / 100.0;
    applyTransform();
}

void CColorPickerItem::applyTransform()
{
    if (!m_animated) {
        setTransform(QTransform());
        return;
    }
    QTransform transform;
    const double shrink = 1.0 - m_scale;
    double dx = 0.0;
    if (!(m_anchor & AnchorLeft))
        dx = m_width * shrink * ((m_anchor & AnchorRight) ? 0.8 : 0.4);
    double dy = 0.0;
    if (!(m_anchor & AnchorTop))
        dy = m_height * shrink * ((m_anchor & AnchorBottom) ? 0.8 : 0.4);
    transform.translate(dx, dy);
    const double factor = 0.8 * m_scale + 0.2;
    transform.scale(factor, factor);
    if (m_scale > 0.1) {
        const int cx = (m_planeRect.left() + m_planeRect.right()) / 2;
        const int cy = (m_planeRect.top() + m_planeRect.bottom()) / 2;
        transform.translate(cx, cy);
        // The tilt follows the colour: the plane leans towards the picked point.
        transform.rotateRadians((0.5 - m_saturation) * 0.5, Qt::XAxis);
        transform.rotateRadians((m_hue - 0.5) * 0.5, Qt::YAxis);
        transform.translate(-cx, -cy);
    }
    setTransform(transform);
}

void CColorPickerItem::renderPlane()
{
    const int w = m_planeRect.width();
    const int h = m_planeRect.height();
    if (w <= 0 || h <= 0) {
        m_planePixmap = QPixmap();
        return;
    }
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = QColor::fromHsvF(float(double(x) / w), float(double(h - y) / h), float(m_value), 1.0f).rgba();
    }
    m_planePixmap = QPixmap::fromImage(image);
}

void CColorPickerItem::renderValueBar()
{
    const int w = m_valueRect.width();
    const int h = m_valueRect.height();
    if (w <= 0 || h <= 0) {
        m_valuePixmap = QPixmap();
        return;
    }
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        const QRgb rgba = QColor::fromHsvF(float(m_hue), float(m_saturation), float(double(h - y) / h), 1.0f).rgba();
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line, line + w, rgba);
    }
    m_valuePixmap = QPixmap::fromImage(image);
}

void CColorPickerItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    if (m_animated) {
        if (m_scale < 0.01)
            return;
        painter->setRenderHint(QPainter::Antialiasing, true);
        if (m_scale > 0.9)
            painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    }

    const QRect& plane = m_planeRect;
    if (m_planePixmap.size() != plane.size())
        renderPlane();

    if (m_animated) {
        const double opacity = 0.4 * m_scale + 0.5;
        if (opacity > 0.5) {
            painter->setOpacity(opacity);
            painter->drawPixmap(plane.topLeft(), m_planePixmap);
        }
        if (1.0 - m_scale > 0.1) {
            // While shrunk the item reads as a patch of the current colour.
            painter->setOpacity(1.0 - m_scale);
            painter->setPen(Qt::NoPen);
            painter->setBrush(color());
            painter->drawRect(QRect(plane.topLeft(), QPoint(m_valueRect.right(), plane.bottom())));
        }
        painter->setOpacity(1.0);
    } else {
        painter->drawPixmap(plane.topLeft(), m_planePixmap);
    }

    const QPen framePen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    painter->setPen(framePen);
    painter->setBrush(Qt::NoBrush);
    if (m_animated)
        painter->drawRect(QRect(plane.topLeft(), QPoint(plane.right() - 1, plane.bottom())));
    else
        painter->drawRect(QRect(QPoint(plane.left() - 1, plane.top() - 1), QPoint(plane.right() - 1, plane.bottom())));

    // Cross-hair, in a grey that stands out against the plane's brightness.
    const int cx = plane.left() + int((plane.right() - plane.left()) * m_hue);
    const int cy = plane.top() + int((1.0 - m_saturation) * (plane.bottom() - plane.top()));
    double grey = m_value + 0.5;
    if (grey > 1.0)
        grey -= 1.0;
    painter->setPen(QColor::fromHsvF(0.0f, 0.0f, float(grey)));
    painter->drawLine(cx, cy - 2, cx, cy - 6);
    painter->drawLine(cx, cy + 2, cx, cy + 6);
    painter->drawLine(cx - 6, cy, cx - 2, cy);
    painter->drawLine(cx + 6, cy, cx + 2, cy);

    const int sx = cx + 80 > plane.right() ? cx - 60 : cx + 20;
    const int sy = cy + 80 > plane.bottom() ? cy - 60 : cy + 20;
    const QColor current = color();
    painter->setPen(m_animated && m_scale < 0.1 ? QPen(current) : QPen(Qt::black));
    painter->setBrush(current);
    painter->drawRect(QRect(QPoint(sx, sy), QPoint(sx + 39, sy + 39)));

    const QRect& bar = m_valueRect;
    if (m_valuePixmap.size() != bar.size())
        renderValueBar();
    painter->drawPixmap(bar.topLeft(), m_valuePixmap);
    painter->setPen(framePen);
    painter->setBrush(Qt::NoBrush);
    if (m_animated)
        painter->drawRect(QRect(bar.topLeft(), QPoint(bar.right() - 1, bar.bottom())));
    else
        painter->drawRect(QRect(QPoint(bar.left(), bar.top() - 1), QPoint(bar.right() - 1, bar.bottom())));

    const double py = bar.top() + int((bar.bottom() - bar.top()) * (1.0 - m_value));
    const double px = bar.left();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(Qt::NoPen);
    painter->setBrush(Qt::black);
    painter->drawPolygon(QPolygonF{QPointF(px + 5, py), QPointF(px - 4, py + 3.5), QPointF(px - 4, py - 3.5)});
}

void CColorPickerItem::pickColor(const QPoint& point)
{
    bool transformed = false;
    if (m_planeRect.contains(point)) {
        const double hue = double(point.x() - m_planeRect.left()) / m_planeRect.width();
        const double saturation = 1.0 - double(point.y() - m_planeRect.top()) / (m_planeRect.bottom() - m_planeRect.top());
        if (hue == m_hue && saturation == m_saturation)
            return;
        m_hue = hue;
        m_saturation = saturation;
        renderValueBar();
        if (m_animated) {
            applyTransform();
            transformed = true;
        }
    } else if (m_valueRect.contains(point)) {
        const double value = 1.0 - double(point.y() - m_valueRect.top()) / (m_valueRect.bottom() - m_valueRect.top());
        if (value == m_value)
            return;
        m_value = value;
        renderPlane();
    } else {
        return;
    }
    if (!transformed)
        update();
    emit colorChanged(color());
}

void CColorPickerItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pickColor(event->pos().toPoint());
}

void CColorPickerItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        pickColor(event->pos().toPoint());
}

void CColorPickerItem::hoverEnterEvent(QGraphicsSceneHoverEvent*)
{
    if (!m_timeLine)
        return;
    m_timeLine->setDirection(QTimeLine::Forward);
    if (m_timeLine->state() != QTimeLine::Running)
        m_timeLine->start();
}

void CColorPickerItem::hoverLeaveEvent(QGraphicsSceneHoverEvent*)
{
    if (!m_timeLine)
        return;
    m_timeLine->setDirection(QTimeLine::Backward);
    if (m_timeLine->state() != QTimeLine::Running)
        m_timeLine->start();
}
