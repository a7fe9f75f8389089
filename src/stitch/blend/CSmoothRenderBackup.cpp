// What a later seam adjustment needs: the seam graph in a temporary file,
// the record on the element and, between the row strips of a tile grid,
// copies of both strips' overlaps.
#include "stitch/blend/CSmoothRender.h"

#include "stitch/blend/SmoothRenderLock.h"
#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <cstring>

void CSmoothRender::StoreOnElement(unsigned short*& pathSlot, int& graphSlot, int newGraphId)
{
    // The element takes the record; what an earlier render left goes.
    if (graphSlot != -1)
        m_pOptions->RemoveFile(graphSlot);
    graphSlot = newGraphId;
    if (pathSlot != m_pPath)
        delete[] pathSlot;
    pathSlot = m_pPath;
}

int CSmoothRender::SaveStripCopy(const tagRECT& overlap, CImage* image, CMask* mask, int* imageId, int* maskId)
{
    const int w = overlap.right - overlap.left;
    const int h = overlap.bottom - overlap.top;
    CImage copy;
    if (copy.Create(w, h, 24) != 0)
        return StitchNullArgument;
    // A lock refused is -3 (a bitmap there but not to be had), as elsewhere.
    if (copy.Clear(m_pOptions->m_lFillColour) != 0)
        return StitchBadArgument;
    CMask copyMask;
    if (!copyMask.Create(unsigned(w), unsigned(h)))
        return StitchNullArgument;
    {
        SmoothRenderLock from(image);
        SmoothRenderLock to(&copy);
        if (!from.ok() || !to.ok())
            return StitchBadArgument;
        for (int y = 0; y < h; ++y) {
            std::memcpy(to.pixel(0, y), from.pixel(overlap.left, overlap.top + y), size_t(w) * 3);
            for (int x = 0; x < w; ++x)
                if (mask->IsMask(unsigned(overlap.top + y), unsigned(overlap.left + x)))
                    copyMask.SetPixel(unsigned(y), unsigned(x), true);
        }
    }
    CFileManager& files = m_pOptions->m_FileManager;
    *imageId = files.GetFileID();
    if (*imageId < 0 || !files.SaveImageFile(*imageId, &copy))
        return StitchBadArgument;
    *maskId = files.GetFileID();
    if (*maskId < 0 || !files.SaveMaskFile(*maskId, &copyMask))
        return StitchBadArgument;
    return 0;
}

int CSmoothRender::BackupForAdjustPath(const unsigned short* graph)
{
    if (!m_pElement || !m_pPath)
        return StitchBadArgument;
    CFileManager& files = m_pOptions->m_FileManager;
    const bool stripSeam = m_pOptions->m_Matrix.m_Style == StitchStyleTile && !m_bHorizontal;
    int ids[5] = {-1, -1, -1, -1, -1}; // strip image, mask, next image, mask, graph
    auto dropNew = [&] {
        for (int id : ids)
            if (id != -1)
                m_pOptions->RemoveFile(id);
    };
    if (stripSeam) {
        int result = SaveStripCopy(m_OverlapA, m_pImageA, m_pMaskA, &ids[0], &ids[1]);
        if (result == 0)
            result = SaveStripCopy(m_OverlapB, m_pImageB, m_pMaskB, &ids[2], &ids[3]);
        if (result != 0) {
            dropNew();
            return result;
        }
    }
    ids[4] = files.GetFileID();
    if (ids[4] < 0 || !files.SaveGraphFile(ids[4], graph, m_lWidth, m_lHeight)) {
        dropNew();
        return StitchBadArgument;
    }
    CStitchElement* e = m_pElement;
    if (!stripSeam) {
        StoreOnElement(e->m_pRightPath, e->m_lRightGraphId, ids[4]);
        return 0;
    }
    int* idSlots[4] = {&e->m_lStripImageId, &e->m_lStripMaskId, &e->m_lNextStripImageId, &e->m_lNextStripMaskId};
    for (int i = 0; i < 4; ++i) {
        if (*idSlots[i] != -1)
            m_pOptions->RemoveFile(*idSlots[i]);
        *idSlots[i] = ids[i];
    }
    StoreOnElement(e->m_pLowerPath, e->m_lLowerGraphId, ids[4]);
    return 0;
}
