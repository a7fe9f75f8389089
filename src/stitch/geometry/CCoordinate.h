#pragma once

#include "stitch/interface/StitchEnums.h"

class CProcessingList;
class CStitchOptions;
class CStitchTransform;

// The lens a transform belongs to; the job's method read as a lens.
enum STITCHLENS {
    StitchLensNormal = 0,
    StitchLensTelephoto = 1, // planar maps: translations are not clamped
    StitchLens35mm = 2,
};

// One global transform per element from the pair transforms: the rotation
// from the element's viewing rays (x - (w - 1)/2, y - (h - 1)/2, -f),
// full-size pixels, into the panorama frame (y up, longitude 0 along -z).
// Pair transforms map the neighbour's rays into the owner's frame. After
// chaining, the result is straightened: the common vertical becomes the y
// axis and the panorama starts at the first image's left edge. Telephoto
// jobs get the plain chained planar maps.
//
// Holds only the job; runs on the caller's thread.
class CCoordinate
{
public:
    explicit CCoordinate(CStitchOptions* job) : m_pOptions(job) {}
    ~CCoordinate() = default;

    // Rows, columns and tile grids; a 360 ring goes through PanoramaRun. 0.
    int Run();
    // Tunes the job's focal length until the ring closes, chains and
    // straightens the ring and reports the rotation still needed to close
    // it (closingAxis: three doubles, in the straightened frame). 0, -4 when
    // the closing rotation has no axis-angle form, or the motion
    // estimation's code. layer: the layer of the twins.
    int PanoramaRun(double* closingAxis, double* closingAngle, int layer);

    // Clamps the four upper-left entries to [-1, 1], for lenses other than
    // telephoto all nine.
    static void VerifyTransform(CStitchTransform* T, STITCHLENS lens);
    // m row-major. False when m is no rotation ((trace - 1)/2 beyond +-1 by
    // more than 1e-8). A turn of nothing or of half a circle gives axis
    // (1, 0, 0) and angle 0; an angle above 45 degrees is reported as 0.
    static bool UOM2AxisAngle(const double* m, double* axis, double* angle);
    // The rotation by angle (radians) about axis (normalised in place),
    // row-major, right-handed.
    static void AxisAngle2UOM(double* axis, double* m, double angle);

    // The straightening rotations (each writes out).
    void CompensateRotationLandscape(double* up, CStitchTransform* out) const;
    void CompensateRotationSkyscraper(double* x, CStitchTransform* out) const;
    void CompensateRotationLeft(CStitchTransform* out) const;
    void CompensateRotationWideAngle(double* up, CStitchTransform* out) const;
    // One pass of neighbour averaging over the listed elements after the first.
    void RelaxationWideAngle(CProcessingList* list);

    static void CrossProduct(const double* a, const double* b, double* out);
    // Writes c0, c1, c2 as the columns of out.
    static void Evaluate2DArray(double out[3][3], const double* c0, const double* c1, const double* c2);
    static void VectorInverse(double* v);
    // Entry [0][2] of the ring's product of right-pair transforms.
    double WrapPanorama() const;
    // Orthonormal frames (rows) from two vectors: the landscape one with rows
    // unit(a x up), up, unit(c x up); the skyscraper one with rows x,
    // y = unit((x . m) x - m) and x x y: a rotation (y x x would mirror
    // every column panorama top to bottom).
    static void DeriveZ_Landscape(const double* up, const double* a, CStitchTransform* out);
    static void DeriveZ_Skyscraper(const double* x, const double* m, CStitchTransform* out);

private:
    void CoordinateLandscape();
    void CoordinateSkyscraper();
    void CoordinateWideangle();
    // G_k = R_0 ... R_(k-1) along the first row, G_0 = identity.
    void ChainRow();
    STITCHLENS Lens() const;

    CStitchOptions* m_pOptions;
};
