#include "widgets/QProgressIndicator.h"

#include <QPainter>
#include <QTimerEvent>

#include <algorithm>

QProgressIndicator::QProgressIndicator(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
}

bool QProgressIndicator::isAnimated() const
{
    return m_timerId != -1;
}

bool QProgressIndicator::isDisplayedWhenStopped() const
{
    return m_displayedWhenStopped;
}

QSize QProgressIndicator::sizeHint() const
{
    return QSize(20, 20);
}

int QProgressIndicator::heightForWidth(int w) const
{
    return w;
}

void QProgressIndicator::startAnimation()
{
    m_angle = 0;
    if (m_timerId == -1)
        m_timerId = startTimer(m_delay);
}

void QProgressIndicator::stopAnimation()
{
    if (m_timerId != -1)
        killTimer(m_timerId);
    m_timerId = -1;
    update();
}

void QProgressIndicator::setAnimationDelay(int delay)
{
    if (m_timerId != -1) {
        killTimer(m_timerId);
        m_delay = delay;
        m_timerId = startTimer(m_delay);
    } else {
        m_delay = delay;
    }
}

void QProgressIndicator::setDisplayedWhenStopped(bool state)
{
    m_displayedWhenStopped = state;
    update();
}

void QProgressIndicator::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void QProgressIndicator::timerEvent(QTimerEvent* event)
{
    // Timers started by others on this object (a style's animation, say)
    // must not speed the spinner up.
    if (event->timerId() != m_timerId || m_timerId == -1) {
        QWidget::timerEvent(event);
        return;
    }
    m_angle = (m_angle + 30) % 360;
    update();
}

void QProgressIndicator::paintEvent(QPaintEvent*)
{
    if (!m_displayedWhenStopped && !isAnimated())
        return;

    const int side = std::min(width(), height());
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    const int outerRadius = int((side - 1) * 0.5);
    const int innerRadius = int((side - 1) * 0.5 * 0.38);
    const int spokeLength = outerRadius - innerRadius;
    const int spokeWidth = int((side < 33 ? 0.35 : 0.23) * spokeLength);
    const int cornerRadius = spokeWidth / 2;
    const QRectF spoke(int(-spokeWidth * 0.5), -outerRadius, spokeWidth, spokeLength);
    const QPoint centre((width() - 1) / 2, (height() - 1) / 2);

    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        QColor c = m_color;
        c.setAlphaF(1.0f - float(i) / 12.0f);
        p.setBrush(c);
        p.save();
        p.translate(centre);
        p.rotate(float(m_angle) - 30.0f * float(i));
        p.drawRoundedRect(spoke, cornerRadius, cornerRadius, Qt::AbsoluteSize);
        p.restore();
    }
}
