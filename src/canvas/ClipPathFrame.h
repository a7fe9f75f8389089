#pragma once

#include "canvas/StandardFrame.h"

// A frame whose outline is a closed path that also clips the content: the
// heart, the ellipse and the star. The path is computed from the rectangle
// handed in; the frame's outline and its clip path are the same path. The
// path this class supplies itself is the heart, which HeartFrame keeps.
//
// drawFrame() fills the path with a slanted two-colour gradient. It changes
// the painter's pen (when selected) and brush and leaves them so: callers
// that need their state back save the painter themselves.
class ClipPathFrame : public StandardFrame
{
public:
    ClipPathFrame();
    explicit ClipPathFrame(const FrameProp& prop);
    ~ClipPathFrame() override;

    quint32 frameClass() const override = 0;
    bool clipContents() const override;
    QPainterPath contentsClipPath(const QRect& contentsRect) const override;
    bool isShaped() const override;
    QPainterPath frameShape(const QRect& frameRect) const override;
    // Unselected, the outline is drawn with the painter's current pen.
    void drawFrame(QPainter* painter, const QRect& frameRect, bool selected, bool opaque) override;

    // The heart inside `rect`: two lobes whose outer points lie a third of
    // the way down, the tip at the middle of the bottom edge.
    static QPainterPath heartPath(const QRect& rect);
};
