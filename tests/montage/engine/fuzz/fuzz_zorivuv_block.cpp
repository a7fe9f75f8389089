// Reads arbitrary bytes as a montage tile photo at a few tile sizes: the
// decoder chosen by content, the reduced-size road, the centre cut and the
// mean. A tile either fails cleanly or is exactly tile-sized, and it is
// made exactly when the step 2 list shows the photo: a file the list marks
// as damaged is never drawn as a tile, and the other way round.
#include "montage/engine/IQZorivuvBlock.h"
#include "files/IQImageFileItem.h"

#include "../../../files/fuzz/FuzzImageInput.h"
// Camera RAW files are tile photos too: the fuzzer reaches them through the plug-in.
#include "rawplugin/RawPluginImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = FuzzImageInput::write(data, size);
    if (path.isEmpty())
        return 0;
    IQImageFileItem item(path);
    const bool listed = !item.thumbnail(QSize(120, 120)).isNull();
    for (const QSize tile : {QSize(1, 1), QSize(20, 20), QSize(7, 3), QSize(3, 40)}) {
        IQZorivuvBlock block(path);
        if (!block.convert(tile)) {
            if (!block.image.isNull() || block.mean[0] || block.mean[1] || block.mean[2])
                __builtin_trap(); // a failed tile keeps nothing
            if (listed)
                __builtin_trap(); // the list shows a photo the montage leaves out
            continue;
        }
        if (!listed)
            __builtin_trap(); // a tile of a file the list marks as unreadable
        if (block.image.size() != tile || block.image.format() != QImage::Format_BGR888)
            __builtin_trap();
        if (!block.mean[0] || !block.mean[1] || !block.mean[2])
            __builtin_trap(); // a gain divides by every mean
    }
    return 0;
}
