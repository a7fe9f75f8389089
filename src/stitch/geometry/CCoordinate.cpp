#include "stitch/geometry/CCoordinate.h"

#include "stitch/geometry/CStitchTransform.h"
#include "stitch/job/CProcessingList.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/motion/CMotionEstimation.h"

#include <algorithm>
#include <cmath>

namespace {

double Dot(const double* a, const double* b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// Normalises v; a zero vector stays zero and gives false.
bool Unit(double* v)
{
    const double length = std::sqrt(Dot(v, v));
    if (!(length > 0.0) || !std::isfinite(length))
        return false;
    for (int i = 0; i < 3; ++i)
        v[i] /= length;
    return true;
}

void Column(const CStitchTransform& T, int c, double* out)
{
    for (int r = 0; r < 3; ++r)
        out[r] = T.m_Matrix[3 * r + c];
}

// The left corner rays of an image of full size w x h: upper (rows grow
// upwards) and lower.
void LeftCorners(const CStitchElement* e, double f, double* upper, double* lower)
{
    const double w = e->m_Pyramid.m_lWidth, h = e->m_Pyramid.m_lHeight;
    upper[0] = lower[0] = (1.0 - w) / 2.0;
    upper[1] = (h - 1.0) / 2.0;
    lower[1] = (1.0 - h) / 2.0;
    upper[2] = lower[2] = -f;
}

} // namespace

STITCHLENS CCoordinate::Lens() const
{
    return STITCHLENS(int(m_pOptions->m_Method));
}

int CCoordinate::Run()
{
    // A ring's rotations come from PanoramaRun, which closes it.
    const tagStitchStyle style = m_pOptions->m_Matrix.m_Style;
    if (style == StitchStyleHorizontal)
        CoordinateLandscape();
    else if (style == StitchStyleVertical)
        CoordinateSkyscraper();
    else if (style == StitchStyleTile)
        CoordinateWideangle();
    return 0;
}

void CCoordinate::VerifyTransform(CStitchTransform* T, STITCHLENS lens)
{
    static const int always[] = {0, 1, 3, 4};
    for (int i : always)
        T->m_Matrix[i] = std::clamp(T->m_Matrix[i], -1.0, 1.0);
    if (lens != StitchLensTelephoto)
        for (int i : {2, 5, 6, 7, 8})
            T->m_Matrix[i] = std::clamp(T->m_Matrix[i], -1.0, 1.0);
}

bool CCoordinate::UOM2AxisAngle(const double* m, double* axis, double* angle)
{
    const double c = (m[0] + m[4] + m[8] - 1.0) / 2.0;
    if (!(std::fabs(c) - 1.0 <= 1e-8))
        return false;
    if (std::fabs(c - 1.0) <= 1e-8 || std::fabs(c + 1.0) <= 1e-8) {
        axis[0] = 1.0;
        axis[1] = axis[2] = 0.0;
        *angle = 0.0;
        return true;
    }
    const double a = std::acos(std::clamp(c, -1.0, 1.0));
    const double s = 2.0 * std::sin(a);
    axis[0] = (m[7] - m[5]) / s;
    axis[1] = (m[2] - m[6]) / s;
    axis[2] = (m[3] - m[1]) / s;
    Unit(axis);
    *angle = a > M_PI / 4.0 ? 0.0 : a;
    return true;
}

void CCoordinate::AxisAngle2UOM(double* axis, double* m, double angle)
{
    Unit(axis);
    const double x = axis[0], y = axis[1], z = axis[2];
    const double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
    m[0] = c + t * x * x;
    m[1] = t * x * y - s * z;
    m[2] = t * x * z + s * y;
    m[3] = t * x * y + s * z;
    m[4] = c + t * y * y;
    m[5] = t * y * z - s * x;
    m[6] = t * x * z - s * y;
    m[7] = t * y * z + s * x;
    m[8] = c + t * z * z;
}

void CCoordinate::CrossProduct(const double* a, const double* b, double* out)
{
    const double r[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
    std::copy(r, r + 3, out);
}

void CCoordinate::Evaluate2DArray(double out[3][3], const double* c0, const double* c1, const double* c2)
{
    for (int r = 0; r < 3; ++r) {
        out[r][0] = c0[r];
        out[r][1] = c1[r];
        out[r][2] = c2[r];
    }
}

void CCoordinate::VectorInverse(double* v)
{
    for (int i = 0; i < 3; ++i)
        v[i] = -v[i];
}

double CCoordinate::WrapPanorama() const
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    CStitchTransform M;
    M.Identity();
    for (int c = 0; c < grid.m_lCols; ++c)
        if (const CStitchElement* e = grid.GetElement(c, 0))
            M = M.Multiple(&e->m_RightTransform);
    return M.m_Matrix[2];
}

void CCoordinate::DeriveZ_Landscape(const double* up, const double* a, CStitchTransform* out)
{
    double c[3], d[3];
    CrossProduct(a, up, c);
    CMotionEstimation::Normalize(c);
    CrossProduct(c, up, d);
    CMotionEstimation::Normalize(d);
    for (int i = 0; i < 3; ++i) {
        out->m_Matrix[i] = c[i];
        out->m_Matrix[3 + i] = up[i];
        out->m_Matrix[6 + i] = d[i];
    }
}

void CCoordinate::DeriveZ_Skyscraper(const double* x, const double* m, CStitchTransform* out)
{
    const double xm = Dot(x, m);
    double y[3] = {xm * x[0] - m[0], xm * x[1] - m[1], xm * x[2] - m[2]};
    CMotionEstimation::Normalize(y);
    double z[3];
    CrossProduct(x, y, z);
    for (int i = 0; i < 3; ++i) {
        out->m_Matrix[i] = x[i];
        out->m_Matrix[3 + i] = y[i];
        out->m_Matrix[6 + i] = z[i];
    }
}

void CCoordinate::ChainRow()
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    const int n = grid.m_lCols;
    // From the last image backwards: G_k = R_(k-1), then every later
    // G_j = G_k G_j, so each product is formed once per pair.
    for (int k = n - 1; k >= 0; --k) {
        CStitchElement* e = grid.GetElement(k, 0);
        if (!e)
            continue;
        if (k == 0) {
            e->m_Transform.Identity();
            continue;
        }
        const CStitchElement* left = grid.GetElement(k - 1, 0);
        if (!left) {
            e->m_Transform.Identity();
            continue;
        }
        e->m_Transform = left->m_RightTransform;
        for (int j = k + 1; j < n; ++j)
            if (CStitchElement* later = grid.GetElement(j, 0))
                later->m_Transform = e->m_Transform.Multiple(&later->m_Transform);
    }
}

