#include "canvas/PentacleFrame.h"

#include <cmath>

PentacleFrame::PentacleFrame()
    : ClipPathFrame(defaultProp())
{
}

PentacleFrame::PentacleFrame(const FrameProp& prop)
    : ClipPathFrame(prop)
{
}

PentacleFrame::~PentacleFrame() = default;

quint32 PentacleFrame::frameClass() const
{
    return 6;
}

QPainterPath PentacleFrame::contentsClipPath(const QRect& contentsRect) const
{
    QPainterPath path;
    path.addPolygon(QPolygonF(starPolygon(contentsRect)));
    return path;
}

FrameProp PentacleFrame::defaultProp()
{
    return FrameProp {QColor(240, 240, 0, 200), QColor(240, 240, 0, 200), 200, 10};
}

QPolygon PentacleFrame::starPolygon(const QRect& rect)
{
    const int cx = (rect.left() + rect.right()) / 2;
    const int cy = (rect.top() + rect.bottom()) / 2;
    const int outerX = rect.width() / 2;
    const int outerY = rect.height() / 2;
    const int innerX = rect.width() / 4;
    const int innerY = rect.height() / 4;

    // Through single precision before truncating, so that a value a rounding
    // error below a whole number (cos of -90 degrees is not quite 0) still
    // lands on that number.
    auto point = [&](double angle, int rx, int ry) {
        const float x = float(std::cos(angle) * rx + cx);
        const float y = float(std::sin(angle) * ry + cy);
        return QPoint(int(x), int(y));
    };

    const double step = 2.0 * M_PI / 5.0;
    QPolygon polygon;
    for (int i = 0; i < 5; ++i) {
        polygon << point(-M_PI / 2 + i * step, outerX, outerY);
        polygon << point(-0.3 * M_PI + i * step, innerX, innerY);
    }
    polygon << polygon.at(0) << polygon.at(1);
    return polygon;
}
