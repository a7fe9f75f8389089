// Reads arbitrary bytes as a project's "canvas" element into a canvas and
// writes it out again, as opening and saving a project does. Nesting and
// the count of elements are checked before the DOM is built (the DOM frees
// nested elements recursively); the image cap is small, so a file asking for a large canvas
// or picture is refused rather than allocated; relative paths resolve in an
// empty folder.
#include "canvas/Canvas.h"
#include "canvas/XmlDepthGuard.h"

#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QImageReader>
#include <QTemporaryDir>

#include <cstdint>

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&)
{
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_canvas_load";
    static char* argv[] = {name, nullptr};
    // One application for each input: the preview draws the placeholders'
    // file names, and only the application's end frees the font caches
    // that drawing fills, which would otherwise read as leaks.
    QApplication app(argc, argv);
    static QTemporaryDir emptyDir;
    qInstallMessageHandler(quiet);
    QImageReader::setAllocationLimit(16);

    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // The same guard, with the same limits, as opening a project.
    if (XmlDepthGuard::check(bytes) != XmlDepthGuard::Verdict::Within)
        return 0;
    QDomDocument doc;
    if (!doc.setContent(bytes))
        return 0;
    QDomElement element = doc.documentElement();

    {
        Canvas canvas(72, 72, nullptr);
        canvas.setBaseDir(QDir(emptyDir.path()));
        canvas.loadFromXml(element);
        // What a view does once the layout is asked for.
        canvas.resize(QSize(640, 480));

        QDomDocument out;
        QDomElement written = out.createElement(QStringLiteral("canvas"));
        out.appendChild(written);
        canvas.saveToXml(written);
        out.toByteArray();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