void CCoordinate::CoordinateLandscape()
{
    CStitchMatrix& grid = m_pOptions->m_Matrix;
    const int n = grid.m_lCols;
    ChainRow();
    if (m_pOptions->m_Method == StitchMethodTelephoto || n < 2)
        return; // a single image keeps the identity

    double S[3][3] = {};
    for (int k = 1; k < n; ++k) {
        CStitchElement* e = grid.GetElement(k, 0);
        if (!e)
            continue;
        VerifyTransform(&e->m_Transform, Lens());
        double a[3], angle;
        if (!UOM2AxisAngle(e->m_Transform.m_Matrix, a, &angle))
            continue;
        if (a[1] < 0.0)
            VectorInverse(a);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                S[r][c] += a[r] * a[c];
    }
    // The common turning axis: the dominant direction of the axes.
    double rowsA[4][4] = {}, rowsV[4][4] = {}, w[4] = {};
    double* a[4] = {rowsA[0], rowsA[1], rowsA[2], rowsA[3]};
    double* v[4] = {rowsV[0], rowsV[1], rowsV[2], rowsV[3]};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            a[r + 1][c + 1] = S[r][c];
    double up[3] = {0.0, 1.0, 0.0};
    if (CMotionEstimation::SVDcompute(a, 3, 3, v, w)) {
        int pick = 3;
        if (w[1] > w[2] && w[1] > w[3])
            pick = 1;
        else if (w[2] > w[3])
            pick = 2;
        for (int r = 0; r < 3; ++r)
            up[r] = v[r + 1][pick];
    }
    if (up[1] < 0.0)
        VectorInverse(up);

    // Only the part of it that the middle image can turn about without
    // tilting its rows.
    if (const CStitchElement* mid = grid.GetElement(n / 2, 0)) {
        double c1[3], c2[3];
        Column(mid->m_Transform, 1, c1);
        Column(mid->m_Transform, 2, c2);
        const double k1 = Dot(c1, up), k2 = Dot(c2, up);
        for (int r = 0; r < 3; ++r)
            up[r] = c1[r] * k1 + c2[r] * k2;
    }
    if (!Unit(up))
        up[0] = up[2] = 0.0, up[1] = 1.0;
    if (up[1] < 0.0)
        VectorInverse(up);
    if (up[1] < 0.7) {
        up[0] = up[2] = 0.0;
        up[1] = 1.0;
    }
    CStitchTransform K;
    CompensateRotationLandscape(up, &K);
    for (int k = 0; k < n; ++k)
        if (CStitchElement* e = grid.GetElement(k, 0)) {
            e->m_Transform = K.Multiple(&e->m_Transform);
            VerifyTransform(&e->m_Transform, Lens());
        }
}

