// Draws the icons of the canvas's handles into the current folder.
// Build and run once by hand when an icon changes:
//   g++ -std=c++17 -fPIC draw_canvas_icons.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/draw_canvas_icons
//   cd data && QT_QPA_PLATFORM=offscreen /tmp/draw_canvas_icons
// The PNG files in the repository are the reference.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace {

// The perspective handle: a plane seen at a slant (a trapezoid, nearer edge
// on the right) with stripes running to its far side, light on the handle's
// blue disc. Drawn
// at 32 x 32; the handle shows it at 16 x 16.
void drawPerspective(const QString& file)
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF farTop(8, 10);
    const QPointF nearTop(25, 4);
    const QPointF nearBottom(25, 28);
    const QPointF farBottom(8, 22);
    QPainterPath plane;
    plane.moveTo(farTop);
    plane.lineTo(nearTop);
    plane.lineTo(nearBottom);
    plane.lineTo(farBottom);
    plane.closeSubpath();
    painter.fillPath(plane, QColor(255, 255, 255, 70));
    QPen pen(QColor(0xf4, 0xf4, 0xf4), 2.5);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.drawPath(plane);
    pen.setWidthF(1.5);
    painter.setPen(pen);
    // Stripes converging towards the far edge.
    painter.drawLine(QPointF(25, 12), QPointF(8, 14));
    painter.drawLine(QPointF(25, 20), QPointF(8, 18));
    painter.end();
    image.save(file);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    drawPerspective(QStringLiteral("action-perspective.png"));
    return 0;
}
