#include "stitch/job/NeighbourPairs.h"

#include "stitch/job/CStitchMatrix.h"

#include <algorithm>

NeighbourPairs::NeighbourPairs(tagStitchStyle style, int cols, int rows)
    : m_Style(style)
    , m_lCols(std::max(cols, 0))
    , m_lRows(std::max(rows, 0))
{
    const int alongRow = std::max(m_lCols - 1, 0);
    const int alongColumn = std::max(m_lRows - 1, 0);
    switch (m_Style) {
    case StitchStyleHorizontal:
        m_lCount = alongRow;
        m_lSeams = m_lCount;
        break;
    case StitchStyleVertical:
        m_lCount = alongColumn;
        m_lSeams = m_lCount;
        break;
    case StitchStyle360:
        m_lCount = m_lCols;
        m_lSeams = m_lCount;
        break;
    case StitchStyleTile:
        m_lRight = m_lRows * alongRow;
        m_lCount = m_lRight + m_lCols * alongColumn;
        m_lSeams = m_lCols > 0 ? m_lRight + alongColumn : 0;
        break;
    }
}

NeighbourPairs::NeighbourPairs(const CStitchMatrix& grid)
    : NeighbourPairs(grid.m_Style, grid.m_lCols, grid.m_lRows)
{
}

NeighbourPair NeighbourPairs::At(int k) const
{
    NeighbourPair p;
    switch (m_Style) {
    case StitchStyleHorizontal:
        p.col = k;
        p.nextCol = k + 1;
        break;
    case StitchStyleVertical:
        p.row = k;
        p.nextRow = k + 1;
        p.horizontal = false;
        break;
    case StitchStyle360:
        p.col = k;
        p.closing = k == m_lCols - 1;
        p.nextCol = p.closing ? 0 : k + 1;
        break;
    case StitchStyleTile:
        if (k < m_lRight) {
            p.row = k / (m_lCols - 1);
            p.col = k % (m_lCols - 1);
            p.nextCol = p.col + 1;
            p.nextRow = p.row;
        } else {
            const int j = k - m_lRight;
            p.col = j / (m_lRows - 1);
            p.row = j % (m_lRows - 1);
            p.nextCol = p.col;
            p.nextRow = p.row + 1;
            p.horizontal = false;
        }
        break;
    }
    return p;
}
