#include "stitch/sift/SIFTMatching.h"

#include "stitch/interface/StitchEnums.h"
#include "stitch/sift/SIFTObject.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <unordered_set>

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

constexpr double kPi = 3.141592653589793;

// The two bins (and their shares) of one coordinate.
struct Spread
{
    int bin[2];
    float share[2];
};

Spread spreadClamped(float v)
{
    if (v <= 0.5f)
        return {{0, 0}, {1, 0}};
    if (v >= 7.5f)
        return {{7, 7}, {1, 0}};
    const int lo = int(std::floor(v - 0.5f));
    const float f = v - 0.5f - lo;
    return {{lo, lo + 1}, {1 - f, f}};
}

Spread spreadWrapped(float v)
{
    if (v <= 0.5f)
        return {{0, 7}, {0.5f + v, 0.5f - v}};
    if (v >= 7.5f)
        return {{7, 0}, {1 - (v - 7.5f), v - 7.5f}};
    return spreadClamped(v);
}

float wrapAngle(float t)
{
    if (t > kPi)
        t -= float(2 * kPi);
    else if (t < -kPi)
        t += float(2 * kPi);
    return t;
}

// Removes, in order, the matches that fail `keep`, stopping as soon as only
// `floor` remain.
template <typename Keep>
void removeInOrder(std::vector<KeypointMatch>& matches, size_t floor, Keep keep)
{
    std::vector<KeypointMatch> kept;
    kept.reserve(matches.size());
    size_t remaining = matches.size();
    for (size_t i = 0; i < matches.size(); ++i) {
        if (remaining >= floor && !keep(i)) {
            --remaining;
            continue;
        }
        kept.push_back(matches[i]);
    }
    matches.swap(kept);
}

// The features of the first object laid out for the search: sorted by
// orientation, so that only those within reach of the 0.2-radian test are
// visited, with their descriptors in one block in that order.
struct SearchTable
{
    std::vector<int> byAngle; // feature indices sorted by angle
    std::vector<float> sortedAngles; // their angles, same order
    std::vector<unsigned char> descriptors; // 128 bytes per feature, same order
};

bool buildSearchTable(const std::vector<Keypoint*>& features, SearchTable& table)
{
    const size_t n = features.size();
    for (const Keypoint* k : features)
        if (k->itsOriFV.size() != 128)
            return false;
    table.byAngle.resize(n);
    for (size_t i = 0; i < n; ++i)
        table.byAngle[i] = int(i);
    std::stable_sort(table.byAngle.begin(), table.byAngle.end(),
                     [&](int l, int r) { return features[size_t(l)]->angle < features[size_t(r)]->angle; });
    table.sortedAngles.resize(n);
    table.descriptors.resize(n * 128);
    for (size_t i = 0; i < n; ++i) {
        const Keypoint* k = features[size_t(table.byAngle[i])];
        table.sortedAngles[i] = k->angle;
        std::copy(k->itsOriFV.begin(), k->itsOriFV.end(), table.descriptors.begin() + std::ptrdiff_t(i * 128));
    }
    return true;
}

// The nearest and second nearest distances of one feature and the index of
// the nearest, the candidates offered in any order: a tie on the nearest
// distance keeps the earliest feature, as a scan in feature order would.
struct Nearest
{
    int best, second, index = -1;
    void offer(int d, int i)
    {
        if (d < best) {
            second = best;
            best = d;
            index = i;
        } else if (d == best && index >= 0) {
            second = best;
            index = std::min(index, i);
        } else if (d < second) {
            second = d;
        }
    }
};

// The first sorted position whose feature may pass the 0.2-radian test; the
// window has a margin and the exact test decides.
size_t windowStart(const SearchTable& table, float angle)
{
    const std::vector<float>& a = table.sortedAngles;
    return size_t(std::lower_bound(a.begin(), a.end(), angle - 0.25f) - a.begin());
}

// Offers every feature of the table within 0.2 radians of `angle` to
// `near`, with its squared distance to the descriptor q. The whole distance
// is taken: giving up once a partial sum passes the second nearest was
// slower, its branch being unpredictable.
void search(const SearchTable& table, float angle, const unsigned char* __restrict q, Nearest& near)
{
    const size_t n = table.sortedAngles.size();
    for (size_t i = windowStart(table, angle); i < n && table.sortedAngles[i] <= angle + 0.25f; ++i) {
        if (std::fabs(table.sortedAngles[i] - angle) > 0.2f)
            continue;
        const unsigned char* __restrict p = table.descriptors.data() + i * 128;
        int sum = 0;
        for (int k = 0; k < 128; ++k) {
            const int d = int(p[k]) - int(q[k]);
            sum += d * d;
        }
        near.offer(sum, table.byAngle[i]);
    }
}

#if defined(__GNUC__) && defined(__x86_64__)
#define SIFT_DISTANCE_AVX2 1

