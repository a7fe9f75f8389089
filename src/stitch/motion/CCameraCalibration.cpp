#include "stitch/motion/CCameraCalibration.h"

#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/job/NeighbourPairs.h"
#include "stitch/pyramid/CStitchPyramid.h"

#include <algorithm>
#include <cmath>

int CCameraCalibration::Run(int layer, CameraSettings* out)
{
    out->m_Method = m_pOptions->m_Method;
    const double D = std::max(CStitchPyramid::m_lMaxW, CStitchPyramid::m_lMaxH);
    double f = 0.0;
    // A ring with an image lacking right twins cannot be closed: the angle
    // search stands in.
    if (m_pOptions->m_Matrix.m_Style != StitchStyle360 || !RingFocalLength(layer, &f))
        f = FocalLengthFromAngleDifference(layer, D);
    f = std::clamp(f, 0.5 * D, 5.0 * D);
    out->m_dFocalLength = f;
    return 0;
}

bool CCameraCalibration::RingFocalLength(int layer, double* f)
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    const int cols = grid.m_lCols;
    if (cols < 1)
        return false;
    auto meanX = [](const PointTwinList& twins, int which, double* mean) {
        const int n = std::clamp(twins.m_lCount, 0, PointTwinList::kCapacity);
        if (n == 0)
            return false;
        double sum = 0.0;
        for (int k = 0; k < n; ++k)
            sum += twins.m_Twins[k][which].x;
        *mean = sum / n;
        return true;
    };
    double total = 0.0;
    for (int i = 0; i < cols; ++i) {
        const CStitchElement* image = grid.GetElement(i, 0);
        const CStitchElement* before = grid.GetElement((i - 1 + cols) % cols, 0);
        double here, there;
        if (!image || !before || !meanX(image->m_RightTwins, 0, &here) || !meanX(before->m_RightTwins, 1, &there))
            return false;
        // Both means are positions in image i: where its right overlap
        // starts minus where its left neighbour's overlap lands in it.
        total += here - there;
    }
    *f = std::ldexp(1.0, layer) * total / (2.0 * M_PI);
    return true;
}

double CCameraCalibration::FocalLengthFromPanorama(int layer)
{
    double f = 0.0;
    return RingFocalLength(layer, &f) ? f : 0.0;
}

double CCameraCalibration::FocalLengthFromAngleDifference(int layer, double D)
{
    const double zoom = std::ldexp(1.0, layer);
    const double L = D / zoom;
    const double ratio = 0.6180339887498949;
    double a = 0.5 * L, b = 5.0 * L;
    const double d = (b - a) * ratio;
    double x1 = b - d, x2 = a + d;
    double g1 = RobustEvaluate(layer, x1), g2 = RobustEvaluate(layer, x2);
    while (x2 - x1 > 0.1) {
        if (g2 <= g1) {
            a = x1;
            x1 = x2;
            g1 = g2;
            x2 = a + b - x1;
            g2 = RobustEvaluate(layer, x2);
        } else {
            b = x2;
            x2 = x1;
            g2 = g1;
            x1 = a + b - x2;
            g1 = RobustEvaluate(layer, x1);
        }
    }
    const double m = (x1 + x2) / 2.0;
    // A cost falling all the way to the lower end means no usable minimum:
    // the longest focal length is the safer guess.
    if (m - 0.5 * L < 0.5)
        return 5.0 * D * zoom;
    return zoom * m;
}

double CCameraCalibration::RobustEvaluate(int layer, double f)
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    const int zoom = 1 << std::clamp(layer, 0, 30);
    double sum = 0.0;
    // Summed in the walk's order, which fixes the rounding of the sum.
    for (const NeighbourPair& p : NeighbourPairs(grid)) {
        const CStitchElement* A = grid.GetElement(p.col, p.row);
        const CStitchElement* B = grid.GetElement(p.nextCol, p.nextRow);
        if (A && B && !p.WithItself())
            sum += GetMacroAngle(A, B, zoom, p.horizontal, f);
    }
    return sum;
}

double CCameraCalibration::CalcMacroAngle(double x1, double y1, double z1, double x2, double y2, double z2, double dx,
                                          double dy, double dz)
{
    const double s1 = x1 * x1 + y1 * y1 + z1 * z1;
    const double s2 = x2 * x2 + y2 * y2 + z2 * z2;
    const double sd = dx * dx + dy * dy + dz * dz;
    const double denominator = 2.0 * std::sqrt(s1) * std::sqrt(s2);
    if (!(denominator > 0.0))
        return 0.0;
    // Rounding can push the cosine just past +-1, where arccos gives NaN.
    return std::acos(std::clamp((s1 + s2 - sd) / denominator, -1.0, 1.0));
}

double CCameraCalibration::GetMacroAngle(const CStitchElement* A, const CStitchElement* B, int zoom, bool horizontal,
                                         double f)
{
    const PointTwinList& twins = horizontal ? A->m_RightTwins : A->m_LowerTwins;
    const int n = std::clamp(twins.m_lCount, 0, PointTwinList::kCapacity);
    if (n == 0)
        return 0.0;
    const double cAx = (A->m_Pyramid.m_lWidth - 1) * 0.5 / zoom, cAy = (A->m_Pyramid.m_lHeight - 1) * 0.5 / zoom;
    const double cBx = (B->m_Pyramid.m_lWidth - 1) * 0.5 / zoom, cBy = (B->m_Pyramid.m_lHeight - 1) * 0.5 / zoom;
    auto length = [](double x, double y, double z) { return std::sqrt(x * x + y * y + z * z); };
    double sum = 0.0;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            const double aix = twins.m_Twins[i][0].x - cAx, aiy = twins.m_Twins[i][0].y - cAy;
            const double ajx = twins.m_Twins[j][0].x - cAx, ajy = twins.m_Twins[j][0].y - cAy;
            const double bix = twins.m_Twins[i][1].x - cBx, biy = twins.m_Twins[i][1].y - cBy;
            const double bjx = twins.m_Twins[j][1].x - cBx, bjy = twins.m_Twins[j][1].y - cBy;
            const double alpha = CalcMacroAngle(aix, aiy, f, ajx, ajy, f, aix - ajx, aiy - ajy, 0.0);
            const double beta = CalcMacroAngle(bix, biy, f, bjx, bjy, f, bix - bjx, biy - bjy, 0.0);
            sum += (length(aix, aiy, f) + length(ajx, ajy, f) + length(bix, biy, f) + length(bjx, bjy, f))
                   * std::fabs(alpha - beta);
        }
    return sum;
}
