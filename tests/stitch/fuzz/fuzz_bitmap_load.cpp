// Loads arbitrary bytes as the library's bitmap file, then exercises what
// was loaded: resampling, clearing, saving and loading back.
#include "FuzzFile.h"

#include "stitch/image/CImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = FuzzFile::folder().filePath(QStringLiteral("input.bmp"));
    if (!FuzzFile::write(path, data, size))
        return 0;
    CImage image;
    if (image.Load(path) != 0)
        return 0;
    CImage smaller;
    image.BilinearResample(&smaller, 5, 3);
    image.Clear(0x00112233u);
    const QString copy = FuzzFile::folder().filePath(QStringLiteral("copy.bmp"));
    if (image.Save(copy) == 0) {
        CImage again;
        again.Load(copy);
    }
    return 0;
}