// The same search with the descriptor q held widened to 16 bits in
// registers; differences are squared and summed pairwise in 32 bits (at
// most 2 x 255^2 a pair).
__attribute__((target("avx2"))) void searchAvx2(const SearchTable& table, float angle, const unsigned char* q,
                                                Nearest& near)
{
    __m256i wide[8];
    for (int k = 0; k < 8; ++k)
        wide[k] = _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 16 * k)));
    const size_t n = table.sortedAngles.size();
    for (size_t i = windowStart(table, angle); i < n && table.sortedAngles[i] <= angle + 0.25f; ++i) {
        if (std::fabs(table.sortedAngles[i] - angle) > 0.2f)
            continue;
        const unsigned char* p = table.descriptors.data() + i * 128;
        __m256i sum = _mm256_setzero_si256();
        for (int k = 0; k < 8; ++k) {
            const __m256i a = _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k)));
            const __m256i d = _mm256_sub_epi16(a, wide[k]);
            sum = _mm256_add_epi32(sum, _mm256_madd_epi16(d, d));
        }
        __m128i s = _mm_add_epi32(_mm256_castsi256_si128(sum), _mm256_extracti128_si256(sum, 1));
        s = _mm_add_epi32(s, _mm_shuffle_epi32(s, 0x4e));
        s = _mm_add_epi32(s, _mm_shuffle_epi32(s, 0xb1));
        near.offer(_mm_cvtsi128_si32(s), table.byAngle[i]);
    }
}
#endif

} // namespace

std::vector<KeypointMatch> SiftNearestNeighbours(SIFTObject* first, SIFTObject* second)
{
    std::vector<KeypointMatch> matches;
    const std::vector<Keypoint*>& fa = first->features;
    const std::vector<Keypoint*>& fb = second->features;
    if (fa.empty() || fb.empty())
        return matches;
    const int start = int(fa.front()->itsOriFV.size()) * 255 * 255;
    auto accept = [&](const Nearest& n, Keypoint* b) {
        if (n.index >= 0 && n.best <= 80000 && 100LL * n.best < 36LL * n.second)
            matches.push_back({fa[size_t(n.index)], b, n.best, n.second});
    };
    // The plain scan, for descriptors of another length (unequal lengths stop the program).
    auto scan = [&](Keypoint* b) {
        Nearest near{start, start};
        for (size_t i = 0; i < fa.size(); ++i)
            if (!(std::fabs(fa[i]->angle - b->angle) > 0.2f))
                near.offer(fa[i]->distSquared(b), int(i));
        accept(near, b);
    };
    SearchTable table;
    const bool packed = buildSearchTable(fa, table);
#ifdef SIFT_DISTANCE_AVX2
    const bool avx2 = __builtin_cpu_supports("avx2");
#endif
    for (Keypoint* b : fb) {
        if (!packed || b->itsOriFV.size() != 128) {
            scan(b);
            continue;
        }
        Nearest near{start, start};
#ifdef SIFT_DISTANCE_AVX2
        if (avx2)
            searchAvx2(table, b->angle, b->itsOriFV.data(), near);
        else
#endif
            search(table, b->angle, b->itsOriFV.data(), near);
        accept(near, b);
    }
    return matches;
}

namespace {

void houghCluster(std::vector<KeypointMatch>& matches)
{
    struct Range
    {
        double min = 1e30, max = -1e30;
        void add(double v)
        {
            // Both ends are tracked for every value.
            min = std::min(min, v);
            max = std::max(max, v);
        }
        void widen(double least)
        {
            if (max - min < least)
                max = min + least;
        }
    } rx, ry, rs;
    const size_t n = matches.size();
    std::vector<float> dx(n), dy(n), ds(n), dt(n);
    for (size_t i = 0; i < n; ++i) {
        const Keypoint* a = matches[i].first;
        const Keypoint* b = matches[i].second;
        dx[i] = b->x - a->x;
        dy[i] = b->y - a->y;
        ds[i] = b->sigma - a->sigma;
        dt[i] = wrapAngle(b->angle - a->angle);
        rx.add(dx[i]);
        ry.add(dy[i]);
        rs.add(ds[i]);
    }
    rx.widen(1.0);
    ry.widen(1.0);
    rs.widen(0.001);
    const double kx = 8 / (rx.max - rx.min), ky = 8 / (ry.max - ry.min), ks = 8 / (rs.max - rs.min);
    std::vector<float> accumulator(kSiftHoughCells, 0.0f);
    for (size_t i = 0; i < n; ++i)
        HoughAddValue(accumulator.data(), float((dx[i] - rx.min) * kx), float((dy[i] - ry.min) * ky),
                      float((dt[i] + kPi) * 4 / kPi), float((ds[i] - rs.min) * ks), 1.0f);
    float b1, b2, b3, b4;
    HoughGetPeak(accumulator.data(), &b1, &b2, &b3, &b4);
    const double px = rx.min + b1 / kx, py = ry.min + b2 / ky, pt = b3 * kPi / 4 - kPi, ps = rs.min + b4 / ks;
    removeInOrder(matches, 42, [&](size_t i) {
        return px - 0.5 / kx <= dx[i] && dx[i] <= px + 1.5 / kx && py - 0.5 / ky <= dy[i]
            && dy[i] <= py + 1.5 / ky && pt - kPi / 8 <= dt[i] && dt[i] <= pt + 3 * kPi / 8
            && ps - 0.5 / ks <= ds[i] && ds[i] <= ps + 1.5 / ks;
    });
}

void ransac(std::vector<KeypointMatch>& matches)
{
    RansacAffine affine(int(matches.size()), matches.data());
    if (affine.Run(500, 100.0, 0.95))
        removeInOrder(matches, 4, [&](size_t i) { return affine.IsInlier(int(i)); });
    else
        matches.clear();
}

} // namespace

