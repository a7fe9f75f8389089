// Reads arbitrary bytes as a "text" element, paints it small and writes it
// out again.
#include "canvas/TextContent.h"

#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>

#include <cstdint>

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&)
{
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_text_xml";
    static char* argv[] = {name, nullptr};
    // Never deleted: tearing the application down at exit, after Qt's own
    // globals, drops the font caches half-freed, which reads as leaks.
    static QApplication* app = new QApplication(argc, argv);
    Q_UNUSED(app);
    qInstallMessageHandler(quiet);

    QDomDocument doc;
    if (!doc.setContent(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))))
        return 0;
    QDomElement element = doc.documentElement();

    QGraphicsScene scene;
    auto* text = new TextContent(false, &scene, 0);
    text->fromXml(element, QDir(QStringLiteral("/nonexistent-vellumar-fuzz")));

    // Whatever the item's size, the glyphs are drawn at their own size.
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        text->drawContent(&painter, image.rect(), Qt::IgnoreAspectRatio);
    }
    (void)text->contentHeightForWidth(1 << 30);

    QDomDocument out;
    QDomElement written = out.createElement(QStringLiteral("content"));
    out.appendChild(written);
    text->toXml(written, QDir(QStringLiteral("/nonexistent-vellumar-fuzz")));
    delete text;
    return 0;
}
