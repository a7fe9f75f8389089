#include "stitch/image/CImage.h"

#include "stitch/image/BitmapLayout.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace {

// Locks an image for the lifetime of the guard.
class LockGuard
{
public:
    explicit LockGuard(CImage* image) : m_image(image), m_code(image ? image->Lock() : CImage::ErrorMemory) {}
    ~LockGuard()
    {
        if (m_code == 0)
            m_image->Unlock();
    }
    bool ok() const { return m_code == 0; }
    int code() const { return m_code; }

private:
    CImage* m_image;
    int m_code;
};

} // namespace

int CImage::Create(const unsigned char* red, const unsigned char* green, const unsigned char* blue,
                   int width, int height)
{
    if (!red || !green || !blue)
        return ErrorBadFile;
    const int created = Create(width, height, 24);
    if (created != 0)
        return created;
    LockGuard lock(this);
    if (!lock.ok())
        return lock.code();
    m_pHeader->biClrUsed = 0;
    for (int y = 0; y < height; ++y) {
        unsigned char* row = m_pBits + std::int64_t(height - 1 - y) * m_lStride;
        const std::int64_t plane = std::int64_t(y) * width;
        for (int x = 0; x < width; ++x) {
            row[3 * x] = blue[plane + x];
            row[3 * x + 1] = green[plane + x];
            row[3 * x + 2] = red[plane + x];
        }
    }
    return 0;
}

bool CImage::Identical(CImage* a, CImage* b)
{
    return IdenticalDimensions(a, b) && a->BitCount() == b->BitCount();
}

bool CImage::IdenticalDimensions(CImage* a, CImage* b)
{
    if (!a || !b || a->IsEmpty())
        return false;
    return a->Width() == b->Width() && a->Height() == b->Height();
}

int CImage::Clone(CImage* target)
{
    if (IsEmpty() || !target || target->IsEmpty() || !Identical(this, target))
        return ErrorBadFile;
    LockGuard source(this);
    LockGuard copy(target);
    if (!source.ok() || !copy.ok())
        return ErrorMemory;
    std::memcpy(target->m_pBits, m_pBits, size_t(m_lStride) * size_t(m_pHeader->biHeight));
    return 0;
}

int CImage::Convert8to24()
{
    if (IsEmpty() || BitCount() != 8)
        return ErrorBadFile;
    const int width = Width();
    const int height = Height();
    CImage grey;
    const int created = grey.Create(width, height, 24);
    if (created != 0)
        return created;
    {
        LockGuard source(this);
        LockGuard target(&grey);
        if (!source.ok() || !target.ok())
            return ErrorMemory;
        for (int y = 0; y < height; ++y) {
            const unsigned char* in = m_pBits + std::int64_t(y) * m_lStride;
            unsigned char* out = grey.m_pBits + std::int64_t(y) * grey.m_lStride;
            for (int x = 0; x < width; ++x)
                std::memset(out + 3 * x, in[x], 3);
        }
    }
    const QString name = m_strName;
    Release();
    m_lStride = grey.m_lStride;
    m_hDib = grey.Detach();
    m_strName = name;
    return 0;
}

