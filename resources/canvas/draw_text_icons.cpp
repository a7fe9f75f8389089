// Draws the text icons of the text item's context menu and curve panel into
// the current folder (its stacking icons are the picture menu's, drawn by
// draw_canvas_icons.cpp). Build and run once by hand when an icon changes:
//   g++ -std=c++17 -fPIC draw_text_icons.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/draw_text_icons
//   cd data && QT_QPA_PLATFORM=offscreen /tmp/draw_text_icons
// The PNG files in the repository are the reference. All are drawn on a
// 24-unit grid, light on the dark menus and panels.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace {

const QColor ink(0xf0, 0xf0, 0xf0);
const QColor accent(0x43, 0x9c, 0xf3);

using Drawing = void (*)(QPainter&);

void save(const QString& file, Drawing draw)
{
    QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    image.save(file);
}

// A serif capital T.
void letterT(QPainter& p, const QRectF& box)
{
    QPainterPath t;
    const double w = box.width();
    const double h = box.height();
    const double stem = w * 0.18;
    t.moveTo(box.left(), box.top());
    t.lineTo(box.right(), box.top());
    t.lineTo(box.right(), box.top() + h * 0.28);
    t.lineTo(box.right() - w * 0.08, box.top() + h * 0.16);
    t.lineTo(box.center().x() + stem / 2, box.top() + h * 0.16);
    t.lineTo(box.center().x() + stem / 2, box.bottom() - h * 0.08);
    t.lineTo(box.center().x() + stem * 1.3, box.bottom());
    t.lineTo(box.center().x() - stem * 1.3, box.bottom());
    t.lineTo(box.center().x() - stem / 2, box.bottom() - h * 0.08);
    t.lineTo(box.center().x() - stem / 2, box.top() + h * 0.16);
    t.lineTo(box.left() + w * 0.08, box.top() + h * 0.16);
    t.lineTo(box.left(), box.top() + h * 0.28);
    t.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(t);
}

void text(QPainter& p)
{
    letterT(p, QRectF(4, 3, 16, 18));
}

// The curve with its two anchors, as the curve editor shows it.
void curve(QPainter& p)
{
    QPainterPath path(QPointF(3, 18));
    path.cubicTo(QPointF(8, 2), QPointF(16, 2), QPointF(21, 18));
    p.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(QPen(ink, 1.0));
    p.setBrush(accent);
    p.drawEllipse(QPointF(3, 18), 2.5, 2.5);
    p.drawEllipse(QPointF(21, 18), 2.5, 2.5);
}

void textShape(QPainter& p)
{
    curve(p);
    letterT(p, QRectF(8.5, 11, 7, 8));
}

void textShapeClose(QPainter& p)
{
    curve(p);
    p.setPen(QPen(QColor(0xe8, 0x5a, 0x5a), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8.5, 10), QPointF(15.5, 17));
    p.drawLine(QPointF(15.5, 10), QPointF(8.5, 17));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    save(QStringLiteral("action-text.png"), text);
    save(QStringLiteral("action-text-shape.png"), textShape);
    save(QStringLiteral("action-text-shape_close.png"), textShapeClose);
    return 0;
}