void HoughAddValue(float* accumulator, float cx, float cy, float ca, float cs, float weight)
{
    const Spread x = spreadClamped(cx), y = spreadClamped(cy), a = spreadWrapped(ca), s = spreadClamped(cs);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            for (int k = 0; k < 2; ++k)
                for (int l = 0; l < 2; ++l)
                    accumulator[x.bin[i] * 512 + y.bin[j] * 64 + s.bin[l] * 8 + a.bin[k]] +=
                        weight * x.share[i] * y.share[j] * a.share[k] * s.share[l];
}

void HoughGetPeak(const float* accumulator, float* b1, float* b2, float* b3, float* b4)
{
    int index = 0;
    for (int i = 1; i < kSiftHoughCells; ++i)
        if (accumulator[i] > accumulator[index])
            index = i;
    *b1 = float(index / 512);
    *b2 = float((index / 64) % 8);
    *b3 = float(index % 8);
    *b4 = float((index / 8) % 8);
}

bool SiftAffinePlausible(const SiftAffine& m)
{
    double a = m.a, b = m.b, c = m.c, d = m.d;
    const double det = a * d - b * c;
    if (std::fabs(det) <= 1e-10)
        return false;
    if (det < 0) {
        a = -a;
        b = -b;
        c = -c;
        d = -d;
    }
    const double r = std::sqrt((b - c) * (b - c) + (a + d) * (a + d));
    if (r == 0)
        return false;
    const double cosine = (a + d) / r, sine = (b - c) / r;
    const double sx = a * cosine - c * sine, sy = b * sine + d * cosine;
    const double shear = (c * cosine + a * sine) / r;
    const auto within = [](double v) { return 0.1 <= std::fabs(v) && std::fabs(v) <= 10; };
    return within(sx) && within(sy) && std::fabs(shear / sx) <= 2 && std::fabs(shear / sy) <= 2;
}

int SIFTMatching(SIFTObject* first, SIFTObject* second, std::vector<tagSIFTPOINT>* out, SiftAffine* affine)
{
    if (!first || !second || !out)
        return StitchNullArgument;
    out->clear();
    std::vector<KeypointMatch> matches = SiftNearestNeighbours(first, second);
    if (matches.size() < 3)
        return 0;
    if (matches.size() >= 42)
        houghCluster(matches);
    if (matches.size() > 3)
        ransac(matches);
    SiftAffine fit;
    if (matches.size() > 2) {
        fit = SiftAffine{0, 0, 0, 0, 0, 0};
        // A singular system keeps the all-zero fit, which the test below refuses.
        SolveAffineLeastSquares(int(matches.size()), matches.data(), fit);
    }
    if (affine)
        *affine = fit;
    if (!SiftAffinePlausible(fit) || matches.size() < 4)
        return 0;
    // The points already placed in each image, so that a pair within one
    // pixel (both coordinates) of an earlier one is found without a scan.
    std::unordered_set<std::uint64_t> placedFirst, placedSecond;
    placedFirst.reserve(matches.size());
    placedSecond.reserve(matches.size());
    auto key = [](int x, int y) { return (std::uint64_t(std::uint32_t(x)) << 32) | std::uint32_t(y); };
    auto taken = [&](const std::unordered_set<std::uint64_t>& placed, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (placed.count(key(x + dx, y + dy)))
                    return true;
        return false;
    };
    for (const KeypointMatch& m : matches) {
        const int xa = int(m.first->x + 0.5f), ya = int(m.first->y + 0.5f);
        const int xb = int(m.second->x + 0.5f), yb = int(m.second->y + 0.5f);
        if (xa < 1 || xa >= first->width - 1 || ya < 1 || ya >= first->height - 1 || xb < 1
            || xb >= second->width - 1 || yb < 1 || yb >= second->height - 1)
            continue;
        if (taken(placedFirst, xa, ya) || taken(placedSecond, xb, yb))
            continue;
        placedFirst.insert(key(xa, ya));
        placedSecond.insert(key(xb, yb));
        out->push_back({xa, ya});
        out->push_back({xb, yb});
    }
    const int pairs = int(out->size() / 2);
    if (pairs > 4)
        return pairs;
    out->clear();
    return 0;
}
