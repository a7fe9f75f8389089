#pragma once

#include "stitch/align/EdgeBits.h"

// A copy of an alignment buffer turned by an angle about its centre, on a
// frame just large enough to hold the turned source. Pixels that fall
// outside the source have gradient 255 and colour values 0. Bilinear with
// 10-bit integer weights.
class CRotateImage
{
public:
    CRotateImage(const unsigned char* gradient, const short* correlation, int width, int height, double angle,
                 int threshold);
    ~CRotateImage();
    CRotateImage(const CRotateImage&) = delete;
    CRotateImage& operator=(const CRotateImage&) = delete;

    bool IsValid() const { return m_pGrad && m_pCorrel; }

    // Frame bounds in pixels relative to the source centre; the minima are
    // whole pixels from it.
    double m_dMinX = 0, m_dMinY = 0, m_dMaxX = 0, m_dMaxY = 0;
    double m_dAngle = 0;
    int m_lWidth = 0;
    int m_lHeight = 0;
    int m_lThreshold = 0;
    unsigned char* m_pGrad = nullptr;
    short* m_pCorrel = nullptr;
    // As bits: pixels inside the source, and those of them above the gate
    // (m_EdgeBits.threshold is the gate used; both empty when memory ran
    // out).
    EdgeBits m_InsideBits;
    EdgeBits m_EdgeBits;
};
