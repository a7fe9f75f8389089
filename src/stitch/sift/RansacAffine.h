#pragma once

#include "stitch/align/CRansac.h"
#include "stitch/sift/Keypoint.h"

// A 2-D affine map of first-image points (x, y) to (a x + b y + tx, c x + d y + ty).
struct SiftAffine
{
    float a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
};

// Least-squares affine of the matches, first keypoints to second keypoints,
// through the normal equations. Returns false and leaves `model` untouched
// when the system is singular (fewer than three points, or all on a line).
bool SolveAffineLeastSquares(int count, const KeypointMatch* matches, SiftAffine& model);

// Consensus over keypoint matches with an affine model, three matches a
// sample; the generator is seeded with 2008 so results repeat.
class RansacAffine : public CRansac<KeypointMatch>
{
public:
    RansacAffine(int count, KeypointMatch* matches);

    // Squared distance between the second keypoint and the mapped first one.
    double Distance(const KeypointMatch& match) override;
    // ComputeAffine, then true when the determinant is not within 1e-10 of 0.
    bool FitModel(int count, KeypointMatch* matches) override;
    // Least squares for more than two matches (all zero when singular), the
    // identity otherwise.
    void ComputeAffine(int count, const KeypointMatch* matches);

    SiftAffine model;
};
