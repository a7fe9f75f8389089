#pragma once

#include "canvas/StandardFrame.h"

// A rectangle with corners rounded by 9 pixels whatever its size (class 4),
// light grey at alpha 200, margin 10. The rounded outline also clips the
// content.
//
// drawFrame() clears the pen (or sets the selection pen) and sets the brush,
// and leaves them so.
class RoundRectangleFrame : public StandardFrame
{
public:
    static constexpr double cornerRadius = 9.0;

    RoundRectangleFrame();
    explicit RoundRectangleFrame(const FrameProp& prop);
    ~RoundRectangleFrame() override;

    quint32 frameClass() const override;
    bool clipContents() const override;
    QPainterPath contentsClipPath(const QRect& contentsRect) const override;
    bool isShaped() const override;
    QPainterPath frameShape(const QRect& frameRect) const override;
    // Draws nothing for a rectangle of no height.
    void drawFrame(QPainter* painter, const QRect& frameRect, bool selected, bool opaque) override;
    static FrameProp defaultProp();

private:
    static QPainterPath roundedPath(const QRect& rect);
};
