#include "widgets/PixmapButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

PixmapButton::PixmapButton(QWidget* parent)
    : QPushButton(parent)
{
    QWidget::setFixedSize(m_fixedSize);
    m_screenRatio = metric(QPaintDevice::PdmDevicePixelRatioScaled) / 65536.0;
}

PixmapButton::~PixmapButton() = default;

void PixmapButton::setFixedSize(const QSize& size)
{
    m_fixedSize = size;
    QWidget::setFixedSize(size);
}

void PixmapButton::setFixedSize(int w, int h)
{
    setFixedSize(QSize(w, h));
}

void PixmapButton::setPixmap(const QPixmap& pixmap)
{
    m_pixmap = pixmap;
    if (m_screenRatio >= 1.001) {
        m_highDensity = true;
        // Icons come at twice their logical size; a 1.5 screen still shows
        // them at half, only denser screens scale them further down.
        m_pixmapRatio = m_screenRatio < 1.999 ? 2.0 : m_screenRatio;
        m_pixmap.setDevicePixelRatio(m_pixmapRatio);
    } else {
        m_highDensity = false;
        m_pixmapRatio = m_screenRatio;
    }
    update();
}

void PixmapButton::setFadeInactive(bool fade)
{
    if (fade == m_fadeInactive)
        return;
    m_fadeInactive = fade;
    update();
}

void PixmapButton::setCheckColor(const QColor& color)
{
    m_checkColor = color;
    update();
}

void PixmapButton::mousePressEvent(QMouseEvent* event)
{
    // The menu opens under the mouse and takes the leave event with it.
    if (menu())
        m_hovered = false;
    QAbstractButton::mousePressEvent(event);
}

void PixmapButton::enterEvent(QEnterEvent*)
{
    m_hovered = true;
    update();
}

void PixmapButton::leaveEvent(QEvent*)
{
    m_hovered = false;
    update();
}

void PixmapButton::paintDecoration(QPainter& painter, bool hoverNeedsEnabled) const
{
    const int w = width();
    const int h = height();
    const bool highlight = m_hovered && (isEnabled() || !hoverNeedsEnabled);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (isChecked()) {
        painter.setPen(QPen(Qt::lightGray, 1));
        painter.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), 2, 2);
        if (highlight) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::darkGray);
            painter.drawRoundedRect(QRectF(0, 0, w, h), 2, 2);
        }
    } else if (highlight) {
        if (isCheckable()) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::darkGray);
            painter.drawRoundedRect(QRectF(0, 0, w, h), 2, 2);
        } else {
            painter.fillRect(rect(), Qt::darkGray);
        }
    }
    painter.restore();
}

void PixmapButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintDecoration(p, true);

    if (!m_pixmap.isNull()) {
        const int w = width();
        const int h = height();
        const bool faded = m_fadeInactive && !isDown() && !m_hovered && !hasFocus();
        if (faded)
            p.setOpacity(0.4);
        const int d = isDown() ? 1 : 0;
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (m_highDensity) {
            const double x = (w / 2 + d) - m_pixmap.width() / (2 * m_pixmapRatio);
            const double y = (h / 2 + d) - m_pixmap.height() / (2 * m_pixmapRatio);
            p.drawPixmap(QPointF(x, y), m_pixmap);
        } else {
            const QRect target(w / 2 + d - m_pixmap.width() / 4, h / 2 + d - m_pixmap.height() / 4,
                               m_pixmap.width() / 2, m_pixmap.height() / 2);
            p.drawPixmap(target, m_pixmap);
        }
        if (faded)
            p.setOpacity(1.0);
    }

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}
