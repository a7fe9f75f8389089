#pragma once

#include "widgets/GraphicsImageViewer.h"

#include <QList>
#include <QMetaObject>
#include <QWidget>

// What the viewer widgets share: the command signals that are their input
// (zoom, scroll, fit, lock, filter), the signals they pass on, and the wiring
// of those commands to a GraphicsImageViewer. Keys are swallowed and Tab
// keeps the focus; mouse presses go on to the parent.
class ViewerCommandWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ViewerCommandWidget(QWidget* parent = nullptr);

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
    // Connected to nothing: the viewer draws no transparency grid.
    void toggleTransparencyGrid();
    void draggedOut();
    void setFilterNearest();
    void setFilterBilinear();
    void playbackFinished();
    void toggleLockZoom();
    void toggleLockView();
    void scaleChanged(double scale);
    void scaleRangeChanged(double minimum, double maximum);

public slots:
    // Emits fitWindow(), fitWidth() or fitOriginal(); nothing for FitFree.
    void setFitMode(ImageFitMode mode);
    void slotZoomIn();
    void slotZoomOut();
    // The viewers have no context menu.
    void showContextMenu();
    void hideContextMenu();
    void showContextMenu(QPoint pos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

    // Signals that always reach the owner: scaled-copy requests, and the
    // filter commands into the viewer.
    void connectViewer(GraphicsImageViewer* viewer);
    // The command signals into the viewer and its drag-out back out; the
    // caller keeps the connections to undo them.
    QList<QMetaObject::Connection> wireCommands(GraphicsImageViewer* viewer);
};
