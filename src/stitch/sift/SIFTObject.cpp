#include "stitch/sift/SIFTObject.h"

#include "stitch/interface/StitchEnums.h"

#include <QtGlobal>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

// Blocks this large are laid on 2 MB boundaries and offered huge pages: the
// scale space of a megapixel picture is a few hundred megabytes of fresh
// memory, and taking it in 4 KB pages cost more than all the filtering.
constexpr std::uint64_t kHugePage = std::uint64_t(2) << 20;

} // namespace

float* SiftAllocateFloats(std::int64_t count, bool zeroed)
{
    // Sizes are 64-bit: the doubled first octave of a large picture runs to
    // billions of floats.
    if (count < 0 || std::uint64_t(count) > (SIZE_MAX - kHugePage) / sizeof(float))
        return nullptr;
    const size_t bytes = qMax<size_t>(1, size_t(count) * sizeof(float));
    if (bytes < 2 * kHugePage)
        return static_cast<float*>(zeroed ? std::calloc(bytes, 1) : std::malloc(bytes));
    const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* block = nullptr;
    if (posix_memalign(&block, kHugePage, rounded) != 0)
        return nullptr;
#ifdef MADV_HUGEPAGE
    madvise(block, rounded, MADV_HUGEPAGE);
#endif
    if (zeroed)
        std::memset(block, 0, bytes);
    return static_cast<float*>(block);
}

void SiftFreeFloats(float* block)
{
    std::free(block);
}

namespace {

std::int64_t area(std::int64_t w, std::int64_t h)
{
    return w * h;
}

} // namespace

SIFTObject::~SIFTObject()
{
    FreeBuffers();
    for (Keypoint* k : features)
        delete k;
    features.clear();
}

void SIFTObject::SetScaleSpaceParam()
{
    const int shorter = qMin(width, height);
    // An empty image (refused format) has no logarithm: one octave, no features.
    int O = shorter > 0 ? int(std::floor(std::log(double(shorter)) / std::log(2.0))) - 3 : 1;
    ssParam.O = qBound(1, O, 3);
    ssParam.S = 3;
    ssParam.omin = -1;
    ssParam.omax = ssParam.omin + ssParam.O - 1;
    ssParam.smin = -1;
    ssParam.smax = 4;
    ssParam.sigma0 = 1.6f;
}

int SIFTObject::GetOctaveWidth(int o) const
{
    Q_ASSERT_X(ssParam.omin <= o && o < ssParam.omin + ssParam.O, "GetOctaveWidth",
               "ssParam.omin <= o && o < ssParam.omin + ssParam.O");
    return o < 0 ? width << -o : width >> o;
}

int SIFTObject::GetOctaveHeight(int o) const
{
    Q_ASSERT_X(ssParam.omin <= o && o < ssParam.omin + ssParam.O, "GetOctaveHeight",
               "ssParam.omin <= o && o < ssParam.omin + ssParam.O");
    return o < 0 ? height << -o : height >> o;
}

float* SIFTObject::GetLevel(int o, int s)
{
    Q_ASSERT_X(ssParam.omin <= o && o < ssParam.omin + ssParam.O, "GetLevel",
               "ssParam.omin <= o && o < ssParam.omin + ssParam.O");
    Q_ASSERT_X(ssParam.smin <= s && s <= ssParam.smax, "GetLevel", "ssParam.smin <= s && s <= ssParam.smax");
    return octaves[size_t(o - ssParam.omin)]
        + area(GetOctaveWidth(o), GetOctaveHeight(o)) * (s - ssParam.smin);
}

int SIFTObject::PrepareBuffers()
{
    // The grey image stays: the base level is made from it.
    FreeScaleSpace();
    const int levels = ssParam.smax - ssParam.smin + 1;
    octaves.assign(size_t(ssParam.O), nullptr);
    std::vector<std::int64_t> sizes;
    for (int i = 0; i < ssParam.O; ++i)
        sizes.push_back(area(GetOctaveWidth(ssParam.omin + i), GetOctaveHeight(ssParam.omin + i)));
    // Once an octave's extrema are refined, only its inner levels are read
    // again (by the gradients), and the next octave starts from one of
    // those. The second octave then fits in the first one's two top levels
    // and the third in its bottom level, so fresh memory (whose first touch
    // is slow) is taken for the first octave only.
    const bool nested = ssParam.O <= 3 && levels == 6 && ssParam.smin + ssParam.S <= ssParam.smax - 2
        && (ssParam.O < 2 || sizes[1] * levels <= 2 * sizes[0])
        && (ssParam.O < 3 || sizes[2] * levels <= sizes[0]);
    bool ok = true;
    for (int i = 0; i < ssParam.O && ok; ++i) {
        if (nested && i > 0) {
            octaves[size_t(i)] = i == 1 ? octaves[0] + sizes[0] * (levels - 2) : octaves[0];
            continue;
        }
        // Every level is written whole before it is read.
        octaves[size_t(i)] = SiftAllocateFloats(sizes[size_t(i)] * levels, false);
        ok = octaves[size_t(i)];
        if (ok)
            blocks.push_back(octaves[size_t(i)]);
    }
    if (ok) {
        // Eleven rows of the widest octave, for the Gaussian passes (two
        // for the doubling).
        scratch = SiftAllocateFloats(area(GetOctaveWidth(ssParam.omin), 11), false);
        ok = scratch;
    }
    if (ok)
        return 0;
    FreeScaleSpace();
    return StitchNullArgument;
}

void SIFTObject::FreeScaleSpace()
{
    for (float* p : blocks)
        SiftFreeFloats(p);
    blocks.clear();
    octaves.clear();
    SiftFreeFloats(scratch);
    scratch = nullptr;
    SiftFreeFloats(gradients);
    gradients = nullptr;
}

void SIFTObject::FreeBuffers()
{
    FreeScaleSpace();
    SiftFreeFloats(image);
    image = nullptr;
    keypoints.clear();
    keypoints.shrink_to_fit();
}

int GetNormalizedGrayImg(SIFTObject* object, const _tagPixelArray* pixels)
{
    if (!object || !pixels)
        return StitchNullArgument;
    if (pixels->format != 0)
        return StitchBadArgument;
    if (pixels->width <= 0 || pixels->height <= 0 || !pixels->data)
        return StitchBadArgument;
    float* grey = SiftAllocateFloats(area(pixels->width, pixels->height));
    if (!grey)
        return StitchNullArgument;
    for (int y = 0; y < pixels->height; ++y) {
        const unsigned char* row = pixels->data + std::int64_t(y) * pixels->stride;
        float* out = grey + std::int64_t(y) * pixels->width;
        for (int x = 0; x < pixels->width; ++x) {
            const unsigned char* p = row + 3 * x;
            out[x] = float(0.11 * p[0] + 0.59 * p[1] + 0.30 * p[2]) / 255.0f;
        }
    }
    SiftFreeFloats(object->image);
    object->image = grey;
    object->width = pixels->width;
    object->height = pixels->height;
    return 0;
}
