#pragma once

#include "stitch/interface/StitchEnums.h"

class CStitchMatrix;

// Two neighbouring photos of a job's grid. The owner keeps what the two
// share (twins, coarse angle and score, pair transform, overlap
// rectangles) in its right fields for a horizontal pair, in its lower
// fields otherwise.
struct NeighbourPair
{
    int col = 0, row = 0;         // the owner
    int nextCol = 0, nextRow = 0; // its right or lower neighbour
    bool horizontal = true;
    bool closing = false; // a ring's last photo with its first

    // Only a ring of one photo pairs a photo with itself.
    bool WithItself() const { return col == nextCol && row == nextRow; }
};

// The neighbour pairs of a grid of cols x rows in a layout style, in the
// one order every stage walks them:
// - row: (c, 0) with (c + 1, 0), left to right;
// - column: (0, r) with (0, r + 1), top to bottom;
// - ring: the row's pairs, then the closing pair, the last photo (cols - 1,
//   0) with the first (0, 0); a ring of one photo has only that pair;
// - tile grid: the right pairs row by row, each row left to right, then the
//   lower pairs column by column, each column top to bottom.
// A row and a ring lie in row 0 and a column in column 0 whatever the grid's
// other size; any other style value has no pairs. Cells are not looked at:
// whether a cell holds an element in use is the walker's to check.
//
// The seams of a render are the first SeamCount() pairs: a tile grid is
// rendered row by row into strips, so its seams are the right pairs and
// then, one per following row, the lower pair of column 0, whose owner
// keeps the seam between its row's strip and the next.
class NeighbourPairs
{
public:
    NeighbourPairs(tagStitchStyle style, int cols, int rows);
    explicit NeighbourPairs(const CStitchMatrix& grid);

    int Count() const { return m_lCount; }
    int SeamCount() const { return m_lSeams; }
    // Pair k of the walk, 0 <= k < Count().
    NeighbourPair At(int k) const;

    class Iterator
    {
    public:
        Iterator(const NeighbourPairs* pairs, int k) : m_pPairs(pairs), m_lIndex(k) {}
        NeighbourPair operator*() const { return m_pPairs->At(m_lIndex); }
        Iterator& operator++()
        {
            ++m_lIndex;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return m_lIndex != other.m_lIndex; }

    private:
        const NeighbourPairs* m_pPairs;
        int m_lIndex;
    };
    Iterator begin() const { return Iterator(this, 0); }
    Iterator end() const { return Iterator(this, m_lCount); }

private:
    tagStitchStyle m_Style;
    int m_lCols;
    int m_lRows;
    int m_lRight = 0; // right pairs of a tile grid, walked before its lower pairs
    int m_lCount = 0;
    int m_lSeams = 0;
};
