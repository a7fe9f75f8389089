#pragma once

#include "widgets/GraphicsImageViewer.h"
#include "widgets/ViewerCommandWidget.h"

#include <QList>
#include <QMetaObject>
#include <QTimer>

#include <memory>

class QHBoxLayout;

// One GraphicsImageViewer with its wiring: shows still pictures and
// animations, switches the viewer and the interaction on and off, forwards
// the viewer's signals and offers playback controls. Its command signals
// (zoom, scroll, fit, lock, filter) are its input: emitting them drives the
// viewer while interaction is on. The mouse cursor hides a second after the
// last mouse activity over an active window.
class ImageViewerWidget : public ViewerCommandWidget
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
    void animationPaused(bool paused);
    void frameChanged(int frame, QImage image);
    void durationChanged(int delay, int frames);

public slots:
    void stopPlayback();
    void closeImage();
    void hideCursor();
    void showCursor();
    void hideCursorTimed(bool restartTimer);
    void slotZoom(double scale);
    void pauseResumePlayback();
    void frameStep();
    void frameStepBack();
    void seek(int pos);
    void startPlayback();
    void onFullscreenModeChanged(bool mode);
    void setLoopPlayback(bool mode);

private slots:
    void onScaleChanged(double scale);
    void onScaleRangeChanged(double minimum, double maximum);
    void onAnimationPlaybackFinished();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void init();
    // Switches the viewer on (stopping a running animation first), hands it
    // the picture through `show`, and starts the cursor timer.
    void showThrough(void (GraphicsImageViewer::*show)(std::unique_ptr<QPixmap>), std::unique_ptr<QPixmap> pixmap);
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
