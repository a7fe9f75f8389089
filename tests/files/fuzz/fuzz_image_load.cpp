// Reads arbitrary bytes as an image file the way the load worker does: the
// decoder is chosen by content, the stored orientation applied.
#include "files/IQImageIO.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>

#include <cstdint>

namespace {

const QString& inputPath()
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("input"));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_image_load";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    // Far below the program's own cap, so that a header that asks for much
    // memory is refused quickly instead of tripping the fuzzer's memory limit.
    static const bool limited = (QImageReader::setAllocationLimit(256), true);
    (void)limited;

    {
        QFile file(inputPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    QString error;
    const QImage image = IQImageIO::readImage(inputPath(), &error);
    if (!image.isNull())
        (void)image.pixel(image.width() - 1, image.height() - 1);
    return 0;
}
