#include "stitch/align/CRotateImage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>

namespace {

// Bilinear value of one plane (stride values per pixel) at (ix + fx/1024,
// iy + fy/1024).
template <typename T>
int Sample(const T* plane, int stride, int channel, int width, int ix, int iy, int fx, int fy)
{
    auto at = [&](int x, int y) { return int(plane[(std::int64_t(y) * width + x) * stride + channel]); };
    if (fx && fy)
        return ((at(ix + 1, iy + 1) * fx + at(ix, iy + 1) * (1024 - fx)) * fy
                + (at(ix + 1, iy) * fx + at(ix, iy) * (1024 - fx)) * (1024 - fy)) >> 20;
    if (fx)
        return (at(ix + 1, iy) * fx + at(ix, iy) * (1024 - fx)) >> 10;
    if (fy)
        return (at(ix, iy + 1) * fy + at(ix, iy) * (1024 - fy)) >> 10;
    return at(ix, iy);
}

} // namespace

CRotateImage::CRotateImage(const unsigned char* gradient, const short* correlation, int width, int height,
                           double angle, int threshold)
    : m_dAngle(angle), m_lThreshold(threshold)
{
    const double cx = (width - 1) / 2.0;
    const double cy = (height - 1) / 2.0;
    const double s = std::sin(angle);
    const double c = std::cos(angle);
    const double xs[4] = {-cx * c - cy * s, cx * c - cy * s, -cx * c + cy * s, cx * c + cy * s};
    const double ys[4] = {-cx * s + cy * c, cx * s + cy * c, -cx * s - cy * c, cx * s - cy * c};
    m_dMinX = *std::min_element(xs, xs + 4);
    m_dMaxX = *std::max_element(xs, xs + 4);
    m_dMinY = *std::min_element(ys, ys + 4);
    m_dMaxY = *std::max_element(ys, ys + 4);
    // The frame's origin lies on the source's pixel grid (a whole number of
    // pixels from its centre, moved out by under a pixel), so that a whole
    // offset pairs each pixel of the other image with the copy's pixel at
    // exactly its turned place; a bare corner left the copy's pixels up to
    // one pixel beside those places, and the peaks of turned copies moved
    // by a pixel.
    m_dMinX = std::floor(m_dMinX + cx) - cx;
    m_dMinY = std::floor(m_dMinY + cy) - cy;
    m_lWidth = int(m_dMaxX - m_dMinX + 2);
    m_lHeight = int(m_dMaxY - m_dMinY + 2);
    const size_t pixels = size_t(m_lWidth) * size_t(m_lHeight);
    m_pGrad = new (std::nothrow) unsigned char[pixels];
    m_pCorrel = new (std::nothrow) short[pixels * 3];
    if (!IsValid() || !gradient || !correlation)
        return;

    for (int j = 0; j < m_lHeight; ++j) {
        const double Y = m_dMinY + j;
        for (int i = 0; i < m_lWidth; ++i) {
            const double X = m_dMinX + i;
            const double sx = cx + X * c - Y * s;
            const double sy = cy + X * s + Y * c;
            const std::int64_t at = std::int64_t(j) * m_lWidth + i;
            if (sx < 0 || sy < 0 || sx > width - 1 || sy > height - 1) {
                m_pGrad[at] = 255;
                m_pCorrel[3 * at] = m_pCorrel[3 * at + 1] = m_pCorrel[3 * at + 2] = 0;
                continue;
            }
            const int ix = int(sx);
            const int iy = int(sy);
            // At the last column or row the weight is 0, so the pixel past
            // it is never read.
            const int fx = ix < width - 1 ? int((sx - ix) * 1024 + 0.5) : 0;
            const int fy = iy < height - 1 ? int((sy - iy) * 1024 + 0.5) : 0;
            m_pGrad[at] = static_cast<unsigned char>(Sample(gradient, 1, 0, width, ix, iy, fx, fy));
            for (int k = 0; k < 3; ++k)
                m_pCorrel[3 * at + k] = short(Sample(correlation, 3, k, width, ix, iy, fx, fy));
        }
    }
    const int gate = threshold;
    if (m_InsideBits.Make(m_pGrad, m_lWidth, m_lHeight, [](unsigned char v) { return v != 255; })
        && m_EdgeBits.Make(m_pGrad, m_lWidth, m_lHeight, [gate](unsigned char v) { return v != 255 && v > gate; }))
        m_EdgeBits.threshold = gate;
    else
        m_InsideBits = m_EdgeBits = EdgeBits();
}

CRotateImage::~CRotateImage()
{
    delete[] m_pGrad;
    delete[] m_pCorrel;
}
