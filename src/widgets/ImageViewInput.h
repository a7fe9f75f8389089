#pragma once

#include <QElapsedTimer>
#include <QPoint>

class GraphicsImageViewer;
class QGestureEvent;
class QMouseEvent;
class QNativeGestureEvent;
class QWheelEvent;

// What mouse, wheel, touch-pad and gestures do to a GraphicsImageViewer: a
// left drag pans a picture larger than the viewport or, on one that fits,
// signals a drag-out; a right drag zooms about the pressed point; the wheel
// zooms at the cursor one step per whole notch; touch-pads scroll; pinches
// zoom. Acts only while the view shows a picture and its interaction is on.
// Owned by the view, GUI thread only.
class ImageViewInput
{
public:
    explicit ImageViewInput(GraphicsImageViewer& view);

    void mousePress(QMouseEvent* event);
    void mouseMove(QMouseEvent* event);
    void mouseRelease(QMouseEvent* event);
    void wheel(QWheelEvent* event);
    // Touch-screen pinch; false when the event holds none for this view.
    bool pinch(QGestureEvent* event);
    // Touch-pad pinch, double tap and swipe as Qt reports them on Linux.
    bool nativeGesture(QNativeGestureEvent* event);
    // One magnification: a zoom step at the cursor in its direction.
    bool magnify(float delta);
    // A double tap: between fit-window and natural size.
    bool smartMagnify();

    // Where a zoom drag measures its threshold from.
    void setPressPos(QPoint pos) { m_pressPos = pos; }
    // A right-button zoom drag on a large viewport draws with fast transformation.
    bool fastWhileDragging() const { return m_fastWhileDragging; }

private:
    enum MouseState { Idle = 0, DragOutPending = 1, Panning = 3, ZoomDragging = 4, WheelZooming = 5 };

    void dragLeft(QPoint pos);
    void dragRight(QPoint pos);
    bool scrollTouchPad(QWheelEvent* event);

    GraphicsImageViewer& m_view;
    int m_state = Idle;
    QPoint m_dragPos;
    QPoint m_pressPos;
    bool m_draggedOut = false; // a drag-out was signalled for this press
    bool m_fastWhileDragging = false;
    int m_zoomDragThreshold = 4;
    int m_dragOutDistance = 10;
    int m_largeViewportArea = 1920 * 1080;
    double m_touchPadFactor = 0.7;
    QElapsedTimer m_touchPadTimer;
    // Wheel angle not yet turned into zoom steps (eighths of a degree).
    int m_wheelRemainder = 0;
    // Pinch magnification not yet turned into zoom steps.
    double m_magnifyRemainder = 0.0;
};
