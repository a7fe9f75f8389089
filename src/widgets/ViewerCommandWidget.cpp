#include "widgets/ViewerCommandWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>

ViewerCommandWidget::ViewerCommandWidget(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_MouseTracking);
}

void ViewerCommandWidget::connectViewer(GraphicsImageViewer* viewer)
{
    using V = GraphicsImageViewer;
    using W = ViewerCommandWidget;
    connect(viewer, &V::scalingRequested, this, &W::scalingRequested);
    connect(this, &W::setFilterNearest, viewer, &V::setFilterNearest);
    connect(this, &W::setFilterBilinear, viewer, &V::setFilterBilinear);
}

QList<QMetaObject::Connection> ViewerCommandWidget::wireCommands(GraphicsImageViewer* viewer)
{
    using V = GraphicsImageViewer;
    using W = ViewerCommandWidget;
    return {
        connect(this, &W::toggleLockZoom, viewer, &V::toggleLockZoom),
        connect(this, &W::toggleLockView, viewer, &V::toggleLockView),
        connect(this, &W::zoomIn, viewer, &V::zoomIn),
        connect(this, &W::zoomOut, viewer, &V::zoomOut),
        connect(this, &W::zoomInCursor, viewer, &V::zoomInCursor),
        connect(this, &W::zoomOutCursor, viewer, &V::zoomOutCursor),
        connect(this, &W::scrollUp, viewer, &V::scrollUp),
        connect(this, &W::scrollDown, viewer, &V::scrollDown),
        connect(this, &W::scrollLeft, viewer, &V::scrollLeft),
        connect(this, &W::scrollRight, viewer, &V::scrollRight),
        connect(this, &W::fitWindow, viewer, &V::setFitWindow),
        connect(this, &W::fitWidth, viewer, &V::setFitWidth),
        connect(this, &W::fitOriginal, viewer, &V::setFitOriginal),
        connect(viewer, &V::draggedOut, this, &W::draggedOut),
    };
}

void ViewerCommandWidget::setFitMode(ImageFitMode mode)
{
    switch (mode) {
    case FitOriginal:
        emit fitOriginal();
        break;
    case FitWidth:
        emit fitWidth();
        break;
    case FitWindow:
        emit fitWindow();
        break;
    case FitFree:
        break;
    }
}

void ViewerCommandWidget::slotZoomIn()
{
    emit zoomIn();
}

void ViewerCommandWidget::slotZoomOut()
{
    emit zoomOut();
}

void ViewerCommandWidget::showContextMenu()
{
}

void ViewerCommandWidget::hideContextMenu()
{
}

void ViewerCommandWidget::showContextMenu(QPoint)
{
}

void ViewerCommandWidget::mousePressEvent(QMouseEvent* event)
{
    event->ignore();
}

void ViewerCommandWidget::keyPressEvent(QKeyEvent* event)
{
    event->accept();
}

bool ViewerCommandWidget::focusNextPrevChild(bool)
{
    return false;
}
