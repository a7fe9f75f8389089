#pragma once

#include "stitch/align/EdgeBits.h"

#include <vector>

class CImage;

// What coarse alignment compares of one image: a gradient image (Sobel
// magnitude, halved, at most 254) that gates which pixels count, and a
// zero-mean colour image (each channel minus its clipped 3 x 3 mean).
// Both are row-major, width x height (x 3 for the colour image).
class CAlignDataBuffer
{
public:
    static constexpr int kThreshold = 26;

    CAlignDataBuffer();
    ~CAlignDataBuffer();
    CAlignDataBuffer(const CAlignDataBuffer&) = delete;
    CAlignDataBuffer& operator=(const CAlignDataBuffer&) = delete;

    // Fills both images from a 24-bit image; false when it is empty, not
    // 24-bit or the buffers cannot be had.
    bool Build(CImage* image);

    // The two steps on their own, from a locked 24-bit image into buffers of
    // width x height (x 3) values.
    static void GetGradImage(CImage* image, unsigned char* out);
    static void GetCorrelImage(CImage* image, short* out);

    int m_lWidth = 0;
    int m_lHeight = 0;
    int m_lThreshold = kThreshold;
    unsigned char* m_pGrad = nullptr;
    short* m_pCorrel = nullptr;
    // The gradient gate as bits (made by Build with m_lThreshold); empty
    // when memory ran out.
    EdgeBits m_EdgeBits;
    // Per colour value its similarity-table row offset
    // (CCorrelTable::RowOffset), made by Build; empty when memory ran out.
    std::vector<int> m_TableRows;
};
