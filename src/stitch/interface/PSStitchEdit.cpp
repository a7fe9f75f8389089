// Dropping photos from a loaded job and putting its elements in a given
// order.

#include "stitch/interface/PSStitch.h"

#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchElementSwap.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/order/CAutoOrder.h"

#include <algorithm>
#include <new>
#include <vector>

void DeleteMemoryForOneElement(CStitchOptions* job, CStitchElement* element)
{
    if (!job || !element)
        return;
    job->DeleteOneElementTempFiles(element);
    if (job->m_lWorkingLayer != -1 && job->m_lDeepestLayer != -1) {
        for (int layer = job->m_lWorkingLayer; layer <= job->m_lDeepestLayer; ++layer)
            element->m_Pyramid.ReleaseLayer(layer);
        element->m_Pyramid.ReleaseAllLayers();
        delete[] element->m_Pyramid.m_phLayers;
        element->m_Pyramid.m_phLayers = nullptr;
        element->m_Pyramid.m_lLayerCount = 0;
    }
}

namespace {

// A dropped element's paths may still be listed in the job's path array
// handed out by the last render: that entry must not outlive the path.
void ForgetPath(CStitchOptions* job, unsigned short*& path)
{
    if (!path)
        return;
    for (int i = 0; job->m_ppPaths && i < job->m_lPathCount; ++i)
        if (job->m_ppPaths[i] == path)
            job->m_ppPaths[i] = nullptr;
    delete[] path;
    path = nullptr;
}

void ForgetOrderData(CStitchElement& e)
{
    for (void*& slot : e.m_pOrderData) {
        delete static_cast<COrderList*>(slot);
        slot = nullptr;
    }
}

} // namespace

int PSDeleteImages(CStitchOptions* job, int count, int* indices)
{
    if (!job || !indices)
        return StitchBadArgument;
    CStitchMatrix& grid = job->m_Matrix;
    const int total = grid.m_pElements ? grid.m_lCount : 0;
    // The list decides the size of the new array: one that does not
    // describe distinct elements would under- or overrun it.
    if (count < 0 || count > total)
        return StitchBadArgument;
    std::vector<bool> dropped(size_t(total), false);
    for (int i = 0; i < count; ++i) {
        const int index = indices[i];
        if (index < 0 || index >= total || dropped[size_t(index)])
            return StitchBadArgument;
        dropped[size_t(index)] = true;
    }
    const int remaining = total - count;
    CStitchElement* kept = nullptr;
    if (remaining > 0) {
        kept = new (std::nothrow) CStitchElement[size_t(remaining)];
        if (!kept)
            return StitchNullArgument;
    }
    // Elements a near-duplicate drop left past the count go with the old
    // array: their files and paths are freed here, as a release would.
    for (int i = total; i < grid.ArrayLength(); ++i) {
        CStitchElement& e = grid.m_pElements[i];
        DeleteMemoryForOneElement(job, &e);
        ForgetPath(job, e.m_pRightPath);
        ForgetPath(job, e.m_pLowerPath);
        ForgetOrderData(e);
    }
    int next = 0;
    for (int i = 0; i < total; ++i) {
        CStitchElement& e = grid.m_pElements[i];
        if (dropped[size_t(i)]) {
            DeleteMemoryForOneElement(job, &e);
            ForgetPath(job, e.m_pRightPath);
            ForgetPath(job, e.m_pLowerPath);
            ForgetOrderData(e);
        } else {
            SwapElementRecords(&kept[next++], &e);
        }
    }
    delete[] grid.m_pElements;
    grid.m_pElements = kept;
    grid.m_lCount = remaining;
    grid.m_lLoaded = remaining;
    if (grid.m_Style == StitchStyleVertical) {
        grid.m_lCols = 1;
        grid.m_lRows = remaining;
    } else if (grid.m_Style != StitchStyleTile) {
        grid.m_lCols = remaining;
        grid.m_lRows = 1;
    }
    return 0;
}

int PSAdjustOrder(CStitchOptions* job, QList<QString>& names)
{
    if (!job)
        return StitchNullArgument;
    CStitchMatrix& grid = job->m_Matrix;
    if (!grid.m_pElements || grid.m_lCols <= 0 || grid.m_lRows <= 0)
        return 0;
    const long long cells = (long long)grid.m_lCols * grid.m_lRows;
    const int n = int(std::min<long long>(cells, grid.m_lCount));
    const int listed = int(std::min<qsizetype>(names.size(), n));
    for (int i = 0; i < listed; ++i)
        for (int j = i; j < n; ++j)
            if (grid.m_pElements[j].m_Pyramid.m_strName == names.at(i)) {
                CAutoOrder::PermuteElementParam(&grid.m_pElements[i], &grid.m_pElements[j]);
                break;
            }
    return 0;
}