void CCoordinate::CompensateRotationLandscape(double* up, CStitchTransform* out) const
{
    const CStitchElement* first = m_pOptions->m_Matrix.GetElement(0, 0);
    double a1[3] = {0.0, 0.0, -1.0}, a2[3] = {0.0, 0.0, -1.0};
    if (first)
        LeftCorners(first, m_pOptions->m_dFocalLength, a1, a2);
    CStitchTransform frame1, frame2;
    DeriveZ_Landscape(up, a1, &frame1);
    DeriveZ_Landscape(up, a2, &frame2);
    // The corner further left decides where the panorama starts.
    *out = Dot(a2, frame1.m_Matrix) > 0.0 ? frame1 : frame2;
}

void CCoordinate::CoordinateSkyscraper()
{
    CStitchMatrix& grid = m_pOptions->m_Matrix;
    const int n = grid.m_lRows;
    for (int r = n - 1; r >= 0; --r) {
        CStitchElement* e = grid.GetElement(0, r);
        if (!e)
            continue;
        const CStitchElement* upper = r > 0 ? grid.GetElement(0, r - 1) : nullptr;
        if (!upper) {
            e->m_Transform.Identity();
            continue;
        }
        e->m_Transform = upper->m_LowerTransform;
        for (int j = r + 1; j < n; ++j)
            if (CStitchElement* later = grid.GetElement(0, j))
                later->m_Transform = e->m_Transform.Multiple(&later->m_Transform);
    }
    if (m_pOptions->m_Method == StitchMethodTelephoto || n < 2)
        return;

    double x[3] = {0.0, 0.0, 0.0};
    for (int r = 0; r < n; ++r) {
        CStitchElement* e = grid.GetElement(0, r);
        if (!e)
            continue;
        VerifyTransform(&e->m_Transform, Lens());
        if (e->m_Transform.m_Matrix[0] > 0.0)
            for (int i = 0; i < 3; ++i)
                x[i] += e->m_Transform.m_Matrix[3 * i];
    }
    if (!Unit(x))
        x[0] = 1.0, x[1] = x[2] = 0.0;
    CStitchTransform frame;
    CompensateRotationSkyscraper(x, &frame);
    for (int r = 0; r < n; ++r)
        if (CStitchElement* e = grid.GetElement(0, r))
            e->m_Transform = frame.Multiple(&e->m_Transform);
    CStitchTransform lift;
    CompensateRotationLeft(&lift);
    for (int r = 0; r < n; ++r)
        if (CStitchElement* e = grid.GetElement(0, r)) {
            e->m_Transform = lift.Multiple(&e->m_Transform);
            VerifyTransform(&e->m_Transform, Lens());
        }
}

void CCoordinate::CompensateRotationSkyscraper(double* x, CStitchTransform* out) const
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    const double f = m_pOptions->m_dFocalLength;
    double a[3] = {0.0, 0.0, -1.0}, b[3] = {0.0, 0.0, -1.0};
    const CStitchElement* first = grid.GetElement(0, 0);
    const CStitchElement* last = nullptr;
    for (int r = grid.m_lRows - 1; r >= 0 && !last; --r)
        last = grid.GetElement(0, r);
    if (first) {
        double upper[3];
        LeftCorners(first, f, upper, a);
        CMotionEstimation::Normalize(a);
    }
    if (last) {
        double upper[3], lower[3];
        LeftCorners(last, f, upper, lower);
        last->m_Transform.MultipleVector(upper, b);
        CMotionEstimation::Normalize(b);
    }
    const double m[3] = {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
    DeriveZ_Skyscraper(x, m, out);
}

