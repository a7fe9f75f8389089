// The blend of one channel run down the band a row at a time: every level
// of the Gaussian, Laplacian and blended pyramids is made row by row as the
// rows below need it, and only the last few rows of each are held. The
// results are those of the level-at-a-time steps (the same row kernels on
// the same rows), with memory of a few hundred band rows instead of three
// whole pyramids.
#include "stitch/blend/CSmoothRender.h"

#include "stitch/blend/SmoothRenderKernels.h"
#include "stitch/blend/SmoothRenderLock.h"
#include "stitch/image/CImage.h"
#include "stitch/job/CStitchOptions.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>

using namespace SmoothRenderKernels;

namespace {

// Rows kept per step. The widest spread of rows one step is asked for while
// the band advances is about twenty (the band's own rows, read again
// for the finest Laplacian after the coarser levels ran ahead).
constexpr int kSlots = 32;

// The passes over the stream's rows, built also for wider vector units
// (the division by 400 takes several instructions a lane, the along-row
// passes read every other sample).
SMOOTH_RENDER_CLONES
void ReduceAlongRow(const int* p, int width, int* out)
{
    ReduceAlong<int, int>(p, width, out);
}

SMOOTH_RENDER_CLONES
void ExpandAlongRow(const int* q, int n, int* out)
{
    ExpandAlong<int>(q, n, out);
}

SMOOTH_RENDER_CLONES
void ExpandDownRow(const int* const rows[5], bool odd, int count, int* fine, bool add)
{
    ExpandDown<int, int>(rows, odd, count, fine, add);
}

SMOOTH_RENDER_CLONES
void ReduceDownRow(const int* const rows[5], int count, int* out)
{
    ReduceDown<int, int>(rows, count, out);
}

} // namespace

class CSmoothRender::BandStream
{
public:
    explicit BandStream(CSmoothRender& owner) : m_owner(owner)
    {
        for (int k = 0; k < 3; ++k) {
            m_width[k] = std::max(owner.LevelWidth(k), 0);
            m_height[k] = std::max(owner.LevelHeight(k), 0);
        }
        const int w0 = m_width[0], w1 = m_width[1], w2 = m_width[2];
        // Widths of every step's rows, in the order of the caches.
        const int widths[kCaches] = {2 * w0, w1, w1, w1, w1, w2, w2, w2, w2, 2 * w1, 2 * w1, 2 * w2, 2 * w2,
                                     w0, w1, w1, w2, w2, w2, 2 * w2, w1, 2 * w1};
        // Each channel has its own steps; the weights (held once) serve all.
        auto width = [&](int channel, int cache) { return channel > 0 && IsWeight(Cache(cache)) ? 0 : widths[cache]; };
        size_t total = 5 * size_t(w0); // two Laplacian rows and three output rows
        for (int c = 0; c < 3; ++c)
            for (int i = 0; i < kCaches; ++i)
                total += size_t(kSlots) * size_t(width(c, i));
        m_storage.reset(new (std::nothrow) int[std::max<size_t>(total, 1)]);
        if (!m_storage)
            return;
        int* at = m_storage.get();
        for (int c = 0; c < 3; ++c)
            for (int i = 0; i < kCaches; ++i) {
                m_caches[c][i].Attach(at, width(c, i), kSlots, m_tags[c][i]);
                at += size_t(kSlots) * size_t(width(c, i));
            }
        m_laplaceA = at;
        m_laplaceB = at + w0;
        for (int c = 0; c < 3; ++c)
            m_out[c] = at + (2 + c) * w0;
    }
    bool ok() const { return m_storage != nullptr; }

    void SetWeights(const unsigned char* flags, const unsigned int* extents)
    {
        m_flags = flags;
        m_extents = extents;
    }

