#pragma once

#include <QPointF>

class GraphicsImageViewer;
class QTimeLine;

// Where a GraphicsImageViewer looks. The position is the pair of scroll-bar
// values (the scene point at the viewport's top-left); after every move a
// picture narrower or lower than the viewport is centred along that axis,
// and a larger one never shows a gap at either edge. Also: smooth keyboard
// scrolling on two timelines, panning by whole pixels and by fractions
// (touch-pads), and the spot inside the picture that the view lock brings
// back for the next picture.
//
// Owned by the view; the timelines are children of the view and step it
// through its scrollToX/scrollToY slots. GUI thread only.
class ImageViewScroller
{
public:
    explicit ImageViewScroller(GraphicsImageViewer& view);

    // Scene point at the centre of the viewport.
    QPointF visibleCentre() const;
    // Puts a scene point in the middle of the viewport, to the nearest pixel.
    void centreViewOn(QPointF scenePos);
    // A picture smaller than the viewport along an axis is centred along it.
    void centerIfNecessary();
    // A picture larger than the viewport along an axis leaves no gap at its ends.
    void snapToEdges();
    // Both of the above, as every move ends.
    void keepInView();

    void stop();
    void scrollTo(int x, int y);
    void scrollBy(int dx, int dy);
    // Moves the picture by a fractional distance, as a touch-pad does (the
    // scroll position goes the other way); what is left below a whole pixel
    // is carried to the next call.
    void scrollCarrying(QPointF delta);
    // Only the signs count: one step per axis, extended by a press in the
    // direction already running.
    void scrollSmooth(int dx, int dy);
    // One frame of a smooth scroll, painted before it returns.
    void showFrameX(int x);
    void showFrameY(int y);

    // Under the view lock: remembers the viewport centre relative to the picture.
    void saveViewPos();
    void applySavedViewPos();

    int step() const { return m_step; }
    int duration() const { return m_duration; }

private:
    // Adds to both scroll-bar values.
    void moveBars(int dx, int dy);

    GraphicsImageViewer& m_view;
    QTimeLine* m_timelineX = nullptr;
    QTimeLine* m_timelineY = nullptr;
    int m_frameInterval = 7;
    int m_step = 220;
    double m_acceleration = 1.3;
    int m_duration = 150;
    // Viewport centre relative to the picture (0..1 each), kept under the view lock.
    double m_savedX = 0.0;
    double m_savedY = 0.0;
    // Fractional scrolling not yet turned into whole pixels.
    QPointF m_remainder;
};
