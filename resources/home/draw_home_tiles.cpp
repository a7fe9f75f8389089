// Draws the two pictures of the home screen's tiles, 400 x 400 each (shown
// at 200 x 200, so they stay sharp on screens of density 2):
//
//   home-zorivuv.png   a sunset rebuilt from small square tiles
//   home-collage.png   three photo prints laid over each other
//
// Built by the target draw_home_tiles (not part of the default build):
//
//   cmake --build <build> --target draw_home_tiles
//   QT_QPA_PLATFORM=offscreen <build>/src/home/draw_home_tiles resources/home
//
// The output depends only on this file and the DejaVu Sans font.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int tileSize = 400;

QColor mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
        float(a.greenF() + (b.greenF() - a.greenF()) * t), float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// A small repeatable hash in [-1, 1], so every run draws the same tiles.
double jitter(int x, int y)
{
    unsigned h = unsigned(x) * 73856093u ^ unsigned(y) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h % 2001) / 1000.0 - 1.0;
}

// The plate every tile sits on, and its caption.
void drawPlate(QPainter& p, const QString& caption)
{
    const QRectF plate(6, 6, tileSize - 12, tileSize - 12);
    QLinearGradient fill(0, plate.top(), 0, plate.bottom());
    fill.setColorAt(0.0, QColor(0x45, 0x4c, 0x5a));
    fill.setColorAt(1.0, QColor(0x2c, 0x31, 0x3b));
    p.setPen(QPen(QColor(255, 255, 255, 40), 2.0));
    p.setBrush(fill);
    p.drawRoundedRect(plate, 30, 30);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(38);
    font.setWeight(QFont::DemiBold);
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    p.setFont(font);
    p.setPen(QColor(0xf2, 0xf2, 0xf2));
    p.drawText(QRectF(0, 306, tileSize, 64), Qt::AlignCenter, caption);
}

// The sunset the mosaic is made from, at a point of the unit square.
QColor sunset(double x, double y)
{
    const double horizon = 0.6;
    const QColor skyTop(0x3c, 0x2f, 0x7a);
    const QColor skyLow(0xff, 0x8c, 0x42);
    const QColor sun(0xff, 0xe6, 0x8f);
    const double sunX = 0.5, sunY = 0.5, sunR = 0.17;

    if (y < horizon) {
        // Low hills at both sides, in front of the sun.
        const double hill = horizon - 0.16 * std::max(0.0, std::abs(x - 0.5) * 2.0 - 0.35) / 0.65;
        if (y > hill)
            return QColor(0x2a, 0x1f, 0x48);
        const double d = std::hypot(x - sunX, y - sunY);
        if (d < sunR)
            return sun;
        const QColor sky = mix(skyTop, skyLow, std::pow(y / horizon, 1.3));
        return mix(sky, sun, std::max(0.0, 1.0 - (d - sunR) / 0.18) * 0.45);
    }
    // Water, darker than the sky, with the sun's reflection in it.
    QColor water = mix(QColor(0x6a, 0x3f, 0x78), QColor(0x1d, 0x1c, 0x3c), (y - horizon) / (1.0 - horizon));
    const double t = (y - horizon) / (1.0 - horizon);
    const double width = sunR * 0.9 * (1.0 - t);
    if (std::abs(x - sunX) < width)
        water = mix(water, sun, 0.6 * (1.0 - t));
    return water;
}

QImage drawZorivuv()
{
    QImage image(tileSize, tileSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawPlate(p, QStringLiteral("Zorivuv"));

    const int columns = 16, rows = 13, cell = 14, gap = 2;
    const int gridW = columns * (cell + gap) - gap;
    const int gridH = rows * (cell + gap) - gap;
    const int left = (tileSize - gridW) / 2;
    const int top = 56;
    p.setPen(Qt::NoPen);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const double x = (c + 0.5) / columns;
            const double y = (r + 0.5) / rows;
            QColor colour = sunset(x, y);
            // Each tile is a photo of its own: its tone wanders a little.
            colour = colour.lighter(100 + int(9 * jitter(c, r)));
            QLinearGradient shade(0, top + r * (cell + gap), 0, top + r * (cell + gap) + cell);
            shade.setColorAt(0.0, colour.lighter(112));
            shade.setColorAt(1.0, colour.darker(108));
            p.setBrush(shade);
            p.drawRoundedRect(QRectF(left + c * (cell + gap), top + r * (cell + gap), cell, cell), 2.5, 2.5);
        }
    }
    return image;
}

// One print: a white border around a small scene that `paint` draws.
template <typename Paint>
void drawPrint(QPainter& p, QPointF centre, double angle, Paint paint)
{
    const QRectF print(-78, -62, 156, 124);
    const QRectF photo = print.adjusted(8, 8, -8, -8);
    p.save();
    p.translate(centre);
    p.rotate(angle);
    // Soft shadow below the print.
    for (int i = 6; i >= 1; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 14));
        p.drawRoundedRect(print.translated(2, 4).adjusted(-i, -i, i, i), 4 + i, 4 + i);
    }
    p.setBrush(QColor(0xf6, 0xf4, 0xef));
    p.drawRoundedRect(print, 4, 4);
    p.setClipRect(photo);
    paint(p, photo);
    p.restore();
}

