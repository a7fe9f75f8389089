#pragma once

#include "stitch/align/CCornerDetector.h"
#include "stitch/image/CImage.h"
#include "stitch/image/Rect.h"

class CStitchElement;

// The layer bitmaps of a neighbour pair (A of the element, B of its
// neighbour), attached and locked for block matching. Whatever was fetched
// is given back when the pair is destroyed, valid or not.
class CStitchMatchLayerPair
{
public:
    CStitchMatchLayerPair(CStitchElement* e, CStitchElement* n, int layer);
    ~CStitchMatchLayerPair();
    CStitchMatchLayerPair(const CStitchMatchLayerPair&) = delete;
    CStitchMatchLayerPair& operator=(const CStitchMatchLayerPair&) = delete;

    // False when either layer cannot be had or is not a 24-bit bitmap.
    bool IsValid() const { return m_bValid; }
    CImage* A() { return &m_A; }
    int Width() const { return m_lWidth; } // of A
    int Height() const { return m_lHeight; }
    int WidthB() const { return m_lWidthB; }
    int HeightB() const { return m_lHeightB; }

    // Corners of B in region (both ends included; limited to B), at most
    // 40, strongest first.
    int Corners(const tagRECT& region, tagPOINT out[40]);
    // B's 8 x 8 block from (p.x - 4, p.y - 4); false when it leaves B.
    bool Block(tagPOINT p, tagRGBTRIPLE block[8][8]) const;

private:
    CStitchElement* m_pElement;
    CStitchElement* m_pNeighbour;
    int m_lLayer;
    CImage m_A;
    CImage m_B;
    bool m_bValid = false;
    int m_lWidth = 0, m_lHeight = 0;
    int m_lWidthB = 0, m_lHeightB = 0;
};