    // Blends channels 0 .. count - 1 and writes them into image B (when it
    // is locked; the band reads as zeros when A or B is not), a band row of
    // every channel at a time. False when a band row already written would
    // have to be read again (the row windows too small for the band: a
    // fault, never expected).
    bool BlendChannels(int count, const SmoothRenderLock& lockA, const SmoothRenderLock& lockB)
    {
        m_lockA = &lockA;
        m_lockB = &lockB;
        m_gather = lockA.ok() && lockB.ok();
        m_written = -1;
        m_fault = false;
        for (int r = 0; r < m_height[0] && !m_fault; ++r) {
            if (m_owner.PathColumn(r) == kNoSeamPoint)
                continue;
            // Every channel's row is made before any is written: a channel
            // must not read the band of a row already written.
            for (m_channel = 0; m_channel < count; ++m_channel) {
                m_owner.m_lChannel = m_channel;
                MakeOutput(r);
            }
            for (int c = 0; c < count && lockB.ok(); ++c) {
                m_owner.m_lChannel = c;
                m_owner.WriteRow(lockB, r, m_out[c]);
            }
            m_written = r;
        }
        return !m_fault;
    }

private:
    enum Cache {
        Gauss0, Along0A, Along0B, Gauss1A, Gauss1B, Along1A, Along1B, Gauss2A, Gauss2B, Spread1A, Spread1B,
        Spread2A, Spread2B, Weight0, WeightAlong0, Weight1, WeightAlong1, Weight2, Blend2, Spread2Blend, Blend1,
        Spread1Blend, kCaches
    };
    static bool IsWeight(Cache cache) { return cache >= Weight0 && cache <= Weight2; }

    template <typename Make> const int* Get(Cache cache, int row, Make make)
    {
        return m_caches[IsWeight(cache) ? 0 : m_channel][cache].Get(row, [&](int r, int* out) { make(r, out); });
    }
    static Cache Side(Cache a, int side) { return Cache(a + side); }

    // Level 0 of A (side 0) and B (side 1): the band as gathered.
    const int* Gauss0Row(int side, int r)
    {
        return Get(Gauss0, r, [&](int row, int* out) {
            std::fill(out, out + 2 * m_width[0], 0);
            if (!m_gather)
                return;
            if (row <= m_written)
                m_fault = true;
            m_owner.GatherRow(*m_lockA, *m_lockB, row, out, out + m_width[0], false);
        }) + side * m_width[0];
    }
    const int* Along0Row(int side, int r)
    {
        return Get(Side(Along0A, side), r, [&](int row, int* out) { ReduceAlongRow(Gauss0Row(side, row), m_width[0], out); });
    }
    const int* Gauss1Row(int side, int r)
    {
        return Get(Side(Gauss1A, side), r, [&](int row, int* out) {
            const int* rows[5];
            for (int d = 0; d < 5; ++d)
                rows[d] = Along0Row(side, ReduceRow(2 * row + d - 2, m_height[0]));
            ReduceDownRow(rows, m_width[1], out);
        });
    }
    const int* Along1Row(int side, int r)
    {
        return Get(Side(Along1A, side), r, [&](int row, int* out) { ReduceAlongRow(Gauss1Row(side, row), m_width[1], out); });
    }
    const int* Gauss2Row(int side, int r)
    {
        return Get(Side(Gauss2A, side), r, [&](int row, int* out) {
            const int* rows[5];
            for (int d = 0; d < 5; ++d)
                rows[d] = Along1Row(side, ReduceRow(2 * row + d - 2, m_height[1]));
            ReduceDownRow(rows, m_width[2], out);
        });
    }
    // Along-row expansions of the coarser Gaussian rows.
    const int* Spread1Row(int side, int r)
    {
        return Get(Side(Spread1A, side), r, [&](int row, int* out) { ExpandAlongRow(Gauss1Row(side, row), m_width[1], out); });
    }
    const int* Spread2Row(int side, int r)
    {
        return Get(Side(Spread2A, side), r, [&](int row, int* out) { ExpandAlongRow(Gauss2Row(side, row), m_width[2], out); });
    }

    // The weights: A's share, 4096 = all.
    const int* Weight0Row(int r)
    {
        return Get(Weight0, r, [&](int row, int* out) {
            std::fill(out, out + m_width[0], 0);
            if (m_flags && m_extents)
                m_owner.WeightRow(m_flags, m_extents, row, out);
        });
    }
    const int* WeightAlong0Row(int r)
    {
        return Get(WeightAlong0, r, [&](int row, int* out) { ReduceAlongRow(Weight0Row(row), m_width[0], out); });
    }
    const int* Weight1Row(int r)
    {
        return Get(Weight1, r, [&](int row, int* out) {
            const int* rows[5];
            for (int d = 0; d < 5; ++d)
                rows[d] = WeightAlong0Row(ReduceRow(2 * row + d - 2, m_height[0]));
            ReduceDownRow(rows, m_width[1], out);
        });
    }
    const int* WeightAlong1Row(int r)
    {
        return Get(WeightAlong1, r, [&](int row, int* out) { ReduceAlongRow(Weight1Row(row), m_width[1], out); });
    }
    const int* Weight2Row(int r)
    {
        return Get(Weight2, r, [&](int row, int* out) {
            const int* rows[5];
            for (int d = 0; d < 5; ++d)
                rows[d] = WeightAlong1Row(ReduceRow(2 * row + d - 2, m_height[1]));
            ReduceDownRow(rows, m_width[2], out);
        });
    }

