// The least-cost seam from the first usable row of the overlap to the last:
// each row's column moves by at most one from the row before.
#include "stitch/blend/CSmoothRender.h"

#include "stitch/blend/SmoothRenderKernels.h"
#include "stitch/interface/StitchEnums.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstdint>
#include <memory>
#include <new>

namespace {

// Costs stay below 2^26 (765 a row over at most 65533 rows, after a first
// row of at most 65535), so signed 32-bit lanes hold them and the largest
// value can stand for "unreachable" without meeting a real cost.
constexpr std::int32_t kUnreachable = 0x7FFFFFFF;

// One step of the search from prev to cur over graph row g. back receives
// each cell's move (-1, 0, +1) to its predecessor: straight on first, then
// left, then right, each only when strictly cheaper; at the edges a tie
// goes to the inner column. False when every cell is unreachable.
SMOOTH_RENDER_CLONES
bool Step(const std::int32_t* __restrict prev, const unsigned short* __restrict g, int width,
          std::int32_t* __restrict cur, signed char* __restrict back)
{
    if (width == 1) {
        const bool dead = g[0] == CSmoothRender::kUnusable || prev[0] == kUnreachable;
        cur[0] = dead ? kUnreachable : prev[0] + g[0];
        back[0] = 0;
        return !dead;
    }
    auto edge = [&](int c, bool inner, int move) {
        // inner: the predecessor is the inner column; move leads there.
        const bool unusable = g[c] == CSmoothRender::kUnusable;
        const std::int32_t best = inner ? prev[c + move] : prev[c];
        const bool dead = unusable || best == kUnreachable;
        cur[c] = dead ? kUnreachable : best + g[c];
        back[c] = (signed char)(unusable || inner ? move : 0);
        return !dead;
    };
    bool any = edge(0, prev[1] <= prev[0], 1);
    any |= edge(width - 1, prev[width - 2] < prev[width - 1], -1);
    // The middle, branch-free so that it runs on vector lanes.
    int alive = 0;
    for (int c = 1; c < width - 1; ++c) {
        const std::int32_t left = prev[c - 1], straight = prev[c], right = prev[c + 1];
        const bool takeLeft = left < straight;
        std::int32_t best = takeLeft ? left : straight;
        int move = takeLeft ? -1 : 0;
        const bool takeRight = right < best;
        best = takeRight ? right : best;
        move = takeRight ? 1 : move;
        const int value = g[c];
        const bool unusable = value == CSmoothRender::kUnusable;
        const bool dead = unusable | (best == kUnreachable);
        cur[c] = dead ? kUnreachable : best + value;
        back[c] = (signed char)(unusable ? 0 : move);
        alive |= !dead;
    }
    return any || alive;
}

// The first column of the smallest cost (0 when all are unreachable).
int Cheapest(const std::int32_t* costs, int width)
{
    std::int32_t best = kUnreachable;
    int column = 0;
    for (int c = 0; c < width; ++c) {
        if (costs[c] < best) {
            best = costs[c];
            column = c;
        }
    }
    return column;
}

// The search over graph rows from `from` towards `to` (step +1 or -1).
// The forward sweep keeps only the cost row of every segment's first row;
// the trace sweeps each segment again, from the last one back, to get its
// moves. Two sweeps of small buffers cost less than a move per graph cell
// held in memory.
class Sweep
{
public:
    Sweep(const unsigned short* graph, int width, int from, int to)
        : m_graph(graph), m_width(width), m_from(from), m_step(to >= from ? 1 : -1)
    {
        const int rows = std::abs(to - from) + 1;
        m_segment = std::max(16, 2 * int(std::sqrt(double(rows))));
        const size_t w = size_t(width);
        m_saved.reset(new (std::nothrow) std::int32_t[size_t((rows - 1) / m_segment + 1) * w]);
        m_costs.reset(new (std::nothrow) std::int32_t[w]);
        m_next.reset(new (std::nothrow) std::int32_t[w]);
        m_moves.reset(new (std::nothrow) signed char[size_t(std::min(m_segment, rows)) * w]);
    }
    bool ok() const { return m_saved && m_costs && m_next && m_moves; }

