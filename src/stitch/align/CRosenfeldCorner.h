#pragma once

#include "stitch/align/CCornerDetector.h"

// Kitchen-Rosenfeld corners: the curvature of the blurred grey level's
// iso-lines times its gradient, above a share of the strongest measure and
// above its four neighbours; about 80 kept, strongest first, and spaced out
// when read.
class CRosenfeldCorner : public CCornerDetector
{
public:
    struct CRosenfeldParams
    {
        int spacing;   // pixels; GetCornerList replaces it by the region's own
        int threshold; // tenths of the strongest measure
    };

    struct Corner
    {
        int x; // relative to the region's left column
        int y; // relative to the region's top row
        short measure;
    };

    // image is not owned and must stay locked while the detector runs.
    CRosenfeldCorner(CImage* image, const ImageRegion& region, CRosenfeldParams params);
    ~CRosenfeldCorner() override;
    CRosenfeldCorner(const CRosenfeldCorner&) = delete;
    CRosenfeldCorner& operator=(const CRosenfeldCorner&) = delete;

    // maxCount must be at least 1.
    int GetCornerList(int maxCount, tagPOINT* out) override;
    // False for a region under 5 columns or rows, or without corners.
    bool Run() override;

    static constexpr int kCap = 80;

    CImage* m_pImage;
    ImageRegion m_Region;
    CRosenfeldParams m_Params;
    Corner* m_pCorners = nullptr;
    int m_lCount = 0;
};