    // Blended level 2 (still Gaussian) and its along-row expansion.
    const int* Blend2Row(int r)
    {
        return Get(Blend2, r, [&](int row, int* out) {
            const int* w = Weight2Row(row);
            const int* a = Gauss2Row(0, row);
            const int* b = Gauss2Row(1, row);
            for (int k = 0; k < m_width[2]; ++k)
                out[k] = b[k] * (kOne - w[k]) + a[k] * w[k];
        });
    }
    const int* Spread2BlendRow(int r)
    {
        return Get(Spread2Blend, r, [&](int row, int* out) { ExpandAlongRow(Blend2Row(row), m_width[2], out); });
    }

    // One row of level `fine` (0 or 1): the blend of A's and B's Laplacian
    // rows plus the expanded blend of the level above. spreadA/B expand the
    // coarser Gaussian rows, spreadBlend the coarser blend.
    template <typename SpreadA, typename SpreadB, typename SpreadBlend, typename GaussFine>
    void BlendLevel(int fine, int r, int* out, const int* weights, SpreadA spreadA, SpreadB spreadB,
                    SpreadBlend spreadBlend, GaussFine gauss)
    {
        const int coarseRows = m_height[fine + 1];
        const bool spread = r < 2 * coarseRows;
        const int* ea[5];
        const int* eb[5];
        const int* ec[5];
        if (spread) {
            for (int d = 0; d < 5; ++d) {
                const int m = ExpandIndex(r / 2 + d - 2, coarseRows);
                ea[d] = spreadA(m);
                eb[d] = spreadB(m);
                ec[d] = spreadBlend(m);
            }
        }
        const int width = m_width[fine];
        const int spreadWidth = 2 * m_width[fine + 1];
        // Laplacian rows: the Gaussian row less the expanded one above it.
        const int* ga = gauss(0, r);
        std::copy(ga, ga + width, m_laplaceA);
        const int* gb = gauss(1, r);
        std::copy(gb, gb + width, m_laplaceB);
        if (spread) {
            ExpandDownRow(ea, r % 2 == 1, spreadWidth, m_laplaceA, false);
            ExpandDownRow(eb, r % 2 == 1, spreadWidth, m_laplaceB, false);
        }
        for (int k = 0; k < width; ++k)
            out[k] = m_laplaceB[k] * (kOne - weights[k]) + m_laplaceA[k] * weights[k];
        if (spread)
            ExpandDownRow(ec, r % 2 == 1, spreadWidth, out, true);
    }
    const int* Blend1Row(int r)
    {
        return Get(Blend1, r, [&](int row, int* out) {
            const int* w = Weight1Row(row);
            BlendLevel(
                1, row, out, w, [&](int m) { return Spread2Row(0, m); }, [&](int m) { return Spread2Row(1, m); },
                [&](int m) { return Spread2BlendRow(m); }, [&](int side, int q) { return Gauss1Row(side, q); });
        });
    }
    const int* Spread1BlendRow(int r)
    {
        return Get(Spread1Blend, r, [&](int row, int* out) { ExpandAlongRow(Blend1Row(row), m_width[1], out); });
    }
    void MakeOutput(int r)
    {
        const int* w = Weight0Row(r);
        BlendLevel(
            0, r, m_out[m_channel], w, [&](int m) { return Spread1Row(0, m); }, [&](int m) { return Spread1Row(1, m); },
            [&](int m) { return Spread1BlendRow(m); }, [&](int side, int q) { return Gauss0Row(side, q); });
    }

