#include "widgets/ImageViewZoom.h"

#include "widgets/GraphicsImageViewer.h"
#include "widgets/ImageViewScroller.h"

#include <QGraphicsPixmapItem>

#include <algorithm>

ImageViewZoom::ImageViewZoom(GraphicsImageViewer& view, ImageViewScroller& scroller)
    : m_view(view)
    , m_scroller(scroller)
{
}

void ImageViewZoom::restoreDefaults()
{
    m_expandImage = true;
    m_expandLimit = 4.0;
    m_keepFitMode = false;
    m_defaultFitMode = FitWindow;
    m_fitFreeAnchor = 1;
    m_step = 0.2;
}

// -------------------------------------------------------------- fit modes

void ImageViewZoom::setFitMode(ImageFitMode mode)
{
    m_fitMode = mode;
    applyFitMode();
}

void ImageViewZoom::applyFitMode()
{
    switch (m_fitMode) {
    case FitWindow:
        fitWindow();
        break;
    case FitWidth:
        fitWidth();
        break;
    case FitOriginal:
        fitFree(1.0f);
        break;
    case FitFree:
        break;
    }
}

void ImageViewZoom::fitNewPicture()
{
    if (!(m_keepFitMode && m_fitMode != FitFree))
        m_fitMode = m_defaultFitMode;
    if (m_lock != 0) {
        m_fitMode = FitFree;
        fitFree(float(m_lockedScale));
        if (m_lock == 2)
            m_scroller.applySavedViewPos();
    } else {
        applyFitMode();
    }
}

void ImageViewZoom::fitWindow()
{
    if (!m_view.m_pixmap)
        return;
    if (m_view.imageFits() && !m_expandImage) {
        fitFree(1.0f);
        return;
    }
    if (m_view.currentScale() != m_fitWindowScale) {
        m_view.m_item->setVisible(true);
        m_view.doZoom(float(m_fitWindowScale));
    }
    m_scroller.centreViewOn(m_view.pictureRect().center());
}

void ImageViewZoom::fitWidth()
{
    if (!m_view.m_pixmap)
        return;
    float s = float(m_view.freshRatio() * m_view.viewportWidth() / m_view.m_pixmap->width());
    if (!m_expandImage)
        s = std::min(1.0f, s);
    s = std::min(s, float(m_expandLimit));
    if (m_view.currentScale() != double(s)) {
        m_view.m_item->setVisible(true);
        m_view.doZoom(s);
    }
    m_scroller.centerIfNecessary();
    // Scene y 0 lies far above the picture; the snap below brings the
    // picture's top edge to the viewport's top.
    if (m_view.scaledSize().height() > m_view.viewportHeight())
        m_scroller.centreViewOn(QPointF(m_scroller.visibleCentre().x(), 0));
    m_scroller.snapToEdges();
}

void ImageViewZoom::fitFree(float scale)
{
    if (!m_view.m_pixmap)
        return;
    switch (m_fitFreeAnchor) {
    case 0:
        m_view.doZoom(scale);
        m_scroller.centerIfNecessary();
        if (m_view.scaledSize().height() > m_view.viewportHeight())
            m_scroller.centreViewOn(QPointF(m_view.sceneCentre().x(), 0));
        break;
    case 2:
        setAnchorAt(m_view.cursorInViewport());
        zoomAnchored(scale);
        m_scroller.centerIfNecessary();
        break;
    default:
        setAnchorAt(m_view.viewportCentre());
        zoomAnchored(scale);
        m_scroller.centerIfNecessary();
        break;
    }
    m_scroller.snapToEdges();
}

// ------------------------------------------------------------ scale range

float ImageViewZoom::clamped(float scale) const
{
    return float(std::clamp(double(scale), m_minScale, m_maxScale));
}

void ImageViewZoom::updateFitWindowScale()
{
    const double ratio = m_view.freshRatio();
    const float fx = float(ratio * m_view.viewportWidth() / m_view.m_pixmap->width());
    const float fy = float(ratio * m_view.viewportHeight() / m_view.m_pixmap->height());
    double s = std::min(fx, fy);
    if (m_expandImage && s > m_expandLimit)
        s = m_expandLimit;
    m_fitWindowScale = s;
}

void ImageViewZoom::updateScaleRange()
{
    if (!m_view.m_pixmap)
        return;
    updateFitWindowScale();
    m_minScale = m_view.imageFits() ? 1.0 : m_fitWindowScale;
    if (m_lock != 0 && m_minScale > m_lockedScale)
        m_minScale = m_lockedScale;
    emit m_view.scaleRangeChanged(m_minScale, m_maxScale);
}

void ImageViewZoom::setExpandImage(bool expand)
{
    m_expandImage = expand;
    if (m_view.m_pixmap)
        updateScaleRange();
    applyFitMode();
}

// ---------------------------------------------------------- anchored zoom

void ImageViewZoom::setAnchorAt(QPoint viewportPos)
{
    m_anchorViewport = viewportPos;
    m_anchorPicture = m_view.m_item->mapFromScene(m_view.mapToScene(viewportPos));
}

void ImageViewZoom::zoomAnchored(float scale)
{
    if (m_view.currentScale() == double(scale))
        return;
    const QPointF c = m_scroller.visibleCentre();
    m_view.doZoom(scale);
    const QPointF q = m_view.viewportPosOf(m_view.m_item->mapToScene(m_anchorPicture));
    m_scroller.centreViewOn(c - (QPointF(m_anchorViewport) - q));
    m_view.requestScaling();
}

void ImageViewZoom::finishUserZoom()
{
    m_scroller.keepInView();
    m_fitMode = m_view.currentScale() == m_fitWindowScale ? FitWindow : FitFree;
}

void ImageViewZoom::zoomAt(QPoint viewportPos, float scale)
{
    setAnchorAt(viewportPos);
    zoomAnchored(scale);
    finishUserZoom();
}

float ImageViewZoom::steppedScale(bool in) const
{
    return float(m_view.currentScale() * (in ? 1.0 + m_step : 1.0 - m_step));
}

void ImageViewZoom::stepAt(QPoint viewportPos, bool in)
{
    zoomAt(viewportPos, steppedScale(in));
}

void ImageViewZoom::dragTo(float scale)
{
    // The mode is free while the scale changes under the drag.
    m_fitMode = FitFree;
    zoomAnchored(scale);
    m_scroller.keepInView();
    if (m_view.currentScale() == m_fitWindowScale)
        m_fitMode = FitWindow;
}

// ------------------------------------------------------------------ locks

void ImageViewZoom::toggleLock(int lock)
{
    if (!m_view.m_pixmap)
        return;
    if (m_lock == lock) {
        m_lock = 0;
        return;
    }
    m_lock = lock;
    lockZoom();
}

void ImageViewZoom::lockZoom()
{
    m_lockedScale = m_view.currentScale();
    m_fitMode = FitFree;
    m_scroller.saveViewPos();
}
