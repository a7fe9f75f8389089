#pragma once

#include "stitch/interface/StitchEnums.h"

class CProcessingList;
class CStitchElement;
class CStitchOptions;
struct tagPOINT;

// The grid of a job: element (col, row) is m_pElements[row x cols + col].
// The job owns the array (new[]); the matrix only addresses it.
class CStitchMatrix
{
public:
    // Null outside the grid, without an array, or for an element not in use.
    CStitchElement* GetElement(int col, int row) const;
    // Releases that layer of every element in use, in array order.
    void ReleaseLayerImages(int layer);
    // True for a tile grid of at least 2 x 2 whose every row and column holds
    // an element in use and whose visiting order reaches every element.
    bool VerifyMatrixLayout() const;
    // The order in which elements are visited: the first in-use element of
    // column 0, then the following positions of the grid, stopping at the
    // first one that is not in use.
    void GetProcessingList(CProcessingList* list) const;

    // Picks the job's deepest layer (the first whose smallest photo has
    // fewer than 3600 pixels) and working layer (min(output size, 2,
    // deepest)) for count photos of the given sizes; returns the deepest.
    static int CalcPyramidLayer(int count, const tagPOINT* sizes, CStitchOptions* job);
    // Builds every element's pyramid with progress 0 to 100; 0, -1 or the
    // first pyramid's code.
    int BuildAllPyramids(int suppliedLayers, CStitchOptions* job);

    CStitchElement* m_pElements = nullptr;
    tagStitchStyle m_Style = StitchStyleHorizontal;
    int m_lCols = 0;
    int m_lRows = 0;
    int m_lCount = 0;
    // Elements made by the last load. A grid that drops near-duplicates
    // shrinks cols, rows and count, but the array keeps its length; what
    // frees the array or checks a grid against it goes by this.
    int m_lLoaded = 0;

    // The elements the array holds: those loaded, or the count for an
    // array made without a load.
    int ArrayLength() const { return m_lLoaded > m_lCount ? m_lLoaded : m_lCount; }
};
