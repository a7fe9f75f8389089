#include "stitch/align/CStitchAlign.h"

#include "stitch/align/CCoarseAlign.h"
#include "stitch/align/CStitchMatch.h"
#include "stitch/colour/CCoarseColorCorrection.h"
#include "stitch/image/CImage.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchMatrix.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/job/NeighbourPairs.h"
#include "stitch/motion/CCameraCalibration.h"
#include "stitch/motion/CMotionEstimation.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

int CStitchAlign::CoarseAlign(CImage* a, CImage* b, bool horizontal, CStitchElement* element, bool& shift)
{
    // A size read from a bitmap that cannot be locked would be 0, and the
    // pair would be aligned over a window of nothing.
    if (a->Lock() != 0)
        return StitchBadArgument;
    const int w = a->Width();
    const int h = a->Height();
    a->Unlock();
    tagRECT range;
    if (horizontal)
        range = tagRECT{std::min(w / 10, 0), std::min(-h / 10, -10), std::max(9 * w / 10, w - 8), std::max(h / 10, 10)};
    else
        range = tagRECT{std::min(-w / 10, -10), std::min(h / 10, 0), std::max(w / 10, 10), std::max(9 * h / 10, h - 8)};

    int dx = 0, dy = 0;
    double angle = 0.0, score = 0.0;
    {
        std::unique_ptr<CCoarseAlign> align(new (std::nothrow) CCoarseAlign(a, b));
        if (!align)
            return StitchNullArgument;
        const int result = align->Run(dx, dy, angle, range, score);
        if (result != 0)
            return result;
    }
    PointTwinList& twins = horizontal ? element->m_RightTwins : element->m_LowerTwins;
    twins.m_lCount = 1;
    twins.m_Twins[0][0] = tagPOINT{dx, dy};
    twins.m_Twins[0][1] = tagPOINT{0, 0};
    (horizontal ? element->m_dRightAngle : element->m_dLowerAngle) = angle;
    (horizontal ? element->m_dRightScore : element->m_dLowerScore) = score;
    if ((horizontal ? w - dx : h - dy) < 14)
        shift = true;
    return 0;
}

int CStitchAlign::AlignPair(CImage* a, CImage* b, CStitchElement* first, CStitchElement* second, int layer,
                            bool horizontal, bool& shift)
{
    auto handle = [layer](CStitchElement* e) {
        return layer >= 0 && layer < e->m_Pyramid.m_lLayerCount && e->m_Pyramid.m_phLayers ? e->m_Pyramid.m_phLayers[layer]
                                                                                              : nullptr;
    };
    if (a->Attach(handle(first)) != 0 || b->Attach(handle(second)) != 0)
        return StitchBadArgument;
    const int result = CoarseAlign(a, b, horizontal, first, shift);
    a->Detach();
    b->Detach();
    return result;
}

int CStitchAlign::StartUpCoarseAlign(int layer, bool& shift)
{
    CStitchOptions* job = m_pOptions;
    CStitchMatrix& m = job->m_Matrix;
    const NeighbourPairs pairs(m);
    const int count = pairs.Count();
    CImage a, b;
    int k = 0;
    for (const NeighbourPair& p : pairs) {
        // A pair without both photos still counts towards the progress.
        if (CStitchOptions::ShowProgress(count > 0 ? 20 * k / count : 0))
            return StitchCancelled;
        ++k;
        CStitchElement* first = m.GetElement(p.col, p.row);
        CStitchElement* second = m.GetElement(p.nextCol, p.nextRow);
        if (!first || !second)
            continue;
        const int result = AlignPair(&a, &b, first, second, layer, p.horizontal, shift);
        if (result != 0)
            return result;
    }
    if (m.m_Style == StitchStyleTile)
        ModifyShiftsForTile();

    if (job->m_lDeepestLayer == job->m_lWorkingLayer && shift) {
        shift = false;
        return 0;
    }
    if (shift) {
        // Offsets in pixels of the next lower layer.
        for (const NeighbourPair& p : pairs)
            if (CStitchElement* e = m.GetElement(p.col, p.row)) {
                tagPOINT& offset = (p.horizontal ? e->m_RightTwins : e->m_LowerTwins).m_Twins[0][0];
                offset.x *= 2;
                offset.y *= 2;
            }
    }
    return CStitchOptions::ShowProgress(20) ? StitchCancelled : 0;
}

