#include "widgets/ImageViewScroller.h"

#include "widgets/GraphicsImageViewer.h"

#include <QScrollBar>
#include <QTimeLine>

#include <algorithm>

ImageViewScroller::ImageViewScroller(GraphicsImageViewer& view)
    : m_view(view)
{
    m_timelineX = new QTimeLine(m_duration, &view);
    m_timelineY = new QTimeLine(m_duration, &view);
    for (QTimeLine* line : {m_timelineX, m_timelineY}) {
        line->setEasingCurve(QEasingCurve::OutSine);
        line->setUpdateInterval(m_frameInterval);
        QObject::connect(line, &QTimeLine::finished, &view, &GraphicsImageViewer::onScrollTimelineFinished);
    }
    QObject::connect(m_timelineX, &QTimeLine::frameChanged, &view, &GraphicsImageViewer::scrollToX);
    QObject::connect(m_timelineY, &QTimeLine::frameChanged, &view, &GraphicsImageViewer::scrollToY);
}

QPointF ImageViewScroller::visibleCentre() const
{
    return m_view.mapToScene(m_view.viewport()->rect()).boundingRect().center();
}

void ImageViewScroller::centreViewOn(QPointF scenePos)
{
    // Rounded, not truncated like centerOn(), so that repeated anchored
    // zooms do not creep by a pixel each time.
    const QWidget* viewport = m_view.viewport();
    m_view.horizontalScrollBar()->setValue(qRound(scenePos.x() - viewport->width() / 2.0));
    m_view.verticalScrollBar()->setValue(qRound(scenePos.y() - viewport->height() / 2.0));
}

void ImageViewScroller::centerIfNecessary()
{
    if (!m_view.m_pixmap)
        return;
    QPointF c = visibleCentre();
    const QSize s = m_view.scaledSize();
    if (m_view.viewportWidth() >= s.width())
        c.setX(m_view.sceneCentre().x());
    if (m_view.viewportHeight() >= s.height())
        c.setY(m_view.sceneCentre().y());
    centreViewOn(c);
}

void ImageViewScroller::snapToEdges()
{
    if (!m_view.m_pixmap)
        return;
    const QRect r = m_view.scaledRect();
    const int w = m_view.width();
    const int h = m_view.height();
    int dx = 0;
    int dy = 0;
    if (r.width() > w) {
        if (r.left() >= 1)
            dx = r.left();
        else if (w > r.right())
            dx = r.right() - w;
    }
    if (r.height() > h) {
        if (r.top() >= 1)
            dy = r.top();
        else if (h > r.bottom())
            dy = r.bottom() - h;
    }
    if (dx != 0 || dy != 0)
        centreViewOn(visibleCentre() + QPointF(dx, dy));
}

void ImageViewScroller::keepInView()
{
    centerIfNecessary();
    snapToEdges();
}

void ImageViewScroller::stop()
{
    if (m_timelineX->state() == QTimeLine::Running)
        m_timelineX->stop();
    if (m_timelineY->state() == QTimeLine::Running)
        m_timelineY->stop();
}

void ImageViewScroller::scrollTo(int x, int y)
{
    stop();
    m_view.horizontalScrollBar()->setValue(x);
    m_view.verticalScrollBar()->setValue(y);
    keepInView();
    saveViewPos();
}

void ImageViewScroller::scrollBy(int dx, int dy)
{
    stop();
    moveBars(dx, dy);
    keepInView();
    saveViewPos();
}

void ImageViewScroller::moveBars(int dx, int dy)
{
    QScrollBar* h = m_view.horizontalScrollBar();
    QScrollBar* v = m_view.verticalScrollBar();
    h->setValue(h->value() + dx);
    v->setValue(v->value() + dy);
}

void ImageViewScroller::scrollCarrying(QPointF delta)
{
    stop();
    // Scroll positions are whole pixels; the fractions are carried to the
    // next event, else slow strokes of 1-pixel deltas would move one way only.
    const QPointF move = m_remainder - delta;
    // The nudge keeps 0.7 added ten times from falling short of 7.
    auto wholePart = [](double d) { return int(d + (d > 0 ? 1e-9 : -1e-9)); };
    const QPoint whole(wholePart(move.x()), wholePart(move.y()));
    m_remainder = move - QPointF(whole);
    moveBars(whole.x(), whole.y());
    keepInView();
}

void ImageViewScroller::scrollSmooth(int dx, int dy)
{
    auto axis = [this](int direction, QTimeLine* line, QScrollBar* bar) {
        if (direction == 0)
            return;
        const int s = direction > 0 ? -m_step : m_step;
        const int v = bar->value();
        int target = v - s;
        if (line->state() == QTimeLine::Running) {
            const int end = line->endFrame();
            // A press in the direction already running extends that scroll.
            if ((s > 0 && v >= end) || (s < 0 && v <= end))
                target = end - int(s * m_acceleration);
        }
        line->stop();
        line->setFrameRange(v, target);
        line->start();
    };
    axis(dx, m_timelineX, m_view.horizontalScrollBar());
    axis(dy, m_timelineY, m_view.verticalScrollBar());
    saveViewPos();
}

void ImageViewScroller::showFrameX(int x)
{
    m_view.horizontalScrollBar()->setValue(x);
    keepInView();
    // Painted here and now: handing control to the event loop from inside
    // a timeline's slot could delete the viewer under our feet.
    m_view.repaintNow();
}

void ImageViewScroller::showFrameY(int y)
{
    m_view.verticalScrollBar()->setValue(y);
    keepInView();
    m_view.repaintNow();
}

void ImageViewScroller::saveViewPos()
{
    if (!m_view.lockViewEnabled() || !m_view.m_pixmap)
        return;
    const QPointF p = m_view.mapToScene(m_view.viewportCentre()) + QPointF(1, 1);
    const QRectF r = m_view.pictureRect();
    if (r.isEmpty())
        return;
    m_savedX = std::clamp((p.x() - r.left()) / r.width(), 0.0, 1.0);
    m_savedY = std::clamp((p.y() - r.top()) / r.height(), 0.0, 1.0);
}

void ImageViewScroller::applySavedViewPos()
{
    const QRectF r = m_view.pictureRect();
    centreViewOn(QPointF(r.left() + m_savedX * r.width(), r.top() + m_savedY * r.height()));
    keepInView();
}
