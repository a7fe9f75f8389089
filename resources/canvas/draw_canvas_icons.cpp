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
#include <QPolygonF>

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

// The panel icons are drawn on a 16-unit grid and saved at 1x and at 2x
// ("name@2x.png"), light on the dark panels.
using Drawing = void (*)(QPainter&);

void saveScaled(const QString& name, Drawing draw)
{
    for (int scale : {1, 2}) {
        QImage image(16 * scale, 16 * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        draw(painter);
        painter.end();
        image.save(scale == 1 ? name + QStringLiteral(".png") : name + QStringLiteral("@2x.png"));
    }
}

// The context menu's icons: the same drawings at 24 x 24 ("name24.png",
// "name24@2x.png"), the menu giving them more room than the panels.
void saveMenuIcon(const QString& name, Drawing draw)
{
    for (int scale : {1, 2}) {
        const int side = 24 * scale;
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(side / 16.0, side / 16.0);
        draw(painter);
        painter.end();
        image.save(name + (scale == 1 ? QStringLiteral("24.png") : QStringLiteral("24@2x.png")));
    }
}

const QColor kInk(0xe0, 0xe0, 0xe0);
const QColor kAccent(0x43, 0x9c, 0xf3);

// A stack of two sheets, the one that moves drawn in the accent colour;
// `top` says whether the moving sheet ends above, `all` whether it goes to
// the very end (a bar marks the end).
void drawOrder(QPainter& p, bool up, bool all)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x80, 0x80, 0x80));
    p.drawRoundedRect(QRectF(up ? 2 : 6, up ? 6 : 2, 8, 8), 1, 1);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(up ? 6 : 2, up ? 2 : 6, 8, 8), 1, 1);
    QPen pen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    const double tip = up ? 1.5 : 14.5;
    const double dir = up ? 1 : -1;
    // An arrow along the left or right edge.
    const double x = up ? 13.5 : 2.5;
    p.drawLine(QPointF(x, tip), QPointF(x, tip + dir * 9));
    p.drawLine(QPointF(x, tip), QPointF(x - 2, tip + dir * 2.5));
    p.drawLine(QPointF(x, tip), QPointF(x + 2, tip + dir * 2.5));
    if (all)
        p.drawLine(QPointF(x - 2.5, tip - dir * 0.5), QPointF(x + 2.5, tip - dir * 0.5));
}

void drawFront(QPainter& p) { drawOrder(p, true, true); }
void drawRaise(QPainter& p) { drawOrder(p, true, false); }
void drawLower(QPainter& p) { drawOrder(p, false, false); }
void drawBack(QPainter& p) { drawOrder(p, false, true); }

// A circular arrow turning back: undo the transformation.
void drawRestore(QPainter& p)
{
    QPen pen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3, 3, 10, 10), 100 * 16, 290 * 16);
    QPainterPath head;
    head.moveTo(6.5, 1.2);
    head.lineTo(6.8, 5.6);
    head.lineTo(2.6, 4.0);
    head.closeSubpath();
    p.setBrush(kInk);
    p.drawPath(head);
}

// Two halves mirrored across a dashed axis.
void drawFlip(QPainter& p, bool horizontal)
{
    if (!horizontal) {
        p.translate(16, 0);
        p.rotate(90);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    QPolygonF left({QPointF(1.5, 13), QPointF(6.5, 3), QPointF(6.5, 13)});
    p.drawPolygon(left);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 1.2));
    p.drawPolygon(QPolygonF({QPointF(14.5, 13), QPointF(9.5, 3), QPointF(9.5, 13)}));
    QPen axis(kAccent, 1.2, Qt::DashLine);
    p.setPen(axis);
    p.drawLine(QPointF(8, 1), QPointF(8, 15));
}

void drawFlipHorizontal(QPainter& p) { drawFlip(p, true); }
void drawFlipVertical(QPainter& p) { drawFlip(p, false); }

// A waste bin.
void drawDelete(QPainter& p)
{
    QPen pen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(2.5, 4), QPointF(13.5, 4));
    p.drawLine(QPointF(6, 4), QPointF(6.5, 2));
    p.drawLine(QPointF(6.5, 2), QPointF(9.5, 2));
    p.drawLine(QPointF(9.5, 2), QPointF(10, 4));
    QPainterPath bin;
    bin.moveTo(3.8, 4);
    bin.lineTo(4.8, 14.5);
    bin.lineTo(11.2, 14.5);
    bin.lineTo(12.2, 4);
    p.drawPath(bin);
    p.drawLine(QPointF(6.8, 6.5), QPointF(7, 12.5));
    p.drawLine(QPointF(9.2, 6.5), QPointF(9, 12.5));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    drawPerspective(QStringLiteral("action-perspective.png"));
    saveScaled(QStringLiteral("action-order-front"), drawFront);
    saveScaled(QStringLiteral("action-order-raise"), drawRaise);
    saveScaled(QStringLiteral("action-order-lower"), drawLower);
    saveScaled(QStringLiteral("action-order-back"), drawBack);
    saveScaled(QStringLiteral("restore"), drawRestore);
    saveScaled(QStringLiteral("action-flip-horizontal"), drawFlipHorizontal);
    saveScaled(QStringLiteral("action-flip-vertical"), drawFlipVertical);
    saveScaled(QStringLiteral("action-delete"), drawDelete);
    saveMenuIcon(QStringLiteral("action-order-front"), drawFront);
    saveMenuIcon(QStringLiteral("action-order-raise"), drawRaise);
    saveMenuIcon(QStringLiteral("action-order-lower"), drawLower);
    saveMenuIcon(QStringLiteral("action-order-back"), drawBack);
    saveMenuIcon(QStringLiteral("action-flip-horizontal"), drawFlipHorizontal);
    saveMenuIcon(QStringLiteral("action-flip-vertical"), drawFlipVertical);
    return 0;
}
