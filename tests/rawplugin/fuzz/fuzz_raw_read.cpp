// Reads arbitrary bytes as a RAW file: the probe, a plain read and a read
// scaled below the preview, under the program's own allocation cap, and
// as the program reads: a header claiming more than the bytes can hold is
// not decoded.
#include "files/IQImageLimits.h"
#include "rawplugin/RawIOHandler.h"
#include "rawplugin/RawPluginImport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>

#include <cstdint>

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_raw_read";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static const bool setUp = [] {
        qInstallMessageHandler(quiet);
        IQImageLimits::install();
        return true;
    }();
    (void)setUp;

    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!buffer.open(QIODevice::ReadOnly))
        return 0;
    (void)RawIOHandler::canRead(&buffer);

    {
        QImageReader reader(&buffer, "dng");
        if (!IQImageLimits::isPlausible(reader.size(), qint64(size), IQImageStructure::Kind::Raw))
            return 0;
        (void)reader.read();
    }
    buffer.seek(0);
    {
        QImageReader reader(&buffer, "dng");
        reader.setScaledSize(QSize(6, 4));
        (void)reader.read();
    }
    return 0;
}
