#pragma once

#include "stitch/align/CRansac.h"
#include "stitch/geometry/CStitchTransform.h"
#include "stitch/image/Rect.h"

// Consensus over a pair's twins (each datum points at two tagPOINTs: this
// element's point, then the neighbour's) with the job's camera model: a
// rotation of viewing rays, or for telephoto jobs a planar rigid map from
// neighbour to element pixels. Centres and focal length are in pixels of the
// layer being matched.
class CMatchRansac : public CRansac<tagPOINT*>
{
public:
    // The matcher seeds every pair's consensus alike.
    static constexpr std::uint32_t kSeed = 2003;

    CMatchRansac(int count, tagPOINT** data, std::uint32_t seed = kSeed) : CRansac<tagPOINT*>(count, 3, data, seed) {}

    double Distance(tagPOINT* const& twin) override;
    bool FitModel(int count, tagPOINT** twins) override;
    // True when fewer than three points, or every triple of them is flat
    // (its two shorter sides exceed the longest by under a pixel).
    static bool IsCoLine(int count, const tagPOINT* points);

    CStitchTransform m_Model = {};
    double m_dCenterX = 0.0, m_dCenterY = 0.0;                 // this element
    double m_dNeighbourCenterX = 0.0, m_dNeighbourCenterY = 0.0;
    double m_dFocal = 0.0;
};
