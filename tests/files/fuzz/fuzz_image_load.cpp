// Reads arbitrary bytes as an image file the way the load worker does: the
// decoder is chosen by content, the stored orientation applied.
#include "files/IQImageIO.h"

#include "FuzzImageInput.h"
// Camera RAW files are images too: the fuzzer reaches them through the plug-in.
#include "rawplugin/RawPluginImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = FuzzImageInput::write(data, size);
    if (path.isEmpty())
        return 0;
    QString error;
    const QImage image = IQImageIO::readImage(path, &error);
    if (!image.isNull())
        (void)image.pixel(image.width() - 1, image.height() - 1);
    return 0;
}
