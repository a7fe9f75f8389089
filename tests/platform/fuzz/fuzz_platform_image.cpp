// Reads arbitrary bytes through the platform layer's two image readers: the
// full read, turned upright, and the thumbnail decoded at a reduced size.
#include "files/IQImageLimits.h"
#include "platform/MacOSIO.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>

#include <cstdint>

namespace {

// The readers take paths; the input goes to a file first. The decoder is
// handed to the layer as at start-up; then the allocation cap is set far
// below the program's, so that a header asking for much memory is refused
// quickly instead of tripping the fuzzer's memory limit.
QString writeInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_platform_image";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    static const bool limited = (IQImageLimits::install(), QImageReader::setAllocationLimit(256), true);
    (void)limited;
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("input"));

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = writeInput(data, size);
    if (path.isEmpty())
        return 0;
    const QImage image = MacOSIO::readImage(path);
    if (!image.isNull())
        (void)image.pixel(image.width() - 1, image.height() - 1);
    for (const QSize box : {QSize(256, 256), QSize(5, 3)}) {
        const QImage thumbnail = MacOSIO::readImageByQL(path, box);
        if (thumbnail.isNull())
            continue;
        if (thumbnail.width() > box.width() || thumbnail.height() > box.height())
            __builtin_trap(); // a thumbnail must fit its box
        (void)thumbnail.pixel(thumbnail.width() - 1, thumbnail.height() - 1);
    }
    return 0;
}
