#pragma once

#include "canvas/ClipPathFrame.h"

#include <QPolygon>

// A five-pointed star (class 6), yellow at alpha 200, margin 10. The star
// touches the middle of the top edge with its first point; its inner points
// lie on an ellipse of half the outer radii.
class PentacleFrame : public ClipPathFrame
{
public:
    PentacleFrame();
    explicit PentacleFrame(const FrameProp& prop);
    ~PentacleFrame() override;

    quint32 frameClass() const override;
    QPainterPath contentsClipPath(const QRect& contentsRect) const override;
    static FrameProp defaultProp();

    // The star's twelve corners in whole pixels: outer, inner, outer, ...
    // clockwise from the top, then the first outer and inner point again.
    // The centre and the radii are halved with integer division, so the top
    // point may lie a pixel above the rectangle.
    static QPolygon starPolygon(const QRect& rect);
};
