// Draws the icons of the collage editor's bars, 32 x 32 each (buttons show
// them at 16 x 16, so they stay sharp on screens of density 2):
//
//   step-backward.png     "Back": a bar and a triangle pointing left
//   action-open.png       "Open Project": an open folder
//   save-project.png      "Save Project": a floppy disk
//   save-image.png        "Export": a landscape picture with an arrow out
//   printer.png           "Print": a printer with a sheet
//   insert-image.png      "Stickers": a landscape picture with a plus
//   insert-text.png       "Text": a capital T with a plus
//   add-new.png           background picture: a plus in a circle
//   remove-new.png        background picture: a minus in a circle
//   icon_fit_in.png       zoom: four corners pointing inwards
//   icon-actual_size.png  zoom: "1:1"
//   actual-size.png       canvas size: a frame with width and height marks
//   file-add.png          montage "Select Background", "Add Tiles": a sheet with a plus
//   file-remove.png       montage "Remove Tiles": a sheet with a minus
//   file-removeD.png      the same, greyed, for the disabled button
//   icon_loading.png      tile list, thumbnail not made yet: an hourglass
//   icon_loading_error.png tile list, unreadable photo: a broken picture
//
// Built by the target draw_collage_icons (not part of the default build):
//
//   cmake --build <build> --target draw_collage_icons
//   QT_QPA_PLATFORM=offscreen <build>/src/collage/draw_collage_icons resources/collage
//
// The output depends only on this file and the DejaVu Sans font.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace {

const QColor ink(0xd8, 0xd8, 0xd8);
const QColor accent(0x43, 0x9c, 0xf3);

QPen pen(const QColor& color, qreal width)
{
    QPen p(color, width);
    p.setJoinStyle(Qt::RoundJoin);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

// A small landscape: frame, sun and two hills.
void landscape(QPainter& p, const QRectF& frame)
{
    p.setPen(pen(ink, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(frame.left() + frame.width() * 0.3, frame.top() + frame.height() * 0.3), 2.5, 2.5);
    QPainterPath hills;
    hills.moveTo(frame.left() + 2, frame.bottom() - 2);
    hills.lineTo(frame.left() + frame.width() * 0.4, frame.top() + frame.height() * 0.5);
    hills.lineTo(frame.left() + frame.width() * 0.6, frame.top() + frame.height() * 0.7);
    hills.lineTo(frame.left() + frame.width() * 0.75, frame.top() + frame.height() * 0.55);
    hills.lineTo(frame.right() - 2, frame.bottom() - 2);
    hills.closeSubpath();
    p.drawPath(hills);
}

void plusBadge(QPainter& p, const QPointF& centre)
{
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawEllipse(centre, 7, 7);
    p.setPen(pen(Qt::white, 2.2));
    p.drawLine(centre + QPointF(-3.5, 0), centre + QPointF(3.5, 0));
    p.drawLine(centre + QPointF(0, -3.5), centre + QPointF(0, 3.5));
}

void stepBackward(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(6, 7, 4, 18), 1, 1);
    QPolygonF triangle {QPointF(26, 7), QPointF(26, 25), QPointF(11, 16)};
    p.drawPolygon(triangle);
}

void openFolder(QPainter& p)
{
    p.setPen(pen(ink, 2.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath back;
    back.moveTo(4, 25);
    back.lineTo(4, 7);
    back.lineTo(12, 7);
    back.lineTo(15, 10);
    back.lineTo(25, 10);
    back.lineTo(25, 14);
    p.drawPath(back);
    p.setBrush(ink);
    QPolygonF front {QPointF(4, 25), QPointF(9, 14), QPointF(29, 14), QPointF(24, 25)};
    p.drawPolygon(front);
}

void floppy(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    QPainterPath body;
    body.moveTo(5, 5);
    body.lineTo(23, 5);
    body.lineTo(27, 9);
    body.lineTo(27, 27);
    body.lineTo(5, 27);
    body.closeSubpath();
    p.drawPath(body);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.drawRect(QRectF(10, 5, 11, 7));
    p.drawRoundedRect(QRectF(9, 17, 14, 8), 1, 1);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawRect(QRectF(17, 6, 3, 5));
}

void saveImage(QPainter& p)
{
    landscape(p, QRectF(3, 5, 21, 18));
    p.setPen(pen(accent, 2.6));
    p.drawLine(QPointF(18, 27), QPointF(28, 27));
    p.drawLine(QPointF(28, 27), QPointF(28, 17));
    p.drawLine(QPointF(28, 27), QPointF(20, 19));
}

void printer(QPainter& p)
{
    p.setPen(pen(ink, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(9, 4, 14, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 19, 14, 10));
    p.setPen(pen(QColor(0x80, 0x80, 0x80), 1.2));
    p.drawLine(QPointF(11, 23), QPointF(21, 23));
    p.drawLine(QPointF(11, 26), QPointF(19, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawEllipse(QPointF(25, 15.5), 1.5, 1.5);
}

void insertImage(QPainter& p)
{
    landscape(p, QRectF(3, 5, 21, 18));
    plusBadge(p, QPointF(24, 24));
}

void insertText(QPainter& p)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(24);
    font.setBold(true);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(0, 1, 24, 26), Qt::AlignCenter, QStringLiteral("T"));
    plusBadge(p, QPointF(24, 24));
}

void circleSign(QPainter& p, bool plus)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    p.setPen(pen(QColor(0x22, 0x22, 0x22), 3.5));
    p.drawLine(QPointF(9, 16), QPointF(23, 16));
    if (plus)
        p.drawLine(QPointF(16, 9), QPointF(16, 23));
}

void fitIn(QPainter& p)
{
    p.setPen(pen(ink, 2.6));
    p.setBrush(Qt::NoBrush);
    // Each corner: an L at the middle with a diagonal from the outer corner.
    const QPointF corners[] = {{4, 4}, {28, 4}, {28, 28}, {4, 28}};
    for (const QPointF& c : corners) {
        const QPointF inward((16 - c.x()) > 0 ? 1 : -1, (16 - c.y()) > 0 ? 1 : -1);
        const QPointF tip = c + inward * 9;
        p.drawLine(c, tip);
        p.drawLine(tip, tip - QPointF(inward.x() * 5, 0));
        p.drawLine(tip, tip - QPointF(0, inward.y() * 5));
    }
}

void actualSizeText(QPainter& p)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(ink);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2, 6, 28, 20), 3, 3);
    p.drawText(QRectF(2, 6, 28, 20), Qt::AlignCenter, QStringLiteral("1:1"));
}

