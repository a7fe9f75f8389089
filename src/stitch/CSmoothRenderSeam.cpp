// The least-cost seam from the first usable row of the overlap to the last:
// each row's column moves by at most one from the row before.
#include "stitch/CSmoothRender.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

namespace {

// Costs are sums of differences (at most 765 a row over at most 65533
// rows), so the largest 32-bit value can stand for "unreachable" without
// meeting a real cost.
constexpr std::uint32_t kUnreachable = 0xFFFFFFFFu;

// Takes the cheapest predecessor of column c among prev[c - 1 .. c + 1]:
// straight on first, then left, then right, each only when strictly cheaper;
// at the edges a tie goes to the inner column.
inline int Predecessor(const std::uint32_t* prev, int c, int width)
{
    if (width == 1)
        return 0;
    if (c == 0)
        return prev[1] <= prev[0] ? 1 : 0;
    if (c == width - 1)
        return prev[width - 2] < prev[width - 1] ? width - 2 : width - 1;
    int back = prev[c - 1] < prev[c] ? c - 1 : c;
    if (prev[c + 1] < prev[back])
        back = c + 1;
    return back;
}

// One step of the search from prev to cur over graph row g; back receives
// the chosen columns. False when every cell is unreachable.
bool Step(const std::uint32_t* prev, const unsigned short* g, int width, std::uint32_t* cur, unsigned short* back)
{
    bool any = false;
    for (int c = 0; c < width; ++c) {
        if (g[c] == CSmoothRender::kUnusable) {
            cur[c] = kUnreachable;
            back[c] = (unsigned short)(c == 0 ? std::min(1, width - 1) : (c == width - 1 ? width - 2 : c));
            continue;
        }
        const int from = Predecessor(prev, c, width);
        back[c] = (unsigned short)from;
        if (prev[from] == kUnreachable) {
            cur[c] = kUnreachable;
            continue;
        }
        cur[c] = prev[from] + g[c];
        any = true;
    }
    return any;
}

// The first column of the smallest cost (0 when all are unreachable).
int Cheapest(const std::uint32_t* costs, int width)
{
    std::uint32_t best = kUnreachable;
    int column = 0;
    for (int c = 0; c < width; ++c) {
        if (costs[c] < best) {
            best = costs[c];
            column = c;
        }
    }
    return column;
}

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
        return -2;
    const int w = m_lWidth;
    int first = 0;
    int last = 0;
    if (w < 1 || m_lHeight < 2 || !PathWindow(graph, &first, &last))
        return 0;

    const int rows = last - first + 1;
    std::vector<std::uint32_t> prev(static_cast<size_t>(w)), cur(static_cast<size_t>(w));
    std::unique_ptr<unsigned short[]> back(new (std::nothrow) unsigned short[size_t(rows) * size_t(w)]);
    if (!back)
        return -2;
    // Every cell a trace reads is written by a step first.
    auto graphRow = [&](int row) { return graph + size_t(row) * size_t(w); };
    auto backRow = [&](int row) { return back.get() + size_t(row - first) * size_t(w); };

    // Forward pass; an unusable pixel of the first row starts at 65535.
    std::copy(graphRow(first), graphRow(first) + w, prev.begin());
    int stop = last + 1; // the first row no cell of which is reachable
    for (int row = first + 1; row <= last; ++row) {
        if (!Step(prev.data(), graphRow(row), w, cur.data(), backRow(row))) {
            stop = row;
            break;
        }
        prev.swap(cur);
    }

    unsigned short* path = m_pPath;
    path[0] = (unsigned short)(rows + 2);
    path[1] = (unsigned short)last;
    auto word = [&](int row) -> unsigned short& { return path[2 + (last - row)]; };

    // Upper piece, followed back from its cheapest end.
    int column = Cheapest(prev.data(), w);
    for (int row = stop - 1; row >= first; --row) {
        word(row) = (unsigned short)column;
        if (row > first)
            column = backRow(row)[column];
    }
    if (stop > last)
        return 0;

    // Split seam: search the rows below the gap again from the bottom up,
    // never above the row where the forward pass stopped.
    std::copy(graphRow(last), graphRow(last) + w, prev.begin());
    int top = last;
    for (int row = last - 1; row >= stop; --row) {
        if (!Step(prev.data(), graphRow(row), w, cur.data(), backRow(row)))
            break;
        prev.swap(cur);
        top = row;
    }
    for (int row = stop; row < top; ++row)
        word(row) = kNoSeamPoint;
    column = Cheapest(prev.data(), w);
    for (int row = top; row <= last; ++row) {
        word(row) = (unsigned short)column;
        if (row < last)
            column = backRow(row)[column];
    }
    return 0;
}
