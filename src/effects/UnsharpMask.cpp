#include "effects/AceTone.h"
#include "effects/VectorClones.h"

#include <algorithm>
#include <cstdlib>

using namespace Effects;

namespace {

// Below this size the 5 x 5 blur has no pixel to centre on.
constexpr int MinimumSide = 5;

std::uint8_t* rowOf(std::uint8_t* bits, int y, int stride)
{
    return bits + std::ptrdiff_t(y) * stride;
}

// [1 4 6 4 1] / 16 across one row, for x = 2 .. width - 3.
void blurRow(const std::uint8_t* in, std::uint8_t* out, int width)
{
    for (int x = 2; x < width - 2; ++x)
        out[x] = std::uint8_t((in[x - 2] + 4 * in[x - 1] + 6 * in[x] + 4 * in[x + 1] + in[x + 2]) >> 4);
}

// Beyond this the result no longer changes: every difference past the
// threshold already saturates, or the threshold exceeds any difference. In
// range, diff x 10 x amount fits in 32 bits.
constexpr int AmountLimit = 100000;

int boundedAmount(int amount)
{
    return std::clamp(amount, -AmountLimit, AmountLimit);
}

// The pixel's change for a difference between luminance and blur; 0 when
// the difference is within the threshold. Written without branches: on a
// photograph the threshold test is a coin toss for the branch predictor.
int sharpenDelta(int diff, int threshold, int amount)
{
    const int d = (diff * 10 * amount) >> 8;
    return std::abs(diff) > threshold ? d : 0;
}

void addDelta(std::uint8_t* pixel, int delta)
{
    for (int c = 0; c < 3; ++c)
        pixel[c] = clampByte(pixel[c] + delta);
}

bool nothingToDo(const std::uint8_t* bits, int width, int height, int amount)
{
    return amount == 0 || !bits || width < MinimumSide || height < MinimumSide;
}

int threshold(int amount)
{
    return 4 - amount / 25;
}

} // namespace

namespace Effects {

VELLUMAR_VECTOR_CLONES void luminanceRows(const std::uint8_t* bits, int width, int stride, int firstRow, int lastRow, std::uint8_t* plane)
{
    for (int y = firstRow; y < lastRow; ++y) {
        const std::uint8_t* p = bits + std::ptrdiff_t(y) * stride;
        std::uint8_t* out = plane + std::size_t(y) * std::size_t(width);
        for (int x = 0; x < width; ++x, p += 3)
            out[x] = std::uint8_t(luma(p[0], p[1], p[2]));
    }
}

UnsharpMaskRows::UnsharpMaskRows(int width, int height, int amount)
    : m_width(width)
    , m_height(height)
    , m_amount(boundedAmount(amount))
    , m_ring(allocate<std::uint8_t>(5 * std::size_t(width > 0 ? width : 0)))
    , m_deltas(allocate<std::int16_t>(std::size_t(width > 0 ? width : 0)))
{
}

bool UnsharpMaskRows::ready() const
{
    return m_ring && m_deltas;
}

VELLUMAR_VECTOR_CLONES void UnsharpMaskRows::run(const std::uint8_t* plane, std::uint8_t* bits, int stride, int firstRow, int lastRow)
{
    const int width = m_width;
    // The two-row frame stays as it is.
    const int first = std::max(firstRow, 2);
    const int last = std::min(lastRow, m_height - 2);
    if (m_amount == 0 || width < MinimumSide || first >= last || !ready())
        return;

    // Five horizontally blurred rows, y - 2 .. y + 2, in a ring: each row is
    // blurred across once on its way down.
    std::uint8_t* ring[5];
    for (int k = 0; k < 5; ++k)
        ring[k] = m_ring.get() + std::size_t(k) * std::size_t(width);
    auto lumaRow = [&](int y) { return plane + std::size_t(y) * std::size_t(width); };
    // A call that goes on where the last one stopped finds its rows blurred.
    if (first != m_nextRow) {
        for (int y = first - 2; y < first + 2; ++y)
            blurRow(lumaRow(y), ring[y % 5], width);
    }
    m_nextRow = last;

    const int limit = threshold(m_amount);
    std::int16_t* delta = m_deltas.get();
    for (int y = first; y < last; ++y) {
        blurRow(lumaRow(y + 2), ring[(y + 2) % 5], width);
        const std::uint8_t* h0 = ring[(y - 2) % 5];
        const std::uint8_t* h1 = ring[(y - 1) % 5];
        const std::uint8_t* h2 = ring[y % 5];
        const std::uint8_t* h3 = ring[(y + 1) % 5];
        const std::uint8_t* h4 = ring[(y + 2) % 5];
        const std::uint8_t* lum = lumaRow(y);
        // The changes of a whole row first, in a loop the compiler can
        // vectorise; then the pixels, three bytes apart.
        for (int x = 2; x < width - 2; ++x) {
            const int blur = (h0[x] + 4 * h1[x] + 6 * h2[x] + 4 * h3[x] + h4[x]) >> 4;
            delta[x] = std::int16_t(std::clamp(sharpenDelta(lum[x] - blur, limit, m_amount), -255, 255));
        }
        std::uint8_t* p = rowOf(bits, y, stride);
        for (int x = 2; x < width - 2; ++x)
            addDelta(p + 3 * x, delta[x]);
    }
}

} // namespace Effects

int ACE_FixUnsharpMaskFilter(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride, std::int32_t amount)
{
    if (nothingToDo(bits, width, height, amount))
        return EffectOk;
    // The plane first: when it cannot be had, the row buffers (gigabytes for
    // an absurd width) are never asked for.
    auto plane = allocate<std::uint8_t>(std::size_t(width) * std::size_t(height));
    if (!plane)
        return EffectNoMemory;
    UnsharpMaskRows rows(width, height, amount);
    if (!rows.ready())
        return EffectNoMemory;
    luminanceRows(bits, width, stride, 0, height, plane.get());
    rows.run(plane.get(), bits, stride, 0, height);
    return EffectOk;
}

int ACE_RunSharpnessEffectImage(ACE_EXP_CONTEXT*, std::int32_t amount, EffectImage* image)
{
    if (!image)
        return EffectNoContext;
    // The filter's own result: a shortage of memory is not a success.
    return ACE_FixUnsharpMaskFilter(image->bits, image->width, image->height, image->stride, amount);
}

int Effects::unsharpMaskReference(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride, std::int32_t amount)
{
    if (nothingToDo(bits, width, height, amount))
        return EffectOk;
    const std::size_t planeSize = std::size_t(width) * std::size_t(height);
    auto plane = allocate<std::uint8_t>(planeSize);
    if (!plane)
        return EffectNoMemory;
    luminanceRows(bits, width, stride, 0, height, plane.get());
    amount = boundedAmount(amount);
    auto Y = [&](int x, int y) { return int(plane[std::size_t(y) * std::size_t(width) + std::size_t(x)]); };
    auto across = [&](int x, int y) { return (Y(x - 2, y) + 4 * Y(x - 1, y) + 6 * Y(x, y) + 4 * Y(x + 1, y) + Y(x + 2, y)) >> 4; };

    for (int y = 2; y < height - 2; ++y) {
        for (int x = 2; x < width - 2; ++x) {
            const int blur = (across(x, y - 2) + 4 * across(x, y - 1) + 6 * across(x, y) + 4 * across(x, y + 1) + across(x, y + 2)) >> 4;
            addDelta(rowOf(bits, y, stride) + 3 * x, sharpenDelta(Y(x, y) - blur, threshold(amount), amount));
        }
    }
    return EffectOk;
}
