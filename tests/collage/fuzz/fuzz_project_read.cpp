// Reads arbitrary bytes as a ".pmp2" project into a canvas, the canvas's own
// reader included, without a message box: the load either refuses the file
// or hands an element to the canvas. Picture paths name files that do not
// exist (or, relative, a folder with nothing in it), so pictures end as
// placeholders. Not rendered. Texts lay themselves out, which fills font
// caches that live as long as the application object: it is never deleted,
// so those caches do not read as leaks at exit.
#include "collage/CollageProjectFile.h"

#include "canvas/Canvas.h"
#include "files/IQImageLimits.h"

#include <QApplication>
#include <QFile>
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
    static char name[] = "fuzz_project_read";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
    // The program's own allocation cap, so what is found is what a user's
    // file can do.
    static const bool limited = (IQImageLimits::install(), true);
    (void)limited;
    static QTemporaryDir dir;
    qInstallMessageHandler(quiet);

    const QString path = dir.filePath(QStringLiteral("input.pmp2"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    Canvas canvas(72, 72, nullptr);
    const CollageProjectFile::LoadResult result = CollageProjectFile::load(path, &canvas);
    if (result.status != CollageProjectFile::LoadStatus::Loaded && !canvas.contents().isEmpty())
        __builtin_trap(); // a refused file leaves the canvas untouched
    if (result.status == CollageProjectFile::LoadStatus::CannotParse && result.error.isEmpty())
        __builtin_trap(); // the user is told why
    return 0;
}
