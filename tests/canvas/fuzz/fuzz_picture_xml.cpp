// Reads arbitrary bytes as a "picture" element and writes it out again.
// Not painted: the placeholder's text loads font caches that live as long
// as the process and read as leaks. Paths name files that do not exist, so the element
// ends as a placeholder or an empty picture.
#include "canvas/PictureContent.h"

#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QGraphicsScene>

#include <cstdint>

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&)
{
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_picture_xml";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    qInstallMessageHandler(quiet);

    QDomDocument doc;
    if (!doc.setContent(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))))
        return 0;
    QDomElement element = doc.documentElement();

    QGraphicsScene scene;
    auto* picture = new PictureContent(false, &scene, 1);
    // An empty folder: a relative path never reaches a real file.
    picture->fromXml(element, QDir(QStringLiteral("/nonexistent-vellumar-fuzz")));
    picture->waitForRender();

    QDomDocument out;
    QDomElement written = out.createElement(QStringLiteral("content"));
    out.appendChild(written);
    picture->toXml(written, QDir(QStringLiteral("/nonexistent-vellumar-fuzz")));
    delete picture;
    return 0;
}
