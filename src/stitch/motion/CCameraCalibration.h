#pragma once

#include "stitch/interface/StitchEnums.h"

class CStitchElement;
class CStitchOptions;

// What calibration found; the callers copy it over the job's method and
// focal length.
struct CameraSettings
{
    STITCHMETHOD m_Method = StitchMethodCalibrated;
    double m_dFocalLength = 0.0; // full-size pixels
};

// The focal length the rotation model needs when none was given: from the
// closure of a 360-degree ring, otherwise the length at which the angles
// between twin rays agree best in both images of each pair.
class CCameraCalibration
{
public:
    explicit CCameraCalibration(CStitchOptions* job) : m_pOptions(job) {}

    int Run(int layer, CameraSettings* out);
    double FocalLengthFromAngleDifference(int layer, double D);
    double RobustEvaluate(int layer, double f);
    static double GetMacroAngle(const CStitchElement* A, const CStitchElement* B, int zoom, bool horizontal, double f);
    // The ring closure of Run, on its own; no caller needs it.
    double FocalLengthFromPanorama(int layer);
    // The angle between the rays (x1, y1, z1) and (x2, y2, z2) through the
    // triangle they span with their difference (dx, dy, dz).
    static double CalcMacroAngle(double x1, double y1, double z1, double x2, double y2, double z2, double dx,
                                 double dy, double dz);

private:
    // Ring closure; false when an image has no right twins to average.
    bool RingFocalLength(int layer, double* f);

    CStitchOptions* m_pOptions;
};
