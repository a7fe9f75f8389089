#pragma once

#include "stitch/align/CCornerDetector.h"
#include "stitch/image/Rect.h"

class CImage;
class CMatchRansac;
class CStitchElement;
class CStitchOptions;
class CStitchTransform;
struct PointTwinList;

// Turns the coarse offsets into matched point twins between each image and
// its right and lower neighbour: corners of the neighbour's part of the
// overlap give 8 x 8 colour blocks, each searched for near its predicted
// place in this image. Where too little texture or overlap is found three
// default twins stand in and the pair's default flag is set.
//
// The first matched layer predicts from the coarse offset and angle; later
// layers predict through the pair's motion model of the layer above, keep
// the twins that agree with one model, and in rows, columns and rings take
// out an image that almost coincides with its neighbour (the grid shrinks).
// Twins are in pixels of the layer being matched. Runs on the caller's
// thread; the layer bitmaps are fetched and given back pair by pair.
class CStitchMatch
{
public:
    explicit CStitchMatch(CStitchOptions* job) : m_pOptions(job) {}

    // The first-layer road when firstLayer, else the later-layer one.
    // 0, -1 (cancelled) or -3 (a layer bitmap cannot be attached).
    int Run(int layer, bool firstLayer, int progressFrom, int progressTo);

    // Every neighbour pair of the grid on the first layer, progress from to
    // to. 0, -1 (cancelled) or -3 (a layer bitmap cannot be attached).
    int StartUpMatchFirstTime(int layer, int progressFrom, int progressTo);
    int SearchCandidatesFirstTime(int col1, int row1, int col2, int row2, int layer, bool horizontal);

    // Every neighbour pair on a layer below the first. In rows, columns and
    // rings a pair position is matched again after its image was taken out,
    // so the grid (and the progress share of a pair) can shrink meanwhile.
    int StartUpMatch(int layer, int progressFrom, int progressTo);
    // One pair on a later layer, predicted through the pair's motion model
    // (its telephoto shift is in pixels of the layer above); the twins are
    // filtered by consensus, else three model defaults stand in. Then the
    // overlap is refined. 0 or -3.
    int SearchCandidates(int col1, int row1, int col2, int row2, int layer, bool horizontal);
    // One pair predicted by a plain shift (layer pixels), without consensus:
    // used when the image between the two was taken out. 0 or -3.
    int SearchModifyCandidates(tagPOINT shift, int col1, int row1, int col2, int row2, int layer, bool horizontal);
    // The overlap rectangles (layer-0 pixels) from the mean twin offset. An
    // offset along the pair under a tenth of e's size marks a near-duplicate
    // (rows, columns and rings of three images or more): the neighbour
    // leaves the grid on the next pair, or e itself on a ring's closing pair.
    void RefineOverlapRegion(PointTwinList* twins, int layer, CStitchElement* e, CStitchElement* n, bool horizontal);
    // Takes out a near-duplicate marked on this pair or the one before: e
    // (then its predecessor is matched with n, and true asks the caller to
    // match this pair position again), or n when it ends the row or column.
    bool IsOverlapTooLarge(int col1, int row1, int col2, int row2, int layer, bool horizontal);
    // The offset from p to n across e (layer pixels, truncated), from the
    // two pairs' overlap rectangles; p's overlap rectangles for the pair
    // (p, n) are stored on the way.
    tagPOINT CalcOtherShiftValues(int colP, int rowP, int colE, int rowE, int colN, int rowN, int layer,
                                  bool horizontal);
    // Three twins on rect (in the neighbour), carried into this image
    // through the pair model: the rotation with focal f and both centres
    // (layer pixels), or for telephoto jobs the rigid map whose shift is
    // doubled (it comes from the layer above).
    void SetRotateDefaultFeatures(PointTwinList* twins, const tagRECT& rect, bool horizontal,
                                  const CStitchTransform* matrix, double cxA, double cyA, double cxB, double cyB,
                                  double f) const;
    // Snaps a user's point pair on layer 0: the block around the neighbour
    // point (kept 4 pixels inside the neighbour, and written back so limited)
    // is searched within radius of the element point, which moves to a
    // textured match. element is the grid position (x column, y row); the
    // neighbour is the right one (wrapping round a ring) or the lower one.
    // 0, or -3 for a missing element, neighbour or point, or a layer that
    // cannot be attached.
    int AutoMatchForFineTune(tagPOINT element, bool horizontal, int radius, tagPOINT* pointInNeighbour,
                             tagPOINT* pointInElement);

    // The block's best place in the window {l, t, r, b} of a locked 24-bit
    // image: among the strict local minima of the mean-removed difference
    // within 1.5 times the smallest, the one nearest *point, which becomes
    // its centre. The block's standard deviation, kNoMatch for a flat block
    // or no good place (point unchanged), 0.0 for a window under 8 pixels.
    static constexpr double kNoMatch = -1.0;
    double SearchMatch(CImage* image, const tagRGBTRIPLE block[8][8], const tagRECT& window, tagPOINT* point) const;

    // Drops twins pointing the wrong way or too far across the pair.
    static void RemoveWrongTwins(PointTwinList* twins, int width, int height, bool horizontal);
    // Three twins on rect (in the neighbour): its point plus shift in this image.
    static void SetShiftDefaultFeatures(PointTwinList* twins, const tagRECT& rect, bool horizontal, const tagPOINT* shift);
    // The same, the neighbour's points turned by angle about (cx, cy) first.
    static void SetRotateShiftDefaultFeatures(PointTwinList* twins, const tagRECT& rect, bool horizontal,
                                              const tagPOINT* shift, double angle, double cx, double cy);
    // The pair's overlap rectangles, in layer-0 pixels, from its first twin.
    void CalcOverlapRegions(int col1, int row1, int col2, int row2, int layer, bool horizontal);
    // True when all points lie on one line (fewer than three do).
    static bool IsCoLine(int count, const tagPOINT* points);
    // Keeps the twins that agree with the consensus model (500 draws,
    // squared error under 16, confidence 0.99), in their order; the list is
    // untouched when no model is found. True when at least three remain.
    // The centres and focal length are taken from *ransac, which receives
    // the final model; each call starts from the same seed.
    static bool StartUpRansac(CMatchRansac* ransac, PointTwinList* twins);

private:
    // e's overlap rectangles with n (slot of the direction), in layer-0
    // pixels, for n's origin at (ox, oy) in e.
    static void StoreOverlapRects(CStitchElement* e, CStitchElement* n, int ox, int oy, bool horizontal);

    CStitchOptions* m_pOptions;
};
