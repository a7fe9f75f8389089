// Reads arbitrary bytes as a browser thumbnail: the decoder chosen by
// content, the stored orientation applied, the picture decoded straight to
// a reduced size (the decoders' own scaled roads, which full reads skip).
#include "files/IQImageFileItem.h"

#include "FuzzImageInput.h"
// Camera RAW files are images too: the fuzzer reaches them through the plug-in.
#include "rawplugin/RawPluginImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = FuzzImageInput::write(data, size);
    if (path.isEmpty())
        return 0;
    IQImageFileItem item(path);
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
