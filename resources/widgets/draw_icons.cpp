// Draws the icons of the colour and text widgets into the current folder.
// Build and run once by hand when an icon changes:
//   g++ -std=c++17 -fPIC draw_icons.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/draw_icons
//   QT_QPA_PLATFORM=offscreen /tmp/draw_icons
// The letters come from DejaVu Sans and Serif, so other fonts give slightly other
// shapes; the PNG files in the repository are the reference.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

// A light bold glyph on a transparent 32 x 32 square, for the dark panels; the
// buttons show it at 16 x 16.
void drawLetter(const QString& file, const QString& family, const QString& letter, bool italic, bool underline)
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(family);
    font.setPixelSize(24);
    font.setBold(true);
    font.setItalic(italic);
    QPainterPath path;
    path.addText(0, 0, font, letter);
    const QRectF box = path.boundingRect();
    const double top = underline ? 3 : 4;
    path.translate(16 - box.center().x(), top - box.top());
    const QColor ink(0xe0, 0xe0, 0xe0);
    painter.fillPath(path, ink);
    if (underline)
        painter.fillRect(QRectF(7, 27, 18, 3), ink);
    painter.end();
    image.save(file);
}

// The tile under translucent colours: 8-pixel squares of two greys.
void drawAlphaBack(const QString& file)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(QColor(0xcc, 0xcc, 0xcc));
    QPainter painter(&image);
    painter.fillRect(0, 0, 8, 8, QColor(0x88, 0x88, 0x88));
    painter.fillRect(8, 8, 8, 8, QColor(0x88, 0x88, 0x88));
    painter.end();
    image.save(file);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString sans = QStringLiteral("DejaVu Sans");
    drawLetter(QStringLiteral("textbold.png"), sans, QStringLiteral("B"), false, false);
    // A serif I slants visibly even at 16 pixels.
    drawLetter(QStringLiteral("textitalic.png"), QStringLiteral("DejaVu Serif"), QStringLiteral("I"), true, false);
    drawLetter(QStringLiteral("textunder.png"), sans, QStringLiteral("U"), false, true);
    drawAlphaBack(QStringLiteral("alphaback.png"));
    return 0;
}
