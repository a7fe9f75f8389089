// Re-stitching after the user placed point pairs between two neighbours.

#include "stitch/interface/PSStitchFineTune.h"

#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/job/NeighbourPairs.h"
#include "stitch/motion/CCameraCalibration.h"
#include "stitch/motion/CMotionEstimation.h"
#include "stitch/render/CStitchBlend.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace {

CStitchElement* Neighbour(const CStitchMatrix& grid, tagPOINT element, bool horizontal)
{
    if (grid.m_lCols <= 0)
        return nullptr;
    return horizontal ? grid.GetElement((element.x + 1) % grid.m_lCols, element.y)
                      : grid.GetElement(element.x, element.y + 1);
}

// Visits the pair transforms in memo order, the order of the grid's pairs;
// visit(index, owner or null, right).
template <typename Visit> void ForEachPairTransform(const CStitchOptions* job, Visit visit)
{
    const CStitchMatrix& grid = job->m_Matrix;
    int k = 0;
    for (const NeighbourPair& p : NeighbourPairs(grid))
        visit(k++, grid.GetElement(p.col, p.row), p.horizontal);
}

} // namespace

int FineTuneTransformCount(const CStitchOptions* job)
{
    return NeighbourPairs(job->m_Matrix).Count();
}

bool BackupForFineTune(CStitchOptions* job, tagPOINT element, bool horizontal, FineTuneDataMemo* memo)
{
    if (!job || !memo)
        return false;
    CStitchElement* e = job->m_Matrix.GetElement(element.x, element.y);
    if (!e)
        return false;
    memo->m_Twins = horizontal ? e->m_RightTwins : e->m_LowerTwins;
    memo->m_Method = job->m_Method;
    memo->m_dFocalLength = job->m_dFocalLength;
    delete[] memo->m_pTransforms;
    delete[] memo->m_pErrors;
    memo->m_lTransformCount = FineTuneTransformCount(job);
    const size_t entries = size_t(std::max(memo->m_lTransformCount, 1));
    memo->m_pTransforms = new (std::nothrow) CStitchTransform[entries];
    memo->m_pErrors = new (std::nothrow) double[entries]();
    if (!memo->m_pTransforms || !memo->m_pErrors) {
        FreeFineTuneMemo(memo);
        return false;
    }
    for (int i = 0; i < memo->m_lTransformCount; ++i)
        memo->m_pTransforms[i].Initial();
    ForEachPairTransform(job, [memo](int k, CStitchElement* owner, bool right) {
        if (!owner)
            return;
        memo->m_pTransforms[k] = right ? owner->m_RightTransform : owner->m_LowerTransform;
        // Motion estimation writes the pair's fit error beside its transform.
        memo->m_pErrors[k] = right ? owner->m_dRightError : owner->m_dLowerError;
    });
    return true;
}

void ReturnOriginData(CStitchOptions* job, tagPOINT element, bool horizontal, bool keepTransforms,
                      FineTuneDataMemo* memo)
{
    if (!job || !memo)
        return;
    if (CStitchElement* e = job->m_Matrix.GetElement(element.x, element.y))
        (horizontal ? e->m_RightTwins : e->m_LowerTwins) = memo->m_Twins;
    job->m_Method = memo->m_Method;
    job->m_dFocalLength = memo->m_dFocalLength;
    if (!keepTransforms && memo->m_pTransforms && memo->m_pErrors) {
        const int saved = memo->m_lTransformCount;
        ForEachPairTransform(job, [memo, saved](int k, CStitchElement* owner, bool right) {
            if (!owner || k >= saved)
                return;
            (right ? owner->m_RightTransform : owner->m_LowerTransform) = memo->m_pTransforms[k];
            (right ? owner->m_dRightError : owner->m_dLowerError) = memo->m_pErrors[k];
        });
    }
    FreeFineTuneMemo(memo);
}

void FreeFineTuneMemo(FineTuneDataMemo* memo)
{
    if (!memo)
        return;
    delete[] memo->m_pTransforms;
    memo->m_pTransforms = nullptr;
    delete[] memo->m_pErrors;
    memo->m_pErrors = nullptr;
    memo->m_lTransformCount = 0;
}

