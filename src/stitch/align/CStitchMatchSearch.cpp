#include "stitch/align/CStitchMatch.h"

#include "stitch/image/CImage.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/PointTwinList.h"
#include "stitch/pyramid/CStitchPyramid.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The sum over a window's 8 rows of 24 bytes (from byte k0 of each row) of
// |pixel - window mean - block value|, m the means per channel.
int WindowDifference(const unsigned char* const rows[8], int k0, const int m[3], const short flat[8][24])
{
#if defined(__SSE2__)
    // In 16-bit lanes: a difference lies within +-510 and each lane adds 3
    // of them a row, at most 24 x 510 over the 8 rows, so nothing overflows
    // and the sum is the plain loop's.
    const __m128i zero = _mm_setzero_si128();
    const short m0 = short(m[0]), m1 = short(m[1]), m2 = short(m[2]);
    const __m128i mean0 = _mm_setr_epi16(m0, m1, m2, m0, m1, m2, m0, m1);
    const __m128i mean1 = _mm_setr_epi16(m2, m0, m1, m2, m0, m1, m2, m0);
    const __m128i mean2 = _mm_setr_epi16(m1, m2, m0, m1, m2, m0, m1, m2);
    __m128i sum = zero;
    for (int j = 0; j < 8; ++j) {
        const unsigned char* p = rows[j] + k0;
        const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i last = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p + 16));
        const __m128i* f = reinterpret_cast<const __m128i*>(flat[j]);
        const __m128i d0 = _mm_sub_epi16(_mm_unpacklo_epi8(first, zero), _mm_add_epi16(mean0, _mm_loadu_si128(f)));
        const __m128i d1 = _mm_sub_epi16(_mm_unpackhi_epi8(first, zero), _mm_add_epi16(mean1, _mm_loadu_si128(f + 1)));
        const __m128i d2 = _mm_sub_epi16(_mm_unpacklo_epi8(last, zero), _mm_add_epi16(mean2, _mm_loadu_si128(f + 2)));
        sum = _mm_add_epi16(sum, _mm_max_epi16(d0, _mm_sub_epi16(zero, d0)));
        sum = _mm_add_epi16(sum, _mm_max_epi16(d1, _mm_sub_epi16(zero, d1)));
        sum = _mm_add_epi16(sum, _mm_max_epi16(d2, _mm_sub_epi16(zero, d2)));
    }
    __m128i wide = _mm_madd_epi16(sum, _mm_set1_epi16(1));
    wide = _mm_add_epi32(wide, _mm_shuffle_epi32(wide, _MM_SHUFFLE(1, 0, 3, 2)));
    wide = _mm_add_epi32(wide, _mm_shuffle_epi32(wide, _MM_SHUFFLE(2, 3, 0, 1)));
    return _mm_cvtsi128_si32(wide);
#else
    int total = 0;
    for (int j = 0; j < 8; ++j) {
        const unsigned char* p = rows[j] + k0;
        for (int i = 0; i < 24; ++i)
            total += std::abs(int(p[i]) - m[i % 3] - flat[j][i]);
    }
    return total;
#endif
}

} // namespace

double CStitchMatch::SearchMatch(CImage* image, const tagRGBTRIPLE block[8][8], const tagRECT& window,
                                 tagPOINT* point) const
{
    const int l = window.left, t = window.top, r = window.right, b = window.bottom;
    if (r - l < 8 || b - t < 8)
        return 0.0;

    // The block, mean removed per channel.
    int d[8][8][3];
    int mean[3] = {0, 0, 0};
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 8; ++i) {
            mean[0] += block[j][i].rgbtBlue;
            mean[1] += block[j][i].rgbtGreen;
            mean[2] += block[j][i].rgbtRed;
        }
    for (int& m : mean)
        m = (m + 32) >> 6;
    std::int64_t squares = 0;
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 8; ++i) {
            d[j][i][0] = block[j][i].rgbtBlue - mean[0];
            d[j][i][1] = block[j][i].rgbtGreen - mean[1];
            d[j][i][2] = block[j][i].rgbtRed - mean[2];
            for (int c = 0; c < 3; ++c)
                squares += d[j][i][c] * d[j][i][c];
        }
    const double variance = double(squares) / 192.0;
    if (variance < 64.0)
        return kNoMatch;

    const int nx = r - l - 7;
    const int ny = b - t - 7;
    // Kept per thread: the search runs for every block of every layer.
    thread_local std::vector<int> sad;
    thread_local std::vector<double> spread;
    thread_local std::vector<int> columnSum;
    thread_local std::vector<std::int64_t> columnSquares;
    sad.resize(size_t(nx) * ny);
    spread.resize(size_t(nx) * ny);
    const int bytes = 3 * (r - l);
    columnSum.resize(size_t(bytes));
    columnSquares.resize(size_t(bytes));
    // The block flattened to 24 values a row, channel fastest as in the
    // bitmap.
    short flat[8][24];
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 24; ++i)
            flat[j][i] = short(d[j][i / 3][i % 3]);
    const int stride = image->Stride();
    const unsigned char* bits = image->Bits();
    for (int y = t; y <= b - 8; ++y) {
        const unsigned char* rows[8];
        for (int j = 0; j < 8; ++j)
            rows[j] = bits + std::int64_t(y + j) * stride + 3 * l;
        // Sums down the window's 8 rows per byte column: a window's sums
        // are then 8 of these per channel.
        for (int k = 0; k < bytes; ++k) {
            int sum = 0;
            std::int64_t sq = 0;
            for (int j = 0; j < 8; ++j) {
                const int v = rows[j][k];
                sum += v;
                sq += v * v;
            }
            columnSum[size_t(k)] = sum;
            columnSquares[size_t(k)] = sq;
        }
        for (int x = l; x <= r - 8; ++x) {
            const int k0 = 3 * (x - l);
            int sum[3] = {0, 0, 0};
            std::int64_t sq = 0;
            for (int i = 0; i < 24; ++i) {
                sum[i % 3] += columnSum[size_t(k0 + i)];
                sq += columnSquares[size_t(k0 + i)];
            }
            int m[3];
            for (int c = 0; c < 3; ++c)
                m[c] = (sum[c] + 32) >> 6;
            const int total = WindowDifference(rows, k0, m, flat);
            const size_t at = size_t(y - t) * nx + size_t(x - l);
            sad[at] = total;
            spread[at] = double(sq / 64 - (m[0] * m[0] + m[1] * m[1] + m[2] * m[2])) / 3.0;
        }
    }

    int minSad = 268435455;
    for (int v : sad)
        if (v > 0 && v < minSad)
            minSad = v;
    const int limit = int(1.5 * minSad);

    int best = -1;
    int bestDistance = nx * ny;
    for (int y = 0; y < ny; ++y)
        for (int x = 0; x < nx; ++x) {
            const size_t at = size_t(y) * nx + x;
            const int v = sad[at];
            if (v >= limit || spread[at] < 64.0)
                continue;
            if ((x > 0 && v >= sad[at - 1]) || (x + 1 < nx && v >= sad[at + 1]) || (y > 0 && v >= sad[at - nx])
                || (y + 1 < ny && v >= sad[at + nx]))
                continue;
            const int distance = std::abs(l + x + 4 - point->x) + std::abs(t + y + 4 - point->y);
            if (distance < bestDistance) {
                bestDistance = distance;
                best = int(at);
            }
        }
    if (best < 0)
        return kNoMatch;
    point->x = l + best % nx + 4;
    point->y = t + best / nx + 4;
    if (sad[size_t(best)] > 4608 && !CStitchPyramid::m_bTelephoto)
        return kNoMatch;
    return std::sqrt(variance);
}