void CCoordinate::CompensateRotationLeft(CStitchTransform* out) const
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    double lowest = 0.0;
    if (const CStitchElement* first = grid.GetElement(0, 0)) {
        double top[3], bottom[3];
        LeftCorners(first, m_pOptions->m_dFocalLength, top, bottom);
        for (int r = 0; r < grid.m_lRows; ++r) {
            const CStitchElement* e = grid.GetElement(0, r);
            if (!e)
                continue;
            for (const double* ray : {top, bottom}) {
                double g[3];
                e->m_Transform.MultipleVector(ray, g);
                const double rho = std::sqrt(g[1] * g[1] + g[2] * g[2]);
                if (rho > 0.0)
                    lowest = std::min(lowest, g[1] / rho);
            }
        }
    }
    const double c = std::sqrt(1.0 - lowest * lowest);
    const double m[9] = {1.0, 0.0, 0.0, 0.0, c, -lowest, 0.0, lowest, c};
    std::copy(m, m + 9, out->m_Matrix);
}

void CCoordinate::CoordinateWideangle()
{
    CStitchMatrix& grid = m_pOptions->m_Matrix;
    const int cols = grid.m_lCols, rows = grid.m_lRows;
    if (cols <= 0 || rows <= 0)
        return;
    CProcessingList list(cols * rows);
    grid.GetProcessingList(&list);
    for (int i = 0; i < list.Count(); ++i) {
        int c, r;
        list.Get(i, &c, &r);
        CStitchElement* e = grid.GetElement(c, r);
        e->m_Transform.Identity();
        e->m_dRightError = 0.0;
    }
    for (int i = 1; i < list.Count(); ++i) {
        int c, r;
        list.Get(i, &c, &r);
        CStitchElement* e = grid.GetElement(c, r);
        if (const CStitchElement* left = grid.GetElement(c - 1, r))
            e->m_Transform = left->m_Transform.Multiple(&left->m_RightTransform);
        else if (const CStitchElement* upper = grid.GetElement(c, r - 1))
            e->m_Transform = upper->m_Transform.Multiple(&upper->m_LowerTransform);
    }
    if (m_pOptions->m_Method == StitchMethodTelephoto)
        return;
    for (int pass = 0; pass < 50; ++pass)
        RelaxationWideAngle(&list);

    double up[3] = {0.0, 0.0, 0.0};
    for (int i = 0; i < list.Count(); ++i) {
        int c, r;
        list.Get(i, &c, &r);
        const CStitchTransform& G = grid.GetElement(c, r)->m_Transform;
        if (G.m_Matrix[4] > 0.0)
            for (int k = 0; k < 3; ++k)
                up[k] += G.m_Matrix[3 * k + 1];
    }
    if (!Unit(up))
        up[1] = 1.0;
    CStitchTransform F;
    CompensateRotationWideAngle(up, &F);
    for (int i = 0; i < list.Count(); ++i) {
        int c, r;
        list.Get(i, &c, &r);
        CStitchElement* e = grid.GetElement(c, r);
        e->m_Transform = F.Multiple(&e->m_Transform);
        VerifyTransform(&e->m_Transform, Lens());
    }
}

void CCoordinate::RelaxationWideAngle(CProcessingList* list)
{
    CStitchMatrix& grid = m_pOptions->m_Matrix;
    for (int i = 1; i < list->Count(); ++i) {
        int c, r;
        list->Get(i, &c, &r);
        CStitchElement* e = grid.GetElement(c, r);
        CStitchTransform sum;
        sum.Initial();
        int terms = 0;
        auto add = [&](const CStitchTransform& estimate) {
            sum = sum.Add(&estimate);
            ++terms;
        };
        auto listed = [&](int col, int row) {
            return list->IsInList(col, row) ? grid.GetElement(col, row) : nullptr;
        };
        if (const CStitchElement* left = listed(c - 1, r))
            add(left->m_Transform.Multiple(&left->m_RightTransform));
        if (const CStitchElement* upper = listed(c, r - 1))
            add(upper->m_Transform.Multiple(&upper->m_LowerTransform));
        if (const CStitchElement* right = listed(c + 1, r)) {
            CStitchTransform back;
            e->m_RightTransform.Transpose(&back);
            add(right->m_Transform.Multiple(&back));
        }
        if (const CStitchElement* lower = listed(c, r + 1)) {
            CStitchTransform back;
            e->m_LowerTransform.Transpose(&back);
            add(lower->m_Transform.Multiple(&back));
        }
        if (terms == 0)
            continue; // nothing to average: keep the chained value
        sum.Normalize();
        e->m_Transform = sum;
    }
}

