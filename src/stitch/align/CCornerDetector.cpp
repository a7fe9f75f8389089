#include "stitch/align/CCornerDetector.h"

#include "stitch/image/CImage.h"
#include "stitch/threads/StitchThreads.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

void CCornerDetector::RGB2GrayImageLine(const tagRGBTRIPLE* in, unsigned char* out, int n)
{
    for (int i = 0; i < n; ++i)
        out[i] = static_cast<unsigned char>((117 * in[i].rgbtBlue + 601 * in[i].rgbtGreen + 306 * in[i].rgbtRed) >> 10);
}

void CCornerDetector::BlurHImageLine(const unsigned char* in, unsigned char* out, int n)
{
    if (n <= 0)
        return;
    if (n == 1) {
        out[0] = in[0];
        return;
    }
    out[0] = static_cast<unsigned char>((3 * in[0] + in[1]) >> 2);
    for (int i = 1; i < n - 1; ++i)
        out[i] = static_cast<unsigned char>((in[i - 1] + 2 * in[i] + in[i + 1]) >> 2);
    out[n - 1] = static_cast<unsigned char>((in[n - 2] + 3 * in[n - 1]) >> 2);
}

void CCornerDetector::BlurGrayImage(CImage* image, unsigned char* out, const ImageRegion& region)
{
    const int width = region.right - region.left + 1;
    const int height = region.bottom - region.top + 1;
    if (width <= 0 || height <= 0)
        return;
    const unsigned char* bits = image->Bits();
    const int stride = image->Stride();
    // Bands of rows blurred side by side; each band makes its own blurred
    // row above and below, so a pixel's value does not depend on the bands.
    constexpr int kBand = 32;
    const int bands = (height + kBand - 1) / kBand;
    StitchThreads::For(bands, [&](int band) {
        std::vector<unsigned char> grey(static_cast<size_t>(width));
        std::vector<unsigned char> lines(static_cast<size_t>(width) * 3);
        unsigned char* line[3] = {&lines[0], &lines[size_t(width)], &lines[2 * size_t(width)]};
        auto blurredRow = [&](int row, unsigned char* into) {
            const auto* pixels = reinterpret_cast<const tagRGBTRIPLE*>(
                bits + std::int64_t(region.top + row) * stride + 3 * std::int64_t(region.left));
            RGB2GrayImageLine(pixels, grey.data(), width);
            BlurHImageLine(grey.data(), into, width);
        };
        const int from = band * kBand;
        const int to = std::min(from + kBand, height);
        // line[0] above, line[1] the row, line[2] below (the edge rows
        // repeat at the region's top and bottom).
        blurredRow(from, line[1]);
        if (from > 0)
            blurredRow(from - 1, line[0]);
        else
            std::memcpy(line[0], line[1], size_t(width));
        for (int y = from; y < to; ++y) {
            if (y + 1 < height)
                blurredRow(y + 1, line[2]);
            else
                std::memcpy(line[2], line[1], size_t(width));
            unsigned char* o = out + std::int64_t(y) * width;
            for (int x = 0; x < width; ++x)
                o[x] = static_cast<unsigned char>((line[0][x] + 2 * line[1][x] + line[2][x]) >> 2);
            std::swap(line[0], line[1]);
            std::swap(line[1], line[2]);
        }
    }, 2);
}
