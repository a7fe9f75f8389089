#pragma once

#include "stitch/image/Rect.h"

#include <cstdint>

class CImage;
class CMask;
class CStitchElement;
class CStitchOptions;
class SmoothRenderLock;

// Joins two warped images that overlap: finds the least-cost seam through
// the overlap (CSmoothRenderSeam.cpp, CSmoothRenderPoints.cpp) and blends
// across it over three frequency bands (CSmoothRenderLaplace.cpp,
// CSmoothRenderPyramid.cpp; StitchWithLaplace streams the band row by row,
// CSmoothRenderStream.cpp). Image B ends up holding the finished overlap.
//
// Images and masks are not owned; pixel (x, y) is column x of memory row y.
// The seam is kept on the element handed to Run or SearchRun: its record and
// its graph file then belong to the element (through the job's file
// manager); the destructor never frees a record.
//
// Dividing-path record (unsigned short words, room for graph height + 2):
// word 0 the count of words in use (2 + path rows; 0 = no path), word 1 the
// last path row, then the seam column of each row from the last row back to
// the first; 0xFFFF marks a row without a seam point. Rows and columns are
// those of the seam graph, which is transposed for a vertical pair.
//
// Seam graph: width x height u16 values, row after row; the colour
// difference (0..765) of the two images, 65535 where either mask is clear.
//
// Codes: 0 done (or nothing to do), -1 cancelled through the progress
// callback, -2 memory or a pyramid step failed, -3 a bad argument or a
// temporary file that cannot be written or read, -4 an overlap too large for
// the record's 16-bit words. One thread; no locking.
class CSmoothRender
{
public:
    CSmoothRender(CStitchOptions* options, CImage* imageA, CMask* maskA, CImage* imageB, CMask* maskB);
    ~CSmoothRender();
    CSmoothRender(const CSmoothRender&) = delete;
    CSmoothRender& operator=(const CSmoothRender&) = delete;

    static constexpr unsigned short kUnusable = 65535;   // graph: outside one image
    static constexpr unsigned short kNoSeamPoint = 0xFFFF; // record: row skipped
    static constexpr int kFlagLimit = 45;  // graph values up to this join smoothly
    static constexpr int kMinPathRows = 32;
    static constexpr int kOne = 4096;      // weight 1.0

    // overlap, rectA and rectB in panorama coordinates (rectA, rectB: where
    // the images lie). progress start..end in percent of the whole job.
    int Run(const tagRECT& overlap, const tagRECT& rectA, const tagRECT& rectB, CStitchElement* element,
            bool horizontal, int progressStart, int progressEnd);

    // --- Seam search ---
    int CalcDividingPath(int progressStart, int progressEnd);
    // graph: m_lWidth x m_lHeight of the overlap as it lies (before any
    // transposition). 0, or -3 (graph untouched) when an image cannot be
    // locked.
    int DifferenceMap(unsigned short* graph);
    // Stores a new record in the object (always 0).
    int DividingPathGlobal(const unsigned short* graph);
    int BackupForAdjustPath(const unsigned short* graph);
    int SetWeightedFlags(const unsigned short* graph);
    // element: grid column and row of the seam's first image; overlapA/B in
    // each image's own coordinates; points: the moved point, the start bound
    // and the end bound (a coordinate of -1 = not given). *pathOut, when not
    // null, receives the new record's words: it must have room for the
    // graph height + 2 words, as a stored record has.
    int SearchRun(tagPOINT element, bool horizontal, tagRECT overlapA, tagRECT overlapB, const tagPOINT* points,
                  bool skip, bool* changed, unsigned short** pathOut);
    int DividingPathByPoints(const unsigned short* graph, tagPOINT element, const tagPOINT* points, bool skip,
                             bool* changed);
    // Transposes in place with width and height as they stand (not swapped).
    bool RotateWeightedGraph(unsigned short* graph);
    bool CalcGradientImage(unsigned short* graph);

    // --- Blending ---
    int StitchWithLaplace(int progressStart, int progressEnd);
    int AllocMemoryForPyramid();
    void ReleaseMemoryForPyramid();
    int AllocPyramid(short**& pyramid);
    int AllocPyramid(int**& pyramid);
    void ReleasePyramid(short**& pyramid);
    void ReleasePyramid(int**& pyramid);
    void SetWeightedCoefficients();
    // These and the steps that read or write the images below: 0, or -3
    // (nothing read or written) when an image cannot be locked.
    int GetOriginOverlapDataHorz();
    int GetOriginOverlapDataVert();
    // Level sizes: w x h into (w / 2) x (h / 2); 0, or -4 for a missing level.
    int Reduce2D(const short* source, int width, int height, short* target);
    int Reduce2D(const int* source, int width, int height, int* target);
    // coarse (w / 2) x (h / 2) into the w x h level fine: subtracted
    // (add false) or added.
    int Expand2D(const short* coarse, int width, int height, short* fine, bool add);
    int Expand2D(const int* coarse, int width, int height, int* fine, bool add);
    int StartupLaplacePyramid(int progressStart, int progressEnd);
    int ReconstructLaplacePyramid(int progressStart, int progressEnd);
    int ReplaceWithLaplaceHorz();
    int ReplaceWithLaplaceVert();
    int ReplaceDataHorz();
    int ReplaceDataVert();