    // Runs to `to` or to the row before the first row with no reachable
    // cell; returns the last row reached. The first row's costs are its
    // graph values (an unusable pixel starts at 65535).
    int Forward(int to)
    {
        std::copy(Row(m_from), Row(m_from) + m_width, m_costs.get());
        int reached = m_from;
        for (int k = 1; k <= std::abs(to - m_from); ++k) {
            if ((k - 1) % m_segment == 0)
                std::copy(m_costs.get(), m_costs.get() + m_width, Saved((k - 1) / m_segment));
            const int row = m_from + k * m_step;
            if (!Step(m_costs.get(), Row(row), m_width, m_next.get(), m_moves.get()))
                break;
            m_costs.swap(m_next);
            reached = row;
        }
        return reached;
    }

    // Columns from `reached` back to the first row, starting at the
    // cheapest end; put(row, column) receives each.
    template <typename Put> void Trace(int reached, Put put)
    {
        int column = Cheapest(m_costs.get(), m_width);
        int k = std::abs(reached - m_from);
        while (k > 0) {
            const int base = (k - 1) / m_segment * m_segment;
            std::copy(Saved(base / m_segment), Saved(base / m_segment) + m_width, m_next.get());
            for (int j = base + 1; j <= k; ++j) {
                Step(m_next.get(), Row(m_from + j * m_step), m_width, m_costs.get(), Moves(j - base - 1));
                m_next.swap(m_costs);
            }
            for (; k > base; --k) {
                put(m_from + k * m_step, column);
                column += Moves(k - base - 1)[column];
            }
        }
        put(m_from, column);
    }

private:
    const unsigned short* Row(int row) const { return m_graph + size_t(row) * size_t(m_width); }
    std::int32_t* Saved(int j) { return m_saved.get() + size_t(j) * size_t(m_width); }
    signed char* Moves(int j) { return m_moves.get() + size_t(j) * size_t(m_width); }

    const unsigned short* m_graph;
    int m_width;
    int m_from;
    int m_step;
    int m_segment = 16;
    std::unique_ptr<std::int32_t[]> m_saved;
    std::unique_ptr<std::int32_t[]> m_costs;
    std::unique_ptr<std::int32_t[]> m_next;
    std::unique_ptr<signed char[]> m_moves;
};

} // namespace

bool CSmoothRender::PathWindow(const unsigned short* graph, int* first, int* last) const
{
    const int w = m_lWidth;
    const int half = w / 2;
    auto good = [&](int row) {
        const unsigned short* g = graph + size_t(row) * size_t(w);
        int usable = 0;
        for (int x = 0; x < w; ++x)
            usable += g[x] != kUnusable;
        return usable >= half;
    };
    int top = 0;
    while (top < m_lHeight && !good(top))
        ++top;
    if (top == m_lHeight)
        return false;
    int bottom = m_lHeight - 1;
    while (!good(bottom))
        --bottom;
    // A bad row cuts the window on the side nearer to it; distances are
    // measured from the rows found above.
    int from = top;
    int to = bottom;
    for (int row = top; row <= bottom; ++row) {
        if (good(row))
            continue;
        if (row - top >= bottom - row) {
            to = row - 1;
            break;
        }
        from = row + 1;
    }
    *first = from;
    *last = to;
    return to > from;
}

int CSmoothRender::DividingPathGlobal(const unsigned short* graph)
{
    delete[] m_pPath;
    m_pPath = new (std::nothrow) unsigned short[size_t(m_lHeight) + 2]();
    if (!m_pPath)
        return StitchNullArgument;
    const int w = m_lWidth;
    int first = 0;
    int last = 0;
    if (w < 1 || m_lHeight < 2 || !PathWindow(graph, &first, &last))
        return 0;

    unsigned short* path = m_pPath;
    path[0] = (unsigned short)(last - first + 3);
    path[1] = (unsigned short)last;
    auto put = [&](int row, int column) { path[2 + (last - row)] = (unsigned short)column; };

    // Upper piece, followed back from its cheapest end.
    int stop = last + 1; // the first row no cell of which is reachable
    {
        Sweep down(graph, w, first, last);
        if (!down.ok())
            return StitchNullArgument;
        const int reached = down.Forward(last);
        stop = reached + 1;
        down.Trace(reached, put);
    }
    if (stop > last)
        return 0;

    // Split seam: search the rows below the gap again from the bottom up,
    // never above the row where the forward pass stopped.
    Sweep up(graph, w, last, stop);
    if (!up.ok())
        return StitchNullArgument;
    const int top = up.Forward(stop);
    for (int row = stop; row < top; ++row)
        put(row, kNoSeamPoint);
    up.Trace(top, put);
    return 0;
}
