#pragma once

#include "widgets/GraphicsImageViewer.h"

#include <QList>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>

#include <memory>

class QHBoxLayout;

// One GraphicsImageViewer with its wiring: shows still pictures and
// animations, switches the viewer and the interaction on and off, forwards
// the viewer's signals and offers playback controls. Its command signals
// (zoom, scroll, fit, lock, filter) are its input: emitting them drives the
// viewer while interaction is on. The mouse cursor hides a second after the
// last mouse activity over an active window.
class ImageViewerWidget : public QWidget
{
    Q_OBJECT

public:
    // Registers the viewer types with Qt's meta-type system at start-up.
    class RegisterHelp
    {
    public:
        RegisterHelp();
    };

    explicit ImageViewerWidget(QWidget* parent = nullptr);
    // Takes ownership of `viewer` (which must not be null).
    ImageViewerWidget(GraphicsImageViewer* viewer, QWidget* parent = nullptr);
    ~ImageViewerWidget() override;

    bool showImage(QImage image);
    // False for a null pixmap; the widget then stays as it was.
    bool showImage(std::unique_ptr<QPixmap> pixmap);
    void updateShownImage(std::unique_ptr<QPixmap> pixmap);
    void updateShownImage2(std::unique_ptr<QPixmap> pixmap);
    bool showAnimation(std::unique_ptr<QMovieProxy> movie);
    QImage displayedImage() const;
    void setAnimationCallback(GraphicsImageViewer::FrameCallback callback, void* data);

    ImageFitMode fitMode() const;
    ScalingFilter scalingFilter() const;
    bool lockZoomEnabled() const;
    bool lockViewEnabled() const;
    void setExpandImage(bool mode);
    void setZoomStep(double step);
    // A null rectangle while the viewer is off.
    QRect imageRect() const;
    double currentScale() const;
    double maxScale() const;
    double minScale() const;
    QSize sourceSize() const;
    bool isDisplaying() const;
    bool interactionEnabled() const { return m_interaction; }
    bool imageViewerEnabled() const { return m_viewerDisabled == 0; }

    void enableImageViewer();
    void disableImageViewer();
    void enableInteraction();
    void disableInteraction();

    GraphicsImageViewer* viewer() const { return m_viewer.get(); }
    int cursorInterval() const { return m_cursorInterval; }
    bool cursorTimerActive() const { return m_cursorTimer.isActive(); }

signals:
    void scalingRequested(QSize size, ScalingFilter filter);
    void zoomIn();
    void zoomOut();
    void zoomInCursor();
    void zoomOutCursor();
    void scrollUp();
    void scrollDown();
    void scrollLeft();
    void scrollRight();
    void fitWindow();
    void fitWidth();
    void fitOriginal();
    void toggleTransparencyGrid();
    void draggedOut();
    void setFilterNearest();
    void setFilterBilinear();
    void playbackFinished();
    void toggleLockZoom();
    void toggleLockView();
    void scaleChanged(double scale);
    void scaleRangeChanged(double minimum, double maximum);
    void animationPaused(bool paused);
    void frameChanged(int frame, QImage image);
    void durationChanged(int delay, int frames);

public slots:
    void stopPlayback();
    void setFitMode(ImageFitMode mode);
    void closeImage();
    void hideCursor();
    void showCursor();
    void hideCursorTimed(bool restartTimer);
    void slotZoomIn();
    void slotZoomOut();
    void slotZoom(double scale);
    void pauseResumePlayback();
    void frameStep();
    void frameStepBack();
    void seek(int pos);
    void startPlayback();
    void showContextMenu();
    void hideContextMenu();
    void showContextMenu(QPoint pos);
    void onFullscreenModeChanged(bool mode);
    void setLoopPlayback(bool mode);

private slots:
    void onScaleChanged(double scale);
    void onScaleRangeChanged(double minimum, double maximum);
    void onAnimationPlaybackFinished();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void init();
    // Switches the viewer on and stops a running animation before it is replaced.
    void prepareToShow();
    void startCursorTimerIfIdle();

    QHBoxLayout* m_layout = nullptr;
    std::unique_ptr<GraphicsImageViewer> m_viewer;
    int m_viewerDisabled = 1;
    bool m_interaction = false;
    QTimer m_cursorTimer;
    int m_cursorInterval = 1000;
    bool m_fullscreen = false;
    QList<QMetaObject::Connection> m_viewerConnections;
    QList<QMetaObject::Connection> m_interactionConnections;
};