    // The same steps one at a time (StitchWithLaplace does them itself).
    int StartupGaussianPyramid();          // levels 1, 2 of pyramids A and B
    int StartupWeightedGaussianPyramid();  // levels 1, 2 of the weights
    void StartupWeightedLaplacePyramid();  // blend every level (A keeps the weights)
    void ResetWeightedLaplacePyramid();    // weights back from A
    void SetPyramidFilter();
    // One row: the 20-weighted sums at the even positions (n / 2 values).
    void Reduce1D(const int* source, int n, int* target);
    // One coarse row of n into 2n 20-weighted sums.
    void Expand1DRow(const int* coarse, int n, int* target);
    // One output row (0 .. 2 x rows - 1) from coarse rows of length n that
    // were expanded along the row; 400-weighted sums.
    void Expand1DCol(const int* const* rows, int rowCount, int row, int n, std::int64_t* target);

    // Results and state, for the renderers and the tests.
    unsigned short* Path() const { return m_pPath; }
    // Hands the record over (the caller frees it with delete[]).
    unsigned short* TakePath();
    int Width() const { return m_lWidth; }
    int Height() const { return m_lHeight; }
    int HalfWidth() const { return m_lHalfWidth; }
    int BandWidth() const { return m_lBandWidth; }
    int PathRows() const { return m_lPathRows; }
    bool Horizontal() const { return m_bHorizontal; }
    const unsigned char* SeamFlags() const { return m_pSeamFlags; }
    const unsigned int* SeamExtents() const { return m_pSeamExtents; }
    short* const* PyramidA() const { return m_ppPyramidA; }
    short* const* PyramidB() const { return m_ppPyramidB; }
    int* const* WeightPyramid() const { return m_ppWeights; }
    int LevelWidth(int level) const { return m_lBandWidth >> level; }
    int LevelHeight(int level) const { return m_lPathRows >> level; }
    // Sets what the seam search would have set, so the blending steps can be
    // driven on their own.
    void SetBand(const tagRECT& overlapA, const tagRECT& overlapB, bool horizontal, int width, int height,
                 int halfWidth, unsigned short* path);
    void SetChannel(int channel) { m_lChannel = channel; }

private:
    class BandStream;
    int BlendChannels(int progressStart, int progressEnd);
    // The rows the search may use (the window rule); false when fewer than
    // two rows qualify.
    bool PathWindow(const unsigned short* graph, int* first, int* last) const;
    int FirstPathRow() const;
    unsigned short PathColumn(int pathRow) const;
    // Graph position to image pixel: (column, row) for a horizontal pair,
    // exchanged for a vertical one.
    void PixelOf(int graphRow, int graphColumn, int* x, int* y) const;
    // One overlap row of the graph (not transposed); both images locked.
    void DifferenceRow(const SmoothRenderLock& lockA, const SmoothRenderLock& lockB, int y, unsigned short* out) const;
    // The graph of the overlap, transposed for a vertical pair: 0, -2 when
    // its working rows cannot be had, -3 when an image cannot be locked (a
    // graph of nothing would seam blindly).
    int FillGraph(unsigned short* graph, bool transposed);
    bool OverlapInside(const tagRECT& overlap, CImage* image, CMask* mask) const;
    int GetOriginOverlapData();
    // Band row i (path row) of the current channel into a and b (band-wide,
    // positions outside the overlap left as they are); a null a reads only
    // the masks. widenMask sets B's mask where only A covers.
    template <typename T>
    void GatherRow(const SmoothRenderLock& lockA, const SmoothRenderLock& lockB, int i, T* a, T* b, bool widenMask);
    // The blended band row i (4096 = one level) into B's current channel.
    void WriteRow(const SmoothRenderLock& lockB, int i, const int* v);
    // Level-0 weights of band row i from the seam flags and extents.
    void WeightRow(const unsigned char* flags, const unsigned int* extents, int i, int* w) const;
    int ReplaceWithLaplace();
    int ReplaceData();
    bool Report(double position);
    void StoreOnElement(unsigned short*& pathSlot, int& graphSlot, int newGraphId);
    int SaveStripCopy(const tagRECT& overlap, CImage* image, CMask* mask, int* imageId, int* maskId);
    bool FilterSet() const;
    template <typename T> int Reduce(const T* source, int width, int height, T* target);
    template <typename T> int Expand(const T* coarse, int width, int height, T* fine, bool add);
    template <typename T> int AllocLevels(T**& pyramid);
    template <typename T> void ReleaseLevels(T**& pyramid);

    CImage* m_pImageA;
    CMask* m_pMaskA;
    CImage* m_pImageB;
    CMask* m_pMaskB;
    CStitchOptions* m_pOptions;
    CStitchElement* m_pElement = nullptr;
    unsigned short* m_pPath = nullptr;
    tagRECT m_OverlapA = {0, 0, 0, 0};
    tagRECT m_OverlapB = {0, 0, 0, 0};
    bool m_bHorizontal = true;
    short** m_ppPyramidA = nullptr;
    short** m_ppPyramidB = nullptr;
    int** m_ppWeights = nullptr;
    unsigned char* m_pSeamFlags = nullptr;
    unsigned int* m_pSeamExtents = nullptr;
    int m_lLevels = 3;
    int m_lWidth = 0;
    int m_lHeight = 0;
    int m_lHalfWidth = 0;
    int m_lBandWidth = 0;
    int m_lPathRows = 0;
    int m_lChannel = 0;
    int m_ReduceTaps[3] = {0, 0, 0};
    int m_ExpandTaps[5] = {0, 0, 0, 0, 0};
};
