#pragma once

#include "widgets/GraphicsImageViewer.h"
#include "widgets/ViewerCommandWidget.h"

#include <QBoxLayout>
#include <QList>
#include <QMetaObject>

#include <memory>

// Compares two versions of a picture: a before and an after viewer side by
// side or stacked. In before/after mode both show, otherwise only the after
// viewer. While both pictures have one size (sync move) zooming or scrolling
// either viewer makes the other follow, so the same spot stays in view.
// Command signals drive both viewers while interaction is on.
class BAImageViewerWidget : public ViewerCommandWidget
{
    Q_OBJECT

public:
    explicit BAImageViewerWidget(QWidget* parent = nullptr);
    // Takes ownership of both viewers (neither may be null).
    BAImageViewerWidget(GraphicsImageViewer* before, GraphicsImageViewer* after, QWidget* parent = nullptr);
    ~BAImageViewerWidget() override;

    // False when either is null; nothing changes then.
    bool resetImages(std::unique_ptr<QPixmap> before, std::unique_ptr<QPixmap> after);
    // With `reset` the picture is set up anew, else zoom and position stay.
    void updateAfterImage(std::unique_ptr<QPixmap> pixmap, bool reset);
    void updateBeforeImage(std::unique_ptr<QPixmap> pixmap, bool reset);
    QImage afterImage() const;
    QImage beforeImage() const;

    void setBA(bool on);
    bool isBA() const { return m_ba; }
    void setSyncMove(bool on);
    bool isSyncMove() const { return m_syncMove; }
    // Both viewers show pictures of one size.
    bool canSyncMove() const;

    void enableImageViewer(bool showBefore);
    void disableImageViewer();
    bool imageViewerEnabled() const { return m_viewersDisabled == 0; }
    void enableInteraction();
    void disableInteraction();
    bool interactionEnabled() const { return m_interaction; }

    void setLayoutMargin(int left, int top, int right, int bottom);
    void setDisplayDirection(QBoxLayout::Direction direction);
    void setZoomStep(double step);

    ImageFitMode fitMode() const;
    ScalingFilter scalingFilter() const;
    bool lockZoomEnabled() const;
    bool lockViewEnabled() const;
    double maxScale() const;
    double minScale() const;
    QRect imageRect() const;
    float currentScale() const;
    QSize sourceSize() const;

    GraphicsImageViewer* beforeViewer() const { return m_before.get(); }
    GraphicsImageViewer* afterViewer() const { return m_after.get(); }

signals:
    // Zooms both viewers to a scale.
    void zoom(double scale);

public slots:
    void closeImage();
    void slotZoom(double scale);
    void onFullscreenModeChanged(bool mode);

private slots:
    void onScaleChanged(double scale);
    void onScaleRangeChanged(double minimum, double maximum);
    void onPositionChanged(int x, int y);

private:
    void init();
    void initView(std::unique_ptr<GraphicsImageViewer>& viewer);
    void connectPositions();
    void disconnectPositions();
    void updateSyncMoveFromSizes();

    QBoxLayout* m_layout = nullptr;
    std::unique_ptr<GraphicsImageViewer> m_after;
    std::unique_ptr<GraphicsImageViewer> m_before;
    int m_viewersDisabled = 1;
    bool m_interaction = false;
    bool m_fullscreen = false;
    bool m_ba = false;
    bool m_syncMove = false;
    QList<QMetaObject::Connection> m_positionConnections;
    QList<QMetaObject::Connection> m_interactionConnections;
};
