// Loads arbitrary bytes as a mask file, by name and as a stream, and works
// on what was loaded.
#include "FuzzFile.h"

#include "stitch/image/CMask.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = FuzzFile::folder().filePath(QStringLiteral("input.mask"));
    if (!FuzzFile::write(path, data, size))
        return 0;
    CMask mask;
    if (mask.Load(path)) {
        mask.ObjectRect();
        mask.DrawLine(-3, -2, int(mask.Width()) + 4, int(mask.Height()) + 1, true);
        CMask copy(mask);
        mask.MaskErase(&copy);
    }
    if (FILE* stream = std::fopen(path.toLocal8Bit().constData(), "rb")) {
        CMask fromStream;
        if (fromStream.Load(stream))
            fromStream.ObjectRect();
        std::fclose(stream);
    }
    return 0;
}
