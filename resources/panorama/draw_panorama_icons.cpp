// Draws the icons of the panorama style buttons, 48 x 48 each (the buttons
// show them at 24 x 24, so they stay sharp on screens of density 2):
//
//   ico_Stitch_H.png     "Horizontal": three overlapping photos in a row
//   ico_Stitch_V.png     "Vertical": three overlapping photos in a column
//   ico_Stitch_360.png   "360": a ring of photos with an arrow round it
//   ico_Stitch_Tile.png  "Tile": four photos in a two-by-two grid
//
// Built by the target draw_panorama_icons (not part of the default build):
//
//   cmake --build <build> --target draw_panorama_icons
//   QT_QPA_PLATFORM=offscreen <build>/src/panorama/draw_panorama_icons resources/panorama
//
// The output depends only on this file.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace {

const QColor ink(0xd8, 0xd8, 0xd8);
const QColor accent(0x43, 0x9c, 0xf3);
const QColor fill(0x43, 0x9c, 0xf3, 0x50);

QPen pen(const QColor& color, qreal width)
{
    QPen p(color, width);
    p.setJoinStyle(Qt::RoundJoin);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

// One photo: a tinted frame with a small hill, so overlaps show.
void photo(QPainter& p, const QRectF& frame)
{
    p.setPen(pen(ink, 2.0));
    p.setBrush(fill);
    p.drawRoundedRect(frame, 2, 2);
    QPainterPath hill;
    hill.moveTo(frame.left() + 2, frame.bottom() - 2);
    hill.lineTo(frame.left() + frame.width() * 0.45, frame.top() + frame.height() * 0.45);
    hill.lineTo(frame.right() - 2, frame.bottom() - 2);
    p.setPen(pen(accent, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hill);
}

void horizontal(QPainter& p)
{
    for (int i = 0; i < 3; ++i)
        photo(p, QRectF(3 + i * 13, 14, 16, 20));
}

void vertical(QPainter& p)
{
    for (int i = 0; i < 3; ++i)
        photo(p, QRectF(14, 3 + i * 13, 20, 16));
}

void full360(QPainter& p)
{
    // The far side of the ring, then the near side over it.
    p.setPen(pen(ink, 2.0));
    p.setBrush(fill);
    p.drawEllipse(QRectF(6, 10, 36, 14));
    QPainterPath band;
    band.moveTo(6, 17);
    band.lineTo(6, 29);
    band.arcTo(QRectF(6, 22, 36, 14), 180, 180);
    band.lineTo(42, 17);
    band.arcTo(QRectF(6, 10, 36, 14), 0, -180);
    band.closeSubpath();
    p.drawPath(band);
    for (const qreal x : {15.0, 24.0, 33.0})
        p.drawLine(QPointF(x, 23.5), QPointF(x, 35.5));
    // The arrow round it.
    p.setPen(pen(accent, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3, 5, 42, 40), 20 * 16, 140 * 16);
    p.setBrush(accent);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF {QPointF(42, 6), QPointF(44.5, 14), QPointF(37, 12)});
}

void tile(QPainter& p)
{
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column)
            photo(p, QRectF(5 + column * 19, 7 + row * 16, 20, 17));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_panorama_icons <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const std::pair<const char*, std::function<void(QPainter&)>> icons[] = {
        {"ico_Stitch_H.png", horizontal},
        {"ico_Stitch_V.png", vertical},
        {"ico_Stitch_360.png", full360},
        {"ico_Stitch_Tile.png", tile},
    };
    for (const auto& [name, draw] : icons) {
        QImage image(48, 48, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            draw(painter);
        }
        const QString path = out.filePath(QLatin1String(name));
        if (!image.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