int CImage::BilinearResample(CImage* target, int width, int height)
{
    if (!target || target == this || IsEmpty() || width <= 0 || height <= 0)
        return ErrorBadFile;
    const int bitCount = BitCount();
    if (bitCount != 8 && bitCount != 24)
        return ErrorBadFile;
    const int bytes = bitCount / 8;
    const int sourceWidth = Width();
    const int sourceHeight = Height();

    target->Release();
    if (target->Create(width, height, bitCount) != 0)
        return ErrorMemory;
    std::vector<int> x0s, weights;
    std::vector<std::uint16_t> between;
    try {
        x0s.resize(size_t(width));
        weights.resize(size_t(width));
        between.resize(size_t(sourceWidth) * size_t(bytes));
    } catch (const std::bad_alloc&) {
        return ErrorMemory;
    }
    const double sx = double(sourceWidth) / width;
    const double sy = double(sourceHeight) / height;
    for (int j = 0; j < width; ++j) {
        const double x = j * sx;
        x0s[size_t(j)] = int(x);
        weights[size_t(j)] = int((x0s[size_t(j)] + 1 - x) * 256);
    }

    LockGuard source(this);
    LockGuard out(target);
    if (!source.ok() || !out.ok())
        return ErrorMemory;
    for (int i = 0; i < height; ++i) {
        const double y = i * sy;
        const int y0 = int(y);
        const int wy = int((y0 + 1 - y) * 256);
        const unsigned char* a = m_pBits + std::int64_t(std::min(y0, sourceHeight - 1)) * m_lStride;
        const unsigned char* b = m_pBits + std::int64_t(std::min(y0 + 1, sourceHeight - 1)) * m_lStride;
        for (int k = 0; k < sourceWidth * bytes; ++k)
            between[size_t(k)] = std::uint16_t(b[k] * (256 - wy) + a[k] * wy);
        unsigned char* row = target->m_pBits + std::int64_t(i) * target->m_lStride;
        for (int j = 0; j < width; ++j) {
            const int x0 = std::min(x0s[size_t(j)], sourceWidth - 1);
            const int x1 = std::min(x0s[size_t(j)] + 1, sourceWidth - 1);
            const int wx = weights[size_t(j)];
            for (int c = 0; c < bytes; ++c) {
                const unsigned value = unsigned(between[size_t(x1 * bytes + c)]) * unsigned(256 - wx)
                    + unsigned(between[size_t(x0 * bytes + c)]) * unsigned(wx);
                row[j * bytes + c] = static_cast<unsigned char>(value >> 16);
            }
        }
    }
    return 0;
}

int CImage::SeparateToRGB(CImage* red, CImage* green, CImage* blue)
{
    if (!red || !green || !blue || IsEmpty())
        return ErrorBadFile;
    const int bitCount = BitCount();
    if (bitCount != 24 && bitCount != 32)
        return ErrorBadFile;
    const int width = Width();
    const int height = Height();
    CImage* planes[3] = {blue, green, red}; // byte order of a pixel
    for (CImage* plane : planes) {
        if (plane->Modify(width, height, 8) != 0)
            return ErrorMemory;
    }
    LockGuard source(this);
    LockGuard b(blue), g(green), r(red);
    if (!source.ok() || !b.ok() || !g.ok() || !r.ok())
        return ErrorMemory;
    const int step = bitCount / 8;
    for (int y = 0; y < height; ++y) {
        const unsigned char* in = m_pBits + std::int64_t(y) * m_lStride;
        for (int c = 0; c < 3; ++c) {
            unsigned char* out = planes[c]->m_pBits + std::int64_t(y) * planes[c]->m_lStride;
            for (int x = 0; x < width; ++x)
                out[x] = in[x * step + c];
        }
    }
    return 0;
}

int CImage::CombineByRGB(CImage* red, CImage* green, CImage* blue)
{
    if (!red || !green || !blue || IsEmpty() || BitCount() != 24)
        return ErrorBadFile;
    CImage* planes[3] = {blue, green, red};
    for (CImage* plane : planes) {
        if (plane->IsEmpty() || plane->BitCount() != 8 || !IdenticalDimensions(this, plane))
            return ErrorBadFile;
    }
    const int width = Width();
    const int height = Height();
    LockGuard target(this);
    LockGuard b(blue), g(green), r(red);
    if (!target.ok() || !b.ok() || !g.ok() || !r.ok())
        return ErrorMemory;
    for (int y = 0; y < height; ++y) {
        unsigned char* out = m_pBits + std::int64_t(y) * m_lStride;
        for (int c = 0; c < 3; ++c) {
            const unsigned char* in = planes[c]->m_pBits + std::int64_t(y) * planes[c]->m_lStride;
            for (int x = 0; x < width; ++x)
                out[3 * x + c] = in[x];
        }
    }
    return 0;
}