void CStitchMatch::RemoveWrongTwins(PointTwinList* twins, int width, int height, bool horizontal)
{
    for (int i = twins->m_lCount - 1; i >= 0; --i) {
        const tagPOINT a = twins->m_Twins[i][0];
        const tagPOINT b = twins->m_Twins[i][1];
        const bool keep = horizontal ? (a.x >= b.x && std::abs(a.y - b.y) < height / 4)
                                     : (a.y >= b.y && std::abs(a.x - b.x) < width / 4);
        if (keep)
            continue;
        for (int j = i; j + 1 < twins->m_lCount; ++j) {
            twins->m_Twins[j][0] = twins->m_Twins[j + 1][0];
            twins->m_Twins[j][1] = twins->m_Twins[j + 1][1];
        }
        --twins->m_lCount;
    }
}

namespace {

void DefaultNeighbourPoints(const tagRECT& r, bool horizontal, tagPOINT out[3])
{
    const int tw = (r.right - r.left) / 3;
    const int th = (r.bottom - r.top) / 3;
    out[0] = tagPOINT{r.left + tw, r.top + th};
    if (horizontal) {
        out[1] = tagPOINT{r.right - tw, r.top + (r.bottom - r.top) / 2};
        out[2] = tagPOINT{r.left + tw, r.bottom - th};
    } else {
        out[1] = tagPOINT{r.left + (r.right - r.left) / 2, r.bottom - th};
        out[2] = tagPOINT{r.right - tw, r.top + th};
    }
}

} // namespace

void CStitchMatch::SetShiftDefaultFeatures(PointTwinList* twins, const tagRECT& rect, bool horizontal,
                                           const tagPOINT* shift)
{
    tagPOINT n[3];
    DefaultNeighbourPoints(rect, horizontal, n);
    for (int i = 0; i < 3; ++i) {
        twins->m_Twins[i][0] = tagPOINT{n[i].x + shift->x, n[i].y + shift->y};
        twins->m_Twins[i][1] = n[i];
    }
    twins->m_lCount = 3;
}

void CStitchMatch::SetRotateShiftDefaultFeatures(PointTwinList* twins, const tagRECT& rect, bool horizontal,
                                                 const tagPOINT* shift, double angle, double cx, double cy)
{
    tagPOINT n[3];
    DefaultNeighbourPoints(rect, horizontal, n);
    const double s = std::sin(angle), c = std::cos(angle);
    for (int i = 0; i < 3; ++i) {
        const double x = n[i].x, y = n[i].y;
        twins->m_Twins[i][0] = tagPOINT{int(shift->x + s * (y - cy) + c * (x - cx) + cx),
                                        int(shift->y + c * (y - cy) - s * (x - cx) + cy)};
        twins->m_Twins[i][1] = n[i];
    }
    twins->m_lCount = 3;
}

bool CStitchMatch::IsCoLine(int count, const tagPOINT* points)
{
    if (count < 3)
        return true;
    for (int i = 0; i < count; ++i)
        for (int j = i + 1; j < count; ++j)
            for (int k = j + 1; k < count; ++k)
                if (!IsColine(points[i], points[j], points[k]))
                    return false;
    return true;
}
