// Reads arbitrary bytes as a ".pmp2" project and takes its embedded preview:
// a null image or a picture no larger than the reader's bound.
#include "collage/CollageProjectFile.h"

#include "files/IQImageLimits.h"

#include <QFile>
#include <QGuiApplication>
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
    static char name[] = "fuzz_project_preview";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
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

    const QImage preview = CollageProjectFile::embeddedPreview(path);
    if (!preview.isNull()
        && (preview.width() > CollageProjectFile::maxPreviewSide || preview.height() > CollageProjectFile::maxPreviewSide))
        __builtin_trap();
    return 0;
}
