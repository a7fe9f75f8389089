#pragma once

#include "widgets/ImageViewerTypes.h"
#include "widgets/QMovieProxy.h"

#include <QGraphicsView>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QPointF>

#include <memory>

class ImageViewInput;
class ImageViewScroller;
class ImageViewZoom;
class QGestureEvent;
class QGraphicsPixmapItem;
class QGraphicsScene;
class QNativeGestureEvent;
class QTimer;

// A view that shows one picture (or the frames of an animation) and lets the
// user look at it: zoom within limits around an anchor, four fit modes,
// smooth keyboard scrolling, panning and zooming by dragging, wheel zoom at
// the cursor, touch-pad scrolling, gestures, and locks that keep the zoom
// (and the visible spot) for the next picture.
//
// The view transform stays 1:1; the zoom is the scale of the one pixmap
// item, applied around its centre, and the picture sits centred on the
// scene centre. So one viewport pixel is one scene unit everywhere.
//
// The view holds the picture, draws it and answers for it; three helpers
// own the rest: ImageViewZoom (scale limits, fit modes, anchored zoom,
// locks), ImageViewScroller (position, centring, edges, smooth scrolling)
// and ImageViewInput (mouse, wheel, touch-pad and gestures, which act only
// while interaction is on and a picture is shown; keys are swallowed). The
// scene and both scroll timelines are children of the view. GUI thread only.
class GraphicsImageViewer : public QGraphicsView
{
    Q_OBJECT
    // The helpers work on the view's picture and item and call back into it.
    friend class ImageViewInput;
    friend class ImageViewScroller;
    friend class ImageViewZoom;

public:
    using FrameCallback = int (*)(QPixmap*, void*);

    explicit GraphicsImageViewer(QWidget* parent = nullptr);
    ~GraphicsImageViewer() override;

    virtual ImageFitMode fitMode() const;
    // The picture's scene rectangle in viewport coordinates.
    virtual QRect scaledRect() const;
    virtual double currentScale() const;
    // Size of the shown pixmap in device pixels; (0, 0) without one.
    virtual QSize sourceSize() const;

    // Each of these takes ownership; a null pointer changes nothing.
    // A new picture: the fit mode (or a lock) decides zoom and position.
    virtual void displayImage(std::unique_ptr<QPixmap> pixmap);
    // Replaces the picture keeping zoom and position; a picture of another
    // size is set up as a new one, so it is never drawn off-centre.
    virtual void updateDisplayImage(std::unique_ptr<QPixmap> pixmap);
    // A new picture that keeps the animation source and the scroll timelines.
    virtual void updateDisplayImage2(std::unique_ptr<QPixmap> pixmap);
    // Plays an animation; a source that is not valid is refused.
    virtual void displayAnimation(std::unique_ptr<QMovieProxy> movie);

    virtual bool isDisplaying() const;
    // True without a picture, or when the picture at its natural size fits.
    virtual bool imageFits() const;
    virtual ScalingFilter scalingFilter() const;
    virtual QWidget* widget();

    bool scaledImageFits() const;
    // The picture's size on screen in logical pixels; (0, 0) without one.
    QSize scaledSize() const;
    QPointF sceneRoundPos(QPointF scenePos) const;
    QRectF sceneRoundRect(QRectF sceneRect) const;

    double minimumScale() const;
    double maximalScale() const;
    double fitWindowScale() const;
    double zoomStep() const;
    bool expandImage() const;
    bool interactionEnabled() const { return m_interaction; }
    bool loopPlayback() const { return m_loopPlayback; }

    void setBackgroundColor(QColor color);
    // The callback may change each frame before it is shown; null switches it off.
    void setAnimationCallback(FrameCallback callback, void* data);
    void pauseResume();
    QPixmap displayedPixmap() const;
    QImage displayedImage() const;
    bool hasAnimation() const { return m_movie != nullptr; }
    bool isAnimationRunning() const;
    void enableInteraction() { m_interaction = true; }
    void disableInteraction() { m_interaction = false; }
    // Sets both scroll-bar values (scene coordinates of the viewport's top-left).
    void scroll(int x, int y);
    void scrollPrecise(int dx, int dy);
    void removeItem(QGraphicsItem* item);
    void setZoomAnchor(QPoint viewportPos);
    // Keeps the current scale for the next picture without changing the lock.
    void lockZoom();
    void swapToOriginalPixmap();
    void stopPosAnimation();

