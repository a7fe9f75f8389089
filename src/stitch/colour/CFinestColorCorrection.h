#pragma once

#include "stitch/image/Rect.h"

class CImage;
class CMask;

// Matches a newly warped image to the panorama already placed, over their
// overlap: one table per byte from CColorCorrection::RunChannels (the three
// bytes fitted together), applied to every pixel of the new image under its
// mask.
//
// The renderer sets the four pointers (not owned): the new image and mask,
// and the reference (panorama) image and mask, 24-bit images with masks of
// at least their size. Rectangles are in panorama coordinates; a placement's
// corner is where the image's pixel (0, 0) lies.
class CFinestColorCorrection
{
public:
    // Counts the overlap pixels covered by both masks into m_Counts: the
    // reference's bytes 2, 1, 0, then the new image's. Pixels whose three
    // bytes add up to 753 or more in either image (near white) are left out.
    // -3 (counts left at zero) when either image cannot be locked, else 0.
    int ComputeHistogram(const tagRECT& overlap, const tagRECT& referencePlacement, const tagRECT& newPlacement);
    // ComputeHistogram, then the new image corrected in place. 0; an
    // overlap with too few usable pixels leaves the image unchanged. -3
    // (image unchanged) when an image cannot be locked: the counts or the
    // correction would be of nothing.
    int Run(const tagRECT& overlap, const tagRECT& referencePlacement, const tagRECT& newPlacement);

    static constexpr int kWhiteSum = 753;

    unsigned int m_Counts[1536] = {};
    CImage* m_pNewImage = nullptr;
    CMask* m_pNewMask = nullptr;
    CImage* m_pReferenceImage = nullptr;
    CMask* m_pReferenceMask = nullptr;
};
