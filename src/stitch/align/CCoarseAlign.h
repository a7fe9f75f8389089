#pragma once

#include "stitch/image/Rect.h"

class CAlignDataBuffer;
class CCorrelTable;
class CImage;
class CRotateImage;

// Finds, on a small pyramid layer, where a neighbour image B lies relative to
// image A and how far it is turned: every offset of a range is scored by the
// similarity of gradient-gated zero-mean colours, offsets near the peaks are
// tried again with B turned by 1 to 5 degrees either way, and among the
// strong local peaks the one with the most support wins.
//
// Made for one pair, run once, destroyed. Both images must be 24-bit.
class CCoarseAlign
{
public:
    CCoarseAlign(CImage* a, CImage* b);
    ~CCoarseAlign();
    CCoarseAlign(const CCoarseAlign&) = delete;
    CCoarseAlign& operator=(const CCoarseAlign&) = delete;

    // False when an image was unusable or memory ran out.
    bool IsValid() const;
    void InitRotateImages();
    void ClearRotateImages();

    // Tries the offsets of range (both ends included). On return A's pixel
    // (x, y) corresponds to B's pixel (x - dx, y - dy) turned by angle
    // (radians) about the centres. 0, or -2 when IsValid() is false.
    int Run(int& dx, int& dy, double& angle, const tagRECT& range, double& score);

    // Score of one offset, and the number of strongly matching pixels.
    double GetImageCorrel(CAlignDataBuffer* a, CAlignDataBuffer* b, int dx, int dy, int& strong) const;
    double GetImageCorrel(CAlignDataBuffer* a, CRotateImage* r, int dx, int dy, int& strong) const;

    // A and B composed at an offset (averaged where both cover, white where
    // neither does): a new 24-bit image the caller owns, null on failure.
    static CImage* MergeAlignImage(CImage* a, CImage* b, int dx, int dy);
    static CImage* MergeAlignImage(CImage* a, CImage* b, int dx, int dy, double angle);

    static constexpr int kRotations = 10;

    CAlignDataBuffer* m_pBufferA = nullptr;
    CAlignDataBuffer* m_pBufferB = nullptr;
    CCorrelTable* m_pTable = nullptr; // the shared table, not owned
    CRotateImage** m_ppRotate = nullptr; // +1, -1, +2, -2, ... +5, -5 degrees

private:
    bool m_bValid = false;
};