bool IsPositionOffsetTooFar(const tagPOINT* pairs)
{
    if (!pairs)
        return true;
    auto distance = [](tagPOINT p, tagPOINT q) {
        return std::trunc(std::hypot(double(p.x) - q.x, double(p.y) - q.y));
    };
    const int couples[3][2] = {{0, 1}, {1, 2}, {0, 2}};
    for (const auto& c : couples) {
        const double inElement = distance(pairs[2 * c[0]], pairs[2 * c[1]]);
        const double inNeighbour = distance(pairs[2 * c[0] + 1], pairs[2 * c[1] + 1]);
        if (std::fabs(inElement - inNeighbour) > 300.0)
            return true;
    }
    return false;
}

int RenderFineTuneBlend(CStitchOptions* job, int layer)
{
    CStitchBlend blend(job, layer);
    return blend.Run(true);
}

int RunFineTune(CStitchOptions* job, const tagPOINT* pairs, int pairCount, tagPOINT element, bool horizontal,
                FineTuneRender render, const StitchOutputs& out)
{
    if (!job || !pairs)
        return StitchNullArgument;
    // Fewer than three pairs leave the distance test reading past them;
    // more than the block holds would overrun it.
    if (pairCount < 3 || pairCount > PointTwinList::kCapacity || !render)
        return StitchBadArgument;
    const int working = std::max(job->m_lWorkingLayer, 0);
    tagPOINT shifted[2 * PointTwinList::kCapacity];
    for (int i = 0; i < 2 * pairCount; ++i)
        shifted[i] = tagPOINT{pairs[i].x >> working, pairs[i].y >> working};
    if (IsPositionOffsetTooFar(shifted))
        return StitchGridOrTempDir;
    CStitchElement* e = job->m_Matrix.GetElement(element.x, element.y);
    CStitchElement* n = e ? Neighbour(job->m_Matrix, element, horizontal) : nullptr;
    if (!e || !n || n == e)
        return StitchBadArgument;

    job->m_lFineTune = 1;
    FineTuneDataMemo memo;
    if (!BackupForFineTune(job, element, horizontal, &memo))
        return StitchNullArgument;
    PointTwinList& block = horizontal ? e->m_RightTwins : e->m_LowerTwins;
    block.m_lCount = pairCount;
    for (int i = 0; i < pairCount; ++i) {
        block.m_Twins[i][0] = shifted[2 * i];
        block.m_Twins[i][1] = shifted[2 * i + 1];
    }

    if (job->m_Method == StitchMethodCalibrated) {
        CameraSettings settings;
        if (const int code = CCameraCalibration(job).Run(working, &settings)) {
            ReturnOriginData(job, element, horizontal, true, &memo);
            return code;
        }
        job->m_Method = settings.m_Method;
        job->m_dFocalLength = settings.m_dFocalLength;
    }
    int code = CMotionEstimation(job).Run(working);
    if (code == 0)
        code = render(job, working);
    if (code != 0) {
        ReturnOriginData(job, element, horizontal, false, &memo);
        return code;
    }
    FreeFineTuneMemo(&memo);
    HandOutStitchResult(job, out);
    return 0;
}

int PSFineTune(CStitchOptions* job, tagPOINT* pairs, tagPOINT element, bool horizontal, void** resultDib,
               tagRECT** overlaps, int* overlapCount, unsigned short*** paths, int* pathCount, tagRECT* crop)
{
    return PSFineTuneEx(job, pairs, 3, element, horizontal, resultDib, overlaps, overlapCount, paths, pathCount,
                        crop);
}

int PSFineTuneEx(CStitchOptions* job, tagPOINT* pairs, int pairCount, tagPOINT element, bool horizontal,
                 void** resultDib, tagRECT** overlaps, int* overlapCount, unsigned short*** paths, int* pathCount,
                 tagRECT* crop)
{
    StitchOutputs out;
    out.resultDib = resultDib;
    out.crop = crop;
    out.overlaps = overlaps;
    out.overlapCount = overlapCount;
    out.paths = paths;
    out.pathCount = pathCount;
    return RunFineTune(job, pairs, pairCount, element, horizontal, &RenderFineTuneBlend, out);
}
