#include "stitch/interface/PSStitch.h"

#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <new>

CStitchOptions* PSCreateStitch(tagStitchStyle style, tagStitchOutputSize outputSize, STITCHMETHOD method,
                               tagStitchCallbacks* callbacks)
{
    // The three are called unchecked everywhere: a table without them is no
    // table to run a job on.
    if (!callbacks || !callbacks->ShowProgress || !callbacks->GetImage || !callbacks->DeleteImage)
        return nullptr;
    if (int(style) < StitchStyleHorizontal || int(style) > StitchStyleTile || int(outputSize) < StitchOutputOriginal
        || int(outputSize) > StitchOutputQuarter)
        return nullptr;
    CStitchOptions::m_pUserDataMemo = CStitchOptions::m_pUserData;

    auto* job = new (std::nothrow) CStitchOptions;
    if (!job)
        return nullptr;
    if (!job->CreateTempDir()) {
        delete job;
        return nullptr;
    }
    job->m_OutputSize = outputSize;
    job->m_Matrix.m_Style = style;
    CStitchOptions::SetCallbacks(callbacks);

    if (method == StitchMethodTelephoto) {
        // A 360-degree row cannot be planar.
        if (style == StitchStyle360) {
            job->m_Method = StitchMethodCalibrated;
            job->m_lRenderKind = RenderCylindrical;
        } else {
            job->m_Method = StitchMethodTelephoto;
            job->m_lRenderKind = RenderPlanar;
        }
    } else {
        job->m_Method = method != 0 ? StitchMethodFocal35mm : StitchMethodCalibrated;
        job->m_lRenderKind = style == StitchStyleTile ? RenderSpherical : RenderCylindrical;
    }
    return job;
}

int BuildLoadedPyramids(CStitchOptions* job, int count, tagPOINT* sizes)
{
    CStitchMatrix& matrix = job->m_Matrix;
    CStitchMatrix::CalcPyramidLayer(count, sizes, job);
    const int built = matrix.BuildAllPyramids(1, job);
    if (built != 0) {
        CStitchOptions::ShowProgress(100);
        if (built == StitchCancelled && CStitchOptions::m_pUserDataMemo) {
            CStitchOptions::m_pUserData = CStitchOptions::m_pUserDataMemo;
            CStitchOptions::m_pUserDataMemo = nullptr;
        }
        return built;
    }
    CStitchOptions::m_pUserDataMemo = nullptr;
    // Process-wide: set for this load either way, so an earlier telephoto
    // job does not leave it on.
    CStitchPyramid::m_bTelephoto = job->m_Method == StitchMethodTelephoto;
    if (job->m_Method == StitchMethodFocal35mm) {
        if (job->m_dFocalLength > 0.0)
            job->m_dFocalLength = std::max(CStitchPyramid::m_lMaxW, CStitchPyramid::m_lMaxH) * job->m_dFocalLength / 36.0;
        else
            job->m_Method = StitchMethodCalibrated;
    }
    job->m_lOrderingLayer = job->m_lDeepestLayer;
    return 0;
}

int PSLoadImages(CStitchOptions* job, int count, const QList<QString>& names, tagPOINT* sizes)
{
    if (!job || !sizes || names.isEmpty() || count <= 0 || count != names.size())
        return StitchBadArgument;
    for (int i = 0; i < count; ++i) {
        if (sizes[i].x <= 0 || sizes[i].y <= 0)
            return StitchBadArgument;
    }
    ReleaseElementMemory(job);
    CStitchMatrix& matrix = job->m_Matrix;
    matrix.m_pElements = new (std::nothrow) CStitchElement[size_t(count)];
    if (!matrix.m_pElements)
        return StitchNullArgument;
    for (int i = 0; i < count; ++i) {
        CStitchElement& element = matrix.m_pElements[i];
        element.m_Pyramid.m_strName = names.at(i);
        element.m_bInUse = true;
        element.m_bInGrid = true;
    }
    if (matrix.m_Style == StitchStyleVertical) {
        matrix.m_lCols = 1;
        matrix.m_lRows = count;
    } else {
        matrix.m_lCols = count;
        matrix.m_lRows = 1;
    }
    matrix.m_lCount = count;
    matrix.m_lLoaded = count;

    return BuildLoadedPyramids(job, count, sizes);
}

void PSReleaseResultDIB(CStitchOptions* job)
{
    if (!job || !job->m_hResultDib)
        return;
    CStitchOptions::MemFree(job->m_hResultDib);
    job->m_hResultDib = nullptr;
}

void PSReleaseStitch(CStitchOptions* job)
{
    if (!job)
        return;
    ReleaseElementMemory(job);
    delete job;
}

void* PSMemAlloc(unsigned int size)
{
    return std::malloc(size);
}

void* PSMemLock(void* handle)
{
    return handle;
}

bool PSMemUnlock(void*)
{
    return true;
}

void PSMemFree(void* handle)
{
    std::free(handle);
}

void ReleaseElementMemory(CStitchOptions* job)
{
    if (!job)
        return;
    CStitchMatrix& matrix = job->m_Matrix;
    job->DeleteTempFiles();
    if (job->m_lWorkingLayer != -1 && job->m_lDeepestLayer != -1) {
        for (int layer = job->m_lWorkingLayer; layer <= job->m_lDeepestLayer; ++layer)
            matrix.ReleaseLayerImages(layer);
    }
    if (matrix.m_pElements) {
        // Elements a grid dropped lie past the count and own their paths too.
        for (int i = matrix.ArrayLength() - 1; i >= 0; --i) {
            CStitchElement& element = matrix.m_pElements[i];
            delete[] element.m_pRightPath;
            element.m_pRightPath = nullptr;
            delete[] element.m_pLowerPath;
            element.m_pLowerPath = nullptr;
        }
    }
    // The pyramids go with the array; they free any layer still held.
    delete[] matrix.m_pElements;
    matrix.m_pElements = nullptr;
    matrix.m_lCount = 0;
    matrix.m_lLoaded = 0;
}

bool IsColine(tagPOINT a, tagPOINT b, tagPOINT c)
{
    auto length = [](tagPOINT p, tagPOINT q) {
        return std::hypot(double(p.x) - q.x, double(p.y) - q.y);
    };
    const double ab = length(a, b);
    const double bc = length(b, c);
    const double ca = length(c, a);
    const double longest = std::max(ab, std::max(bc, ca));
    return std::fabs(ab + bc + ca - 2 * longest) < 1.0;
}
