// Draws the downloader window's picture, update.png, into the current folder.
// Build and run once by hand when it changes:
//   g++ -std=c++17 -fPIC draw_update_icon.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/draw_update_icon
//   QT_QPA_PLATFORM=offscreen /tmp/draw_update_icon
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);

    // A blue disc with a white arrow pointing down into a tray: "fetching".
    QImage image(96, 96, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient disc(0, 8, 0, 88);
    disc.setColorAt(0, QColor(0x4f, 0xa3, 0xf0));
    disc.setColorAt(1, QColor(0x1d, 0x5f, 0xb8));
    painter.setPen(QPen(QColor(0x16, 0x4a, 0x8f), 2));
    painter.setBrush(disc);
    painter.drawEllipse(QRectF(5, 5, 86, 86));

    const QColor ink(0xff, 0xff, 0xff);
    QPainterPath arrow;
    arrow.moveTo(41, 20);
    arrow.lineTo(55, 20);
    arrow.lineTo(55, 44);
    arrow.lineTo(66, 44);
    arrow.lineTo(48, 63);
    arrow.lineTo(30, 44);
    arrow.lineTo(41, 44);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(arrow);

    QPen tray(ink, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(tray);
    painter.setBrush(Qt::NoBrush);
    QPainterPath bowl;
    bowl.moveTo(27, 60);
    bowl.lineTo(27, 72);
    bowl.lineTo(69, 72);
    bowl.lineTo(69, 60);
    painter.drawPath(bowl);
    painter.end();

    return image.save(QStringLiteral("update.png")) ? 0 : 1;
}
