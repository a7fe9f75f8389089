// Hands arbitrary bytes to CImage::Attach as a host's bitmap. A host's block
// holds the rows its header promises, so the input is padded (with zeros)
// to what the header asks for, computed here independently; inputs whose
// header asks for more than 16 MB are skipped. An input shorter than the
// header is read as the header it becomes once padded, so its rows are
// counted too.
#include "FuzzFile.h"

#include "stitch/image/CImage.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kHeaderBytes = 40;

// The block size `header` (its 40 bytes) asks for; -1 when it asks for no rows.
long long claimedSize(const std::uint8_t* data)
{
    std::int32_t width, height;
    std::uint16_t bits;
    std::memcpy(&width, data + 4, 4);
    std::memcpy(&height, data + 8, 4);
    std::memcpy(&bits, data + 14, 2);
    if (width <= 0 || height <= 0)
        return -1;
    const long long palette = bits == 1 ? 8 : bits == 8 ? 1024 : 0;
    const long long stride = (static_cast<long long>(bits) * width + 31) / 32 * 4;
    if (stride > (1ll << 25) || height > (1ll << 25))
        return 1ll << 50;
    return static_cast<long long>(kHeaderBytes) + palette + stride * height;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::uint8_t header[kHeaderBytes] = {};
    if (size)
        std::memcpy(header, data, std::min(size, kHeaderBytes));
    const long long claimed = claimedSize(header);
    if (claimed > 16ll << 20)
        return 0; // no host hands over a block it does not have
    // Every host block holds at least a header.
    const std::size_t bytes = std::max<std::size_t>({size, kHeaderBytes, claimed > 0 ? std::size_t(claimed) : 0});
    auto* block = static_cast<unsigned char*>(std::calloc(bytes, 1));
    if (size)
        std::memcpy(block, data, size);
    {
        CImage image;
        if (image.Attach(block) == 0) {
            CImage copy;
            if (image.BitCount() == 8 || image.BitCount() == 24)
                image.BilinearResample(&copy, 3, 2);
            image.Clear(0x00FF00FFu);
            image.Save(FuzzFile::folder().filePath(QStringLiteral("attached.bmp")));
            CImage red, green, blue;
            image.SeparateToRGB(&red, &green, &blue);
            image.Detach();
        }
    }
    std::free(block);
    return 0;
}