void canvasSize(QPainter& p)
{
    p.setPen(pen(ink, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(9, 9, 19, 19));
    p.setPen(pen(accent, 1.8));
    p.drawLine(QPointF(9, 4), QPointF(28, 4));
    p.drawLine(QPointF(9, 2), QPointF(9, 6));
    p.drawLine(QPointF(28, 2), QPointF(28, 6));
    p.drawLine(QPointF(4, 9), QPointF(4, 28));
    p.drawLine(QPointF(2, 9), QPointF(6, 9));
    p.drawLine(QPointF(2, 28), QPointF(6, 28));
}

// A sheet with a folded corner, and a round badge with a plus or a minus.
void fileSign(QPainter& p, bool plus, const QColor& sheet, const QColor& badge)
{
    p.setPen(pen(sheet, 2.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath outline;
    outline.moveTo(5, 3);
    outline.lineTo(17, 3);
    outline.lineTo(24, 10);
    outline.lineTo(24, 16);
    outline.moveTo(14, 29);
    outline.lineTo(5, 29);
    outline.lineTo(5, 3);
    p.drawPath(outline);
    p.drawPolyline(QPolygonF {QPointF(17, 3), QPointF(17, 10), QPointF(24, 10)});
    const QPointF centre(23, 23);
    p.setPen(Qt::NoPen);
    p.setBrush(badge);
    p.drawEllipse(centre, 7.5, 7.5);
    p.setPen(pen(Qt::white, 2.2));
    p.drawLine(centre + QPointF(-4, 0), centre + QPointF(4, 0));
    if (plus)
        p.drawLine(centre + QPointF(0, -4), centre + QPointF(0, 4));
}

void hourglass(QPainter& p)
{
    p.setPen(pen(ink, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(8, 4), QPointF(24, 4));
    p.drawLine(QPointF(8, 28), QPointF(24, 28));
    QPainterPath glass;
    glass.moveTo(10, 4);
    glass.cubicTo(10, 12, 15, 14, 15, 16);
    glass.cubicTo(15, 18, 10, 20, 10, 28);
    glass.moveTo(22, 4);
    glass.cubicTo(22, 12, 17, 14, 17, 16);
    glass.cubicTo(17, 18, 22, 20, 22, 28);
    p.drawPath(glass);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawPolygon(QPolygonF {QPointF(12, 27), QPointF(20, 27), QPointF(16, 21)});
    p.drawPolygon(QPolygonF {QPointF(13, 9), QPointF(19, 9), QPointF(16, 13)});
}

void brokenPicture(QPainter& p)
{
    landscape(p, QRectF(3, 5, 26, 22));
    // A jagged crack through the picture, cleared, then a red cross.
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(pen(Qt::black, 2.5));
    p.drawPolyline(QPolygonF {QPointF(18, 3), QPointF(14, 11), QPointF(19, 16), QPointF(13, 22), QPointF(16, 29)});
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QColor red(0xe0, 0x40, 0x40);
    p.setPen(pen(red, 3.0));
    p.drawLine(QPointF(21, 19), QPointF(28, 26));
    p.drawLine(QPointF(28, 19), QPointF(21, 26));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_collage_icons <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const std::pair<const char*, std::function<void(QPainter&)>> icons[] = {
        {"step-backward.png", stepBackward},
        {"action-open.png", openFolder},
        {"save-project.png", floppy},
        {"save-image.png", saveImage},
        {"printer.png", printer},
        {"insert-image.png", insertImage},
        {"insert-text.png", insertText},
        {"add-new.png", [](QPainter& p) { circleSign(p, true); }},
        {"remove-new.png", [](QPainter& p) { circleSign(p, false); }},
        {"icon_fit_in.png", fitIn},
        {"icon-actual_size.png", actualSizeText},
        {"actual-size.png", canvasSize},
        {"file-add.png", [](QPainter& p) { fileSign(p, true, ink, accent); }},
        {"file-remove.png", [](QPainter& p) { fileSign(p, false, ink, accent); }},
        {"file-removeD.png", [](QPainter& p) { fileSign(p, false, QColor(0x64, 0x64, 0x64), QColor(0x50, 0x50, 0x50)); }},
        {"icon_loading.png", hourglass},
        {"icon_loading_error.png", brokenPicture},
    };
    for (const auto& [name, draw] : icons) {
        QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
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
