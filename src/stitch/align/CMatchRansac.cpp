#include "stitch/align/CMatchRansac.h"

#include "stitch/align/CStitchMatch.h"
#include "stitch/job/PointTwinList.h"
#include "stitch/motion/CMotionEstimation.h"
#include "stitch/pyramid/CStitchPyramid.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

double SquaredDistance(tagPOINT a, tagPOINT b)
{
    const double dx = double(a.x) - b.x, dy = double(a.y) - b.y;
    return dx * dx + dy * dy;
}

} // namespace

bool CMatchRansac::IsCoLine(int count, const tagPOINT* points)
{
    if (count < 3)
        return true;
    for (int i = 0; i < count; ++i)
        for (int j = i + 1; j < count; ++j)
            for (int k = j + 1; k < count; ++k) {
                const double d1 = std::sqrt(SquaredDistance(points[i], points[j]));
                const double d2 = std::sqrt(SquaredDistance(points[j], points[k]));
                const double d3 = std::sqrt(SquaredDistance(points[i], points[k]));
                if (std::fabs(d1 + d2 + d3 - 2.0 * std::max({d1, d2, d3})) >= 1.0)
                    return false;
            }
    return true;
}

bool CMatchRansac::FitModel(int count, tagPOINT** twins)
{
    if (count <= 0 || !twins)
        return false;
    std::vector<tagPOINT> here(static_cast<size_t>(count)), there(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k) {
        here[k] = twins[k][0];
        there[k] = twins[k][1];
    }
    if (IsCoLine(count, here.data()) || IsCoLine(count, there.data()))
        return false;
    std::vector<double> a(size_t(count) * 3), b(size_t(count) * 3);
    auto rows = [](std::vector<double>& v) { return reinterpret_cast<double(*)[3]>(v.data()); };
    if (CStitchPyramid::m_bTelephoto) {
        for (int k = 0; k < count; ++k) {
            a[3 * k] = here[k].x;
            a[3 * k + 1] = here[k].y;
            a[3 * k + 2] = 1.0;
            b[3 * k] = there[k].x;
            b[3 * k + 1] = there[k].y;
            b[3 * k + 2] = 1.0;
        }
        double error = 0.0;
        CMotionEstimation::ComputeRigidTransform(rows(a), rows(b), count, &m_Model, &error);
        return true;
    }
    for (int k = 0; k < count; ++k) {
        a[3 * k] = here[k].x - m_dCenterX;
        a[3 * k + 1] = here[k].y - m_dCenterY;
        a[3 * k + 2] = -m_dFocal;
        b[3 * k] = there[k].x - m_dNeighbourCenterX;
        b[3 * k + 1] = there[k].y - m_dNeighbourCenterY;
        b[3 * k + 2] = -m_dFocal;
        CMotionEstimation::Normalize(&a[3 * k]);
        CMotionEstimation::Normalize(&b[3 * k]);
    }
    return CMotionEstimation::RobustMotionEstimation(rows(a), rows(b), count, &m_Model);
}

double CMatchRansac::Distance(tagPOINT* const& twin)
{
    const tagPOINT a = twin[0], b = twin[1];
    const double* m = m_Model.m_Matrix;
    if (CStitchPyramid::m_bTelephoto) {
        auto place = [](double v) { return int(std::clamp(v, -double(CMotionEstimation::kFarAway),
                                                          double(CMotionEstimation::kFarAway))); };
        const tagPOINT mapped{place(m[0] * b.x + m[1] * b.y + m[2]), place(m[3] * b.x + m[4] * b.y + m[5])};
        return SquaredDistance(mapped, a);
    }
    // Both ways, so a twin must agree seen from either image.
    CStitchTransform back;
    m_Model.Transpose(&back);
    const tagPOINT forward = CMotionEstimation::RotatePoint(&m_Model, m_dFocal, 0, b, m_dCenterX, m_dCenterY,
                                                            m_dNeighbourCenterX, m_dNeighbourCenterY);
    const tagPOINT backward = CMotionEstimation::RotatePoint(&back, m_dFocal, 0, a, m_dNeighbourCenterX,
                                                             m_dNeighbourCenterY, m_dCenterX, m_dCenterY);
    return std::max(SquaredDistance(forward, a), SquaredDistance(backward, b));
}

bool CStitchMatch::StartUpRansac(CMatchRansac* ransac, PointTwinList* twins)
{
    const int n = std::clamp(twins->m_lCount, 0, PointTwinList::kCapacity);
    // Copies, so the list can be rewritten from them.
    std::vector<tagPOINT> copies(size_t(std::max(n, 1)) * 2);
    std::vector<tagPOINT*> data(size_t(std::max(n, 1)));
    for (int k = 0; k < n; ++k) {
        copies[2 * k] = twins->m_Twins[k][0];
        copies[2 * k + 1] = twins->m_Twins[k][1];
        data[k] = &copies[2 * k];
    }
    CMatchRansac run(n, data.data());
    run.m_dCenterX = ransac->m_dCenterX;
    run.m_dCenterY = ransac->m_dCenterY;
    run.m_dNeighbourCenterX = ransac->m_dNeighbourCenterX;
    run.m_dNeighbourCenterY = ransac->m_dNeighbourCenterY;
    run.m_dFocal = ransac->m_dFocal;
    if (!run.Run(500, 16.0, 0.99))
        return false;
    ransac->m_Model = run.m_Model;
    int kept = 0;
    for (int k = 0; k < n; ++k)
        if (run.IsInlier(k)) {
            twins->m_Twins[kept][0] = copies[2 * k];
            twins->m_Twins[kept][1] = copies[2 * k + 1];
            ++kept;
        }
    twins->m_lCount = kept;
    return kept >= 3;
}
