// Reads arbitrary bytes as a browser thumbnail: the decoder chosen by
// content, the stored orientation applied, the picture decoded straight to
// a reduced size (the decoders' own scaled roads, which full reads skip).
#include "files/IQImageFileItem.h"

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
    static char name[] = "fuzz_image_thumbnail";
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
    IQImageFileItem item(inputPath());
    for (const QSize box : {QSize(240, 240), QSize(7, 3)}) {
        const QImage thumbnail = item.thumbnail(box);
        if (thumbnail.isNull())
            continue;
        if (thumbnail.width() > box.width() || thumbnail.height() > box.height())
            __builtin_trap(); // a thumbnail must fit its box
        (void)thumbnail.pixel(thumbnail.width() - 1, thumbnail.height() - 1);
    }
    return 0;
}
