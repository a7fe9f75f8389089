#pragma once

#include "canvas/StandardFrame.h"

// The frame of the home screen's tiles: a dark rounded plate (34, 34, 34 at
// alpha 200, corner radius 3) reaching 10 pixels around the tile. It shows
// no selection. Its class id is that of the rounded rectangle (4), not its
// own factory id 7.
class HomeFrame : public StandardFrame
{
public:
    HomeFrame();
    explicit HomeFrame(const FrameProp& prop);
    ~HomeFrame() override;

    static FrameProp defaultProp();

    quint32 frameClass() const override;
    void drawFrame(QPainter* painter, const QRect& frameRect, bool selected, bool opaque) override;
};
