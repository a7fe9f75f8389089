#pragma once

#include "stitch/CCornerDetector.h"
#include "stitch/Rect.h"

class CImage;
class CMatchRansac;
class CStitchElement;
class CStitchOptions;
struct PointTwinList;

// Turns the coarse offsets into matched point twins between each image and
// its right and lower neighbour: corners of the neighbour's part of the
// overlap give 8 x 8 colour blocks, each searched for near its predicted
// place in this image. Where too little texture or overlap is found three
// default twins stand in and the pair's default flag is set.
//
// This part holds the first matched layer; twins are in pixels of the layer.
class CStitchMatch
{
public:
    explicit CStitchMatch(CStitchOptions* job) : m_pOptions(job) {}

    // Every neighbour pair of the grid on the first layer, progress from to
    // to. 0, -1 (cancelled) or -3 (a layer bitmap cannot be attached).
    int StartUpMatchFirstTime(int layer, int progressFrom, int progressTo);
    int SearchCandidatesFirstTime(int col1, int row1, int col2, int row2, int layer, bool horizontal);

    // The block's best place in the window {l, t, r, b} of a locked 24-bit
    // image: among the strict local minima of the mean-removed difference
    // within 1.5 times the smallest, the one nearest *point, which becomes
    // its centre. The block's standard deviation, -1.0 for a flat block or
    // no good place (point unchanged), 0.0 for a window under 8 pixels.
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
    CStitchOptions* m_pOptions;
};
