// Draws the mask shapes of the montage result, opaque inside and
// transparent outside; a mask is stretched over the whole mosaic:
//
//   mask_1.png            the whole picture (opaque everywhere): a target
//                         without transparency keeps every cell
//   mask_2.png .. mask_8  ellipse, heart, five-pointed star, rounded
//                         square, diamond, hexagon, cloud
//   mask_N_small.png      30 x 30 menu icons of the shapes 2 to 8
//
// Built by the target draw_zorivuv_masks (not part of the default build):
//
//   cmake --build <build> --target draw_zorivuv_masks
//   QT_QPA_PLATFORM=offscreen <build>/src/montage/draw_zorivuv_masks resources/montage/mask
//
// The output depends only on this file.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>

namespace {

// Each shape fills the unit square [0, 1] x [0, 1].
QPainterPath shape(int id)
{
    QPainterPath path;
    switch (id) {
    case 2:
        path.addEllipse(QRectF(0.02, 0.02, 0.96, 0.96));
        break;
    case 3: {
        path.moveTo(0.5, 0.95);
        path.cubicTo(0.1, 0.65, 0.0, 0.45, 0.03, 0.3);
        path.cubicTo(0.07, 0.08, 0.4, 0.02, 0.5, 0.25);
        path.cubicTo(0.6, 0.02, 0.93, 0.08, 0.97, 0.3);
        path.cubicTo(1.0, 0.45, 0.9, 0.65, 0.5, 0.95);
        break;
    }
    case 4:
        for (int i = 0; i < 10; ++i) {
            const double radius = i % 2 == 0 ? 0.49 : 0.2;
            const double angle = -M_PI / 2 + i * M_PI / 5;
            const QPointF point(0.5 + radius * std::cos(angle), 0.53 + radius * std::sin(angle));
            if (i == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        path.closeSubpath();
        break;
    case 5:
        path.addRoundedRect(QRectF(0.04, 0.04, 0.92, 0.92), 0.18, 0.18);
        break;
    case 6:
        path.moveTo(0.5, 0.02);
        path.lineTo(0.98, 0.5);
        path.lineTo(0.5, 0.98);
        path.lineTo(0.02, 0.5);
        path.closeSubpath();
        break;
    case 7:
        for (int i = 0; i < 6; ++i) {
            const double angle = i * M_PI / 3;
            const QPointF point(0.5 + 0.48 * std::cos(angle), 0.5 + 0.48 * std::sin(angle));
            if (i == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        path.closeSubpath();
        break;
    case 8:
        path.setFillRule(Qt::WindingFill);
        path.addEllipse(QRectF(0.02, 0.4, 0.4, 0.4));
        path.addEllipse(QRectF(0.22, 0.15, 0.5, 0.5));
        path.addEllipse(QRectF(0.55, 0.3, 0.43, 0.43));
        path.addRect(QRectF(0.22, 0.55, 0.56, 0.25));
        break;
    default:
        path.addRect(QRectF(0, 0, 1, 1));
        break;
    }
    return path;
}

QImage draw(int id, int size, const QColor& color, bool smooth)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    painter.scale(size, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(shape(id));
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_zorivuv_masks <folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path()))
        return 1;
    for (int id = 1; id <= 8; ++id) {
        // Hard edges: the mask becomes one bit per pixel.
        const QImage mask = draw(id, 512, Qt::black, false);
        if (!mask.save(out.filePath(QStringLiteral("mask_%1.png").arg(id))))
            return 1;
        if (id == 1)
            continue;
        const QImage icon = draw(id, 30, QColor(0xd8, 0xd8, 0xd8), true);
        if (!icon.save(out.filePath(QStringLiteral("mask_%1_small.png").arg(id))))
            return 1;
    }
    return 0;
}