void CStitchAlign::ModifyShiftsForTile()
{
    CStitchMatrix& m = m_pOptions->m_Matrix;
    for (int r = 1; r < m.m_lRows; ++r)
        for (int c = 1; c < m.m_lCols; ++c) {
            CStitchElement* e = m.GetElement(c - 1, r - 1);
            CStitchElement* right = m.GetElement(c, r - 1);
            CStitchElement* down = m.GetElement(c - 1, r);
            if (!e || !right || !down)
                continue;
            tagPOINT& eRight = e->m_RightTwins.m_Twins[0][0];
            tagPOINT& eLower = e->m_LowerTwins.m_Twins[0][0];
            tagPOINT& rLower = right->m_LowerTwins.m_Twins[0][0];
            tagPOINT& dRight = down->m_RightTwins.m_Twins[0][0];
            const tagPOINT a{eRight.x + rLower.x, eRight.y + rLower.y};
            const tagPOINT b{eLower.x + dRight.x, eLower.y + dRight.y};
            if (std::abs(a.x - b.x) < 5 && std::abs(a.y - b.y) < 5)
                continue;
            if (e->m_dRightScore + right->m_dLowerScore > e->m_dLowerScore + down->m_dRightScore) {
                if (down->m_dRightScore > e->m_dLowerScore)
                    eLower = tagPOINT{a.x - dRight.x, a.y - dRight.y};
                else
                    dRight = tagPOINT{a.x - eLower.x, a.y - eLower.y};
            } else {
                if (right->m_dLowerScore > e->m_dRightScore)
                    eRight = tagPOINT{b.x - rLower.x, b.y - rLower.y};
                else
                    rLower = tagPOINT{b.x - eRight.x, b.y - eRight.y};
            }
        }
}

void CStitchAlign::LayerSpans(int layers, int* from, int* to)
{
    // Single precision, as the shares are summed in float: with four layers
    // the unit is 60 / 40 = 1.5 and the exact ends 21.5, 26, 39.5, 80.
    float weight = 0.0f, power = 1.0f;
    for (int j = 0; j < layers; ++j, power *= 3.0f)
        weight += power;
    const float unit = 60.0f / weight;
    float p = 20.0f;
    power = 1.0f;
    for (int j = 0; j < layers; ++j, power *= 3.0f) {
        from[j] = int(p);
        p += power * unit;
        to[j] = int(p);
    }
}

int CStitchAlign::Run()
{
    CStitchOptions* job = m_pOptions;
    if (!job)
        return StitchNullArgument;
    // A cancel asked at the very start is honoured before any work.
    if (CStitchOptions::ShowProgress(0))
        return StitchCancelled;
    const int top = job->m_lDeepestLayer;
    const int working = job->m_lWorkingLayer;

    bool shift = false;
    if (const int result = StartUpCoarseAlign(top, shift))
        return result;

    // Overlaps too thin on the top layer are matched one layer lower.
    const int first = !shift ? top : top > working ? top - 1 : working;
    if (first >= working) {
        const int layers = first - working + 1;
        std::vector<int> from(layers), to(layers);
        LayerSpans(layers, from.data(), to.data());
        for (int j = 0; j < layers; ++j) {
            const int layer = first - j;
            if (const int result = CStitchMatch(job).Run(layer, j == 0, from[j], to[j]))
                return result;
            if (job->m_Method == StitchMethodCalibrated) {
                CameraSettings settings;
                if (const int result = CCameraCalibration(job).Run(layer, &settings))
                    return result;
                job->m_Method = settings.m_Method;
                job->m_dFocalLength = settings.m_dFocalLength;
            }
            if (const int result = CMotionEstimation(job).Run(layer))
                return result;
        }
    }

    // A fine-tune renders the user's own pairs; a fresh alignment must show
    // that every pair it joins is one scene.
    if (job->m_lFineTune != 1)
        if (const int result = VerifyPairs())
            return result;

    if (const int result = CCoarseColorCorrection(job).Run(top > working ? working + 1 : top, false))
        return result;
    if (CStitchOptions::ShowProgress(100))
        return StitchCancelled;

    if (job->m_lFineTune == 1) {
        if (const int result = RenderFineTune(working))
            return result;
        // Only the top layer (kept for later coarse work) and the working
        // layer stay in memory.
        for (int layer = first; layer >= working; --layer)
            if (layer != working && layer != top)
                job->m_Matrix.ReleaseLayerImages(layer);
    }
    return 0;
}