QImage drawCollage()
{
    QImage image(tileSize, tileSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawPlate(p, QStringLiteral("Collage"));

    // Hills under a blue sky.
    drawPrint(p, QPointF(140, 128), -11, [](QPainter& q, const QRectF& r) {
        QLinearGradient sky(0, r.top(), 0, r.bottom());
        sky.setColorAt(0.0, QColor(0x5f, 0xa8, 0xe8));
        sky.setColorAt(1.0, QColor(0xc4, 0xe4, 0xfa));
        q.fillRect(r, sky);
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(0xff, 0xff, 0xff, 220));
        q.drawEllipse(QPointF(r.left() + 34, r.top() + 22), 16, 9);
        q.drawEllipse(QPointF(r.left() + 50, r.top() + 20), 13, 10);
        QPainterPath hills;
        hills.moveTo(r.left(), r.bottom());
        hills.lineTo(r.left(), r.top() + 70);
        hills.cubicTo(r.left() + 40, r.top() + 48, r.left() + 80, r.top() + 80, r.right(), r.top() + 58);
        hills.lineTo(r.right(), r.bottom());
        q.setBrush(QColor(0x4c, 0xa6, 0x5a));
        q.drawPath(hills);
        QPainterPath front;
        front.moveTo(r.left(), r.bottom());
        front.lineTo(r.left(), r.top() + 92);
        front.cubicTo(r.left() + 60, r.top() + 72, r.left() + 100, r.top() + 100, r.right(), r.top() + 86);
        front.lineTo(r.right(), r.bottom());
        q.setBrush(QColor(0x2f, 0x7d, 0x46));
        q.drawPath(front);
    });

    // Sun over the sea.
    drawPrint(p, QPointF(262, 150), 9, [](QPainter& q, const QRectF& r) {
        QLinearGradient sky(0, r.top(), 0, r.top() + r.height() * 0.6);
        sky.setColorAt(0.0, QColor(0xe8, 0x5d, 0x75));
        sky.setColorAt(1.0, QColor(0xff, 0xc0, 0x6b));
        q.fillRect(r, sky);
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(0xff, 0xee, 0xb0));
        q.drawEllipse(QPointF(r.center().x(), r.top() + r.height() * 0.6), 22, 22);
        const QRectF sea(r.left(), r.top() + r.height() * 0.6, r.width(), r.height() * 0.4);
        QLinearGradient water(0, sea.top(), 0, sea.bottom());
        water.setColorAt(0.0, QColor(0x2e, 0x5e, 0x9c));
        water.setColorAt(1.0, QColor(0x1b, 0x33, 0x63));
        q.fillRect(sea, water);
        q.setBrush(QColor(0xff, 0xdf, 0x9a, 170));
        for (int i = 0; i < 4; ++i) {
            const double w = 30 - i * 6;
            q.drawRoundedRect(QRectF(r.center().x() - w / 2, sea.top() + 5 + i * 9, w, 3), 1.5, 1.5);
        }
    });

    // Flowers.
    drawPrint(p, QPointF(200, 222), -3, [](QPainter& q, const QRectF& r) {
        QRadialGradient ground(r.center(), r.width() * 0.7);
        ground.setColorAt(0.0, QColor(0x3f, 0x9b, 0x8f));
        ground.setColorAt(1.0, QColor(0x1f, 0x5a, 0x5a));
        q.fillRect(r, ground);
        q.setPen(Qt::NoPen);
        const struct {
            double x, y, size;
            QColor colour;
        } flowers[] = {
            {0.25, 0.40, 15, QColor(0xff, 0xd1, 0x4a)},
            {0.55, 0.58, 19, QColor(0xff, 0x7b, 0x9c)},
            {0.80, 0.34, 13, QColor(0xff, 0xff, 0xff)},
            {0.38, 0.80, 11, QColor(0xb4, 0x8c, 0xff)},
        };
        for (const auto& flower : flowers) {
            const QPointF c(r.left() + flower.x * r.width(), r.top() + flower.y * r.height());
            q.setBrush(flower.colour);
            for (int i = 0; i < 6; ++i) {
                const double a = i * M_PI / 3;
                q.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * flower.size * 0.55, flower.size * 0.42,
                    flower.size * 0.42);
            }
            q.setBrush(QColor(0xff, 0xa6, 0x2b));
            q.drawEllipse(c, flower.size * 0.3, flower.size * 0.3);
        }
    });
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const bool ok = drawZorivuv().save(out.filePath(QStringLiteral("home-zorivuv.png")))
        && drawCollage().save(out.filePath(QStringLiteral("home-collage.png")));
    if (!ok)
        std::fprintf(stderr, "draw_home_tiles: cannot write into %s\n", qPrintable(out.absolutePath()));
    return ok ? 0 : 1;
}
