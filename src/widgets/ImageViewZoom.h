#pragma once

#include "widgets/ImageViewerTypes.h"

#include <QPoint>
#include <QPointF>

class GraphicsImageViewer;
class ImageViewScroller;

// How large a GraphicsImageViewer shows its picture: the scale limits, the
// four fit modes and the choice of mode for a new picture, zooming about an
// anchor so that the picture point under it stays put, zoom steps, and the
// zoom and view locks that carry the scale (and the spot looked at) over to
// the next picture.
//
// Scaling itself goes through the view's doZoom, so the view stays the one
// place that touches the item's scale. Owned by the view, GUI thread only.
class ImageViewZoom
{
public:
    ImageViewZoom(GraphicsImageViewer& view, ImageViewScroller& scroller);

    // The values the view starts with (and gets back from readSettings).
    void restoreDefaults();

    ImageFitMode fitMode() const { return m_fitMode; }
    // The mode a new picture gets.
    ImageFitMode defaultFitMode() const { return m_defaultFitMode; }
    // Stores the mode and applies it.
    void setFitMode(ImageFitMode mode);
    // Applies the stored mode without storing anything.
    void applyFitMode();
    // Mode, scale and position of a picture just shown, locks included.
    void fitNewPicture();
    void fitWindow();
    void fitWidth();
    void fitFree(float scale);

    double minimumScale() const { return m_minScale; }
    double maximalScale() const { return m_maxScale; }
    double fitWindowScale() const { return m_fitWindowScale; }
    float clamped(float scale) const;
    // Recomputes the fit-window scale and the lower limit; tells the view's listeners.
    void updateScaleRange();
    void updateFitWindowScale();

    double step() const { return m_step; }
    void setStep(double step) { m_step = step; }
    bool expandImage() const { return m_expandImage; }
    void setExpandImage(bool expand);

    // The picture point under a viewport point stays there while zooming.
    void setAnchorAt(QPoint viewportPos);
    void zoomAnchored(float scale);
    // A user's zoom about a viewport point, ending in FitFree (or FitWindow
    // when it lands on the fit-window scale exactly).
    void zoomAt(QPoint viewportPos, float scale);
    // One zoom step in or out about a viewport point.
    void stepAt(QPoint viewportPos, bool in);
    float steppedScale(bool in) const;
    // One move of a zoom drag, about the anchor set when it began.
    void dragTo(float scale);

    // 0 none, 1 zoom locked, 2 view locked (zoom and visible spot).
    int lock() const { return m_lock; }
    // Switches the lock on, or off when it is the one on.
    void toggleLock(int lock);
    // Keeps the current scale for the next picture without changing the lock.
    void lockZoom();

private:
    void finishUserZoom();

    GraphicsImageViewer& m_view;
    ImageViewScroller& m_scroller;
    double m_minScale = double(0.01f);
    double m_maxScale = 10.0;
    double m_fitWindowScale = 0.125;
    double m_expandLimit = 4.0;
    bool m_expandImage = false;
    double m_step = 0.05;
    ImageFitMode m_fitMode = FitWindow;
    ImageFitMode m_defaultFitMode = FitWindow;
    bool m_keepFitMode = false;
    // 0: none, then the top of a tall picture; 1: viewport centre; 2: mouse cursor.
    int m_fitFreeAnchor = 1;
    QPointF m_anchorPicture;
    QPoint m_anchorViewport;
    int m_lock = 0;
    double m_lockedScale = 1.0;
};
