#pragma once

#include "canvas/Frame.h"
#include "canvas/FrameProp.h"

// A rectangle around the content, filled with a vertical two-colour
// gradient, reaching `margin` pixels out on each side. Also the base of the
// shaped frames, which keep their colours, alpha and margin here.
class StandardFrame : public Frame
{
public:
    // Light grey at alpha 200, margin 10.
    StandardFrame();
    explicit StandardFrame(const FrameProp& prop);
    ~StandardFrame() override;

    static FrameProp defaultProp();

    quint32 frameClass() const override;
    QRect frameRect(const QRect& contentsRect) const override;
    void drawFrame(QPainter* painter, const QRect& frameRect, bool selected, bool opaque) override;

    QColor topColor() const { return m_topColor; }
    QColor bottomColor() const { return m_bottomColor; }
    // Both colours become `color` with the frame's alpha.
    void setTopColor(const QColor& color);
    // Sets the colours' alphas only; the frame's alpha stays for the next
    // setTopColor().
    void setColorAlpha(int topAlpha, int bottomAlpha);
    int colorAlpha() const { return m_topColor.alpha(); }
    int alpha() const { return m_alpha; }
    int margin() const { return m_margin; }
    // The holder must ask frameRect() again.
    void setMargin(int margin) { m_margin = margin; }

protected:
    // Outline colour of a selected frame.
    QColor m_selectionColor;
    QColor m_topColor;
    QColor m_bottomColor;
    int m_alpha;
    int m_margin;
};
