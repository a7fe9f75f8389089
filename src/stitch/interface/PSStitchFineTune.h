#pragma once

// The fine-tune's routines behind PSFineTune and PSFineTuneEx, and the
// pixel copy of PSAdjustPath.

#include "stitch/geometry/CStitchTransform.h"
#include "stitch/image/Rect.h"
#include "stitch/interface/PSStitchOutputs.h"
#include "stitch/interface/StitchEnums.h"
#include "stitch/job/PointTwinList.h"

class CImage;
class CMask;
class CStitchOptions;

// What a fine-tune may change, to be put back when it fails: one twin
// block, the method and focal length, and every pair transform of the grid
// with its fit error (new[] arrays of m_lTransformCount entries; owned by
// the memo until ReturnOriginData or the caller frees them).
struct FineTuneDataMemo
{
    PointTwinList m_Twins;
    STITCHMETHOD m_Method = StitchMethodCalibrated;
    double m_dFocalLength = 0.0;
    CStitchTransform* m_pTransforms = nullptr;
    double* m_pErrors = nullptr;
    int m_lTransformCount = 0;
};

// The number of pair transforms of the job's grid: a tile grid's right and
// lower pairs, a ring's cols pairs (the last closes it), a row's cols - 1,
// a column's rows - 1.
int FineTuneTransformCount(const CStitchOptions* job);
// Fills the memo from the element's twin block of that direction, the
// job's method and focal length and the pair transforms in grid order
// (row pairs of each row, then column pairs of each column, for tiles).
// False when the element is missing or the array cannot be had.
bool BackupForFineTune(CStitchOptions* job, tagPOINT element, bool horizontal, FineTuneDataMemo* memo);
// Puts back what BackupForFineTune saved (the transforms unless
// keepTransforms) and frees the memo's array.
void ReturnOriginData(CStitchOptions* job, tagPOINT element, bool horizontal, bool keepTransforms,
                      FineTuneDataMemo* memo);
// Frees the memo's arrays.
void FreeFineTuneMemo(FineTuneDataMemo* memo);
// True when, for any two of the three pairs (element point, neighbour
// point, three times), the element points lie more than 300 pixels nearer
// or farther apart than the neighbour points (distances truncated).
bool IsPositionOffsetTooFar(const tagPOINT* pairs);

// Copies every pixel of area whose bit is set in srcMask from the 24-bit
// src (whose pixel (0, 0) lies at srcOrigin's corner) into the 24-bit dst
// (lying at dstOrigin's corner) and sets its bit in dstMask when given.
// Pixels off either image or mask are skipped.
void CopySubImage(const tagRECT& area, const tagRECT& srcOrigin, const tagRECT& dstOrigin, CImage* src,
                  CMask* srcMask, CImage* dst, CMask* dstMask);

// The render step of a fine-tune, replaceable in tests: renders the job
// on the layer, leaving the elements as they were on failure.
using FineTuneRender = int (*)(CStitchOptions* job, int layer);
// The blend driver's fine-tune render.
int RenderFineTuneBlend(CStitchOptions* job, int layer);
// PSFineTuneEx with the render step given.
int RunFineTune(CStitchOptions* job, const tagPOINT* pairs, int pairCount, tagPOINT element, bool horizontal,
                FineTuneRender render, const StitchOutputs& out);