void CCoordinate::CompensateRotationWideAngle(double* up, CStitchTransform* out) const
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    out->Identity();
    const CStitchElement* sized = nullptr;
    for (int r = 0; r < grid.m_lRows && !sized; ++r)
        sized = grid.GetElement(0, r);
    if (!sized)
        return;
    double a1[3], a2[3];
    LeftCorners(sized, m_pOptions->m_dFocalLength, a1, a2);
    for (int r = 0; r < grid.m_lRows; ++r) {
        const CStitchElement* e = grid.GetElement(0, r);
        if (!e)
            continue;
        for (const double* a : {a1, a2}) {
            double g[3];
            e->m_Transform.MultipleVector(a, g);
            if (Dot(out->m_Matrix, g) < 0.0)
                DeriveZ_Landscape(up, g, out);
        }
    }
}

int CCoordinate::PanoramaRun(double* closingAxis, double* closingAngle, int layer)
{
    CStitchMatrix& grid = m_pOptions->m_Matrix;
    const int n = grid.m_lCols;
    auto ringSine = [&]() {
        CStitchTransform M;
        M.Identity();
        for (int c = 0; c < n; ++c)
            if (const CStitchElement* e = grid.GetElement(c, 0))
                M = M.Multiple(&e->m_RightTransform);
        return M.m_Matrix[2];
    };
    const double s = ringSine();
    const double f0 = m_pOptions->m_dFocalLength;
    const double bend = std::asin(std::clamp(s, -1.0, 1.0)) / M_PI;
    // lo is the end where the ring falls short of closing (s <= 0), hi the
    // end where it overlaps itself (s > 0); the other end lies f0 |asin(s)|
    // / pi further on, on the side that turns the sign.
    double lo = s > 0.0 ? f0 * (1.0 - bend) : f0;
    double hi = s > 0.0 ? f0 : f0 * (1.0 - bend);
    for (int pass = 0; pass < 20; ++pass) {
        const double focal = (lo + hi) / 2.0;
        m_pOptions->m_dFocalLength = focal;
        const int code = CMotionEstimation(m_pOptions).Run(layer);
        if (code != 0)
            return code;
        if (ringSine() > 0.0)
            hi = focal;
        else
            lo = focal;
    }
    m_pOptions->m_dFocalLength = (lo + hi) / 2.0;

    ChainRow();
    const CStitchElement* last = grid.GetElement(n - 1, 0);
    if (!last)
        return StitchGridOrTempDir;
    CStitchTransform T, around = last->m_Transform.Multiple(&last->m_RightTransform);
    around.Transpose(&T);
    VerifyTransform(&T, Lens());
    double axis[3], angle;
    if (!UOM2AxisAngle(T.m_Matrix, axis, &angle))
        return StitchGridOrTempDir;

    double up[3] = {0.0, 0.0, 0.0};
    for (int c = 0; c < n; ++c)
        if (const CStitchElement* e = grid.GetElement(c, 0))
            if (e->m_Transform.m_Matrix[4] > 0.0)
                for (int k = 0; k < 3; ++k)
                    up[k] += e->m_Transform.m_Matrix[3 * k + 1];
    if (!Unit(up))
        up[1] = 1.0;
    CStitchTransform K;
    CompensateRotationLandscape(up, &K);
    for (int c = 0; c < n; ++c)
        if (CStitchElement* e = grid.GetElement(c, 0)) {
            e->m_Transform = K.Multiple(&e->m_Transform);
            VerifyTransform(&e->m_Transform, Lens());
        }
    K.MultipleVector(axis, closingAxis);
    *closingAngle = angle;
    return 0;
}