    CSmoothRender& m_owner;
    int m_width[3] = {0, 0, 0};
    int m_height[3] = {0, 0, 0};
    std::unique_ptr<int[]> m_storage;
    RowCache<int> m_caches[3][kCaches];
    int m_tags[3][kCaches][kSlots];
    int* m_laplaceA = nullptr;
    int* m_laplaceB = nullptr;
    int* m_out[3] = {nullptr, nullptr, nullptr};
    int m_channel = 0;
    const unsigned char* m_flags = nullptr;
    const unsigned int* m_extents = nullptr;
    const SmoothRenderLock* m_lockA = nullptr;
    const SmoothRenderLock* m_lockB = nullptr;
    bool m_gather = false;
    int m_written = -1;
    bool m_fault = false;
};

int CSmoothRender::BlendChannels(int progressStart, int progressEnd)
{
    BandStream stream(*this);
    if (!stream.ok())
        return StitchNullArgument;
    const double unit = (progressEnd - progressStart) / 100.0;
    double p = progressStart;
    if (Report(p))
        return StitchCancelled;
    SetPyramidFilter();
    // The weights are made row by row from the flags; the object lets go
    // of them here as the level-at-a-time steps do.
    std::unique_ptr<unsigned char[]> flags(std::exchange(m_pSeamFlags, nullptr));
    std::unique_ptr<unsigned int[]> extents(std::exchange(m_pSeamExtents, nullptr));
    stream.SetWeights(flags.get(), extents.get());
    p += 2 * unit;
    if (Report(p))
        return StitchCancelled;
    p += 2 * unit;
    if (Report(p))
        return StitchCancelled;
    const bool path = m_pPath && FirstPathRow() <= m_pPath[1];
    // The reports of each channel's steps (gather, Gaussian, Laplacian,
    // blend, reconstruction, written) come first and the channels are then
    // blended in one pass down the band; a cancel keeps exactly what the
    // steps one channel after another would have done before it: the
    // channels finished, and B's mask widened once the last channel's band
    // was read.
    auto stepReports = [](int start, int end) {
        // A two-level step: its start, one report per level, its end.
        if (CStitchOptions::ShowProgress(start))
            return true;
        for (int k = 1; k <= 2; ++k)
            if (CStitchOptions::ShowProgress(int(start + k * double(end - start) / 2)))
                return true;
        return CStitchOptions::ShowProgress(end);
    };
    int finished = 0;
    bool cancelled = false;
    int channel = 0;
    for (; channel < 3; ++channel) {
        m_lChannel = channel;
        p += unit;
        cancelled = Report(p);
        if (!cancelled) {
            p += 5 * unit;
            cancelled = Report(p);
        }
        if (!cancelled) {
            const int start = int(p + 0.5), end = int(p + 17 * unit + 0.5);
            cancelled = stepReports(start, end);
            p += 17 * unit;
        }
        if (!cancelled) {
            p += unit;
            cancelled = Report(p);
        }
        if (!cancelled) {
            const int start = int(p + 0.5), end = int(p + 7 * unit + 0.5);
            cancelled = stepReports(start, end);
            p += 7 * unit;
        }
        if (cancelled)
            break;
        finished = channel + 1;
        p += unit;
        cancelled = Report(p);
        if (cancelled)
            break;
    }
    const bool lastBandRead = channel == 2 || channel == 3;
    // Images the host will not lock are a failure, never a band left
    // unblended or a mask left unwidened that passes as joined.
    if (path && finished > 0) {
        SmoothRenderLock lockA(m_pImageA);
        SmoothRenderLock lockB(m_pImageB);
        if (!lockA.ok() || !lockB.ok())
            return StitchBadArgument;
        if (!stream.BlendChannels(finished, lockA, lockB))
            return StitchNullArgument;
    }
    if (path && lastBandRead) {
        SmoothRenderLock lockA(m_pImageA);
        SmoothRenderLock lockB(m_pImageB);
        if (!lockA.ok() || !lockB.ok())
            return StitchBadArgument;
        m_lChannel = 2;
        for (int i = 0; i < m_lPathRows; ++i)
            GatherRow<int>(lockA, lockB, i, nullptr, nullptr, true);
    }
    m_lChannel = channel;
    if (cancelled)
        return StitchCancelled;
    return m_bHorizontal ? ReplaceDataHorz() : ReplaceDataVert();
}