    // Frame duration and step of smooth scrolling, for tests and benchmarks.
    int scrollDuration() const;
    int scrollStep() const;

signals:
    void scalingRequested(QSize size, ScalingFilter filter);
    void scaleChanged(double scale);
    void scaleRangeChanged(double minimum, double maximum);
    void sourceSizeChanged(QSize size);
    void imageAreaChanged(QRect area);
    void draggedOut();
    void playbackFinished();
    void animationPaused(bool paused);
    void frameChanged(int frame, QImage image);
    void durationChanged(int delay, int frames);
    void positionChanged(int x, int y);

public slots:
    virtual void setFitMode(ImageFitMode mode);
    virtual void setFitOriginal();
    virtual void setFitWidth();
    virtual void setFitWindow();
    virtual void zoomIn();
    virtual void zoomOut();
    virtual void zoomInCursor();
    virtual void zoomOutCursor();
    virtual void zoom(float scale);
    virtual void readSettings();
    virtual void scrollUp();
    virtual void scrollDown();
    virtual void scrollLeft();
    virtual void scrollRight();
    virtual void startAnimation();
    virtual void stopAnimation();
    virtual void closeImage();
    virtual void setExpandImage(bool mode);
    virtual void show();
    virtual void hide();
    virtual void setFilterNearest();
    virtual void setFilterBilinear();
    virtual void setScalingFilter(ScalingFilter filter);
    void setLoopPlayback(bool mode);
    void nextFrame();
    void prevFrame();
    bool showAnimationFrame(int frame);
    void onFullscreenModeChanged(bool mode);
    void toggleLockZoom();
    bool lockZoomEnabled() const;
    void toggleLockView();
    bool lockViewEnabled() const;
    void setZoomStep(double step = 0.05);
    ImageScrolling imageScrolling() const;
    bool nativeMagnifyEvent(float delta, float deltaX, float deltaY);
    bool nativeSmartMagnifyEvent(float delta, float deltaX, float deltaY);
    bool nativeSwipeEvent(float delta, float deltaX, float deltaY);

protected slots:
    void onAnimationTimer();

protected:
    virtual bool gestureEvent(QGestureEvent* event);
    virtual void doZoom(float scale);

    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

    void reset();
    void resetPixmap(std::unique_ptr<QPixmap> pixmap);
    void updatePixmap(std::unique_ptr<QPixmap> pixmap);
    void applyTransformationMode();
    void updateScaleRange();
    void updateFitWindowScale();
    void fitWindow();
    void fitWidth();
    void fitFree(float scale);
    void fitNormal() { fitFree(1.0f); }
    void applyFitMode();
    void zoomAnchored(float scale);
    void centerIfNecessary();
    void snapToEdges();
    void scrollSmooth(int dx, int dy);
    // Switches lock 1 (zoom) or 2 (view) on, or off when it is the one on.
    void toggleLock(int lock);
    void saveViewportPos();
    void applySavedViewportPos();

private slots:
    void requestScaling();
    void scrollToX(int x);
    void scrollToY(int y);
    void onScrollTimelineFinished();

private:
    QPointF sceneCentre() const;
    int viewportWidth() const;
    int viewportHeight() const;
    // The middle of the viewport, rounded down to a whole pixel.
    QPoint viewportCentre() const;
    QPoint cursorInViewport() const;
    // The picture's rectangle in the scene, zoom included.
    QRectF pictureRect() const;
    double freshRatio() const;
    // Viewport position of a scene point, unrounded.
    QPointF viewportPosOf(QPointF scenePos) const;
    // A zoom step about the cursor, or about the centre when the mouse is elsewhere.
    void zoomAtCursor(bool in);
    void placeItem();
    void showCurrentFrame();
    void logFrameError() const;
    void startFrameTimer();
    bool nativeGesture(QNativeGestureEvent* event);
    void repaintNow();
    bool viewportEvent(QEvent* event) override;

    QGraphicsScene* m_scene = nullptr;
    std::shared_ptr<QPixmap> m_pixmap;
    std::unique_ptr<QMovieProxy> m_movie;
    QGraphicsPixmapItem* m_item = nullptr;
    QTimer* m_frameTimer = nullptr;
    QTimer* m_scalingTimer = nullptr;
    bool m_smoothAnimation = true;
    bool m_smoothUpscaling = true;
    bool m_loopPlayback = true;
    bool m_fullscreen = false;
    float m_scalingThreshold = 1.0f;
    double m_ratio = 1.0;
    FrameCallback m_frameCallback = nullptr;
    void* m_callbackData = nullptr;
    ScalingFilter m_filter = FilterBilinear;
    bool m_interaction = true;
    std::unique_ptr<ImageViewScroller> m_scroller;
    std::unique_ptr<ImageViewZoom> m_zoom;
    std::unique_ptr<ImageViewInput> m_input;
};
