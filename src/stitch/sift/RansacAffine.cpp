#include "stitch/sift/RansacAffine.h"

#include <cmath>

namespace {

// LU decomposition with partial pivoting, each row's candidate scaled by
// that row's largest magnitude; false for a zero row or a zero pivot.
bool luSolve(double a[6][6], double b[6])
{
    constexpr int n = 6;
    double scale[n];
    int order[n];
    for (int i = 0; i < n; ++i) {
        double largest = 0;
        for (int j = 0; j < n; ++j)
            largest = std::max(largest, std::fabs(a[i][j]));
        if (largest == 0)
            return false;
        scale[i] = 1 / largest;
    }
    for (int k = 0; k < n; ++k) {
        int pivot = k;
        double best = -1;
        for (int i = k; i < n; ++i) {
            const double v = scale[i] * std::fabs(a[i][k]);
            if (v > best) {
                best = v;
                pivot = i;
            }
        }
        if (a[pivot][k] == 0)
            return false;
        if (pivot != k) {
            for (int j = 0; j < n; ++j)
                std::swap(a[k][j], a[pivot][j]);
            std::swap(scale[k], scale[pivot]);
        }
        order[k] = pivot;
        for (int i = k + 1; i < n; ++i) {
            a[i][k] /= a[k][k];
            for (int j = k + 1; j < n; ++j)
                a[i][j] -= a[i][k] * a[k][j];
        }
    }
    for (int k = 0; k < n; ++k)
        std::swap(b[k], b[order[k]]);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < i; ++j)
            b[i] -= a[i][j] * b[j];
    for (int i = n - 1; i >= 0; --i) {
        for (int j = i + 1; j < n; ++j)
            b[i] -= a[i][j] * b[j];
        b[i] /= a[i][i];
    }
    return true;
}

} // namespace

bool SolveAffineLeastSquares(int count, const KeypointMatch* matches, SiftAffine& model)
{
    // Unknowns a, b, c, d, tx, ty; the x equation of each match, then its y equation.
    double ata[6][6] = {};
    double atb[6] = {};
    for (int i = 0; i < count; ++i) {
        const double x1 = matches[i].first->x, y1 = matches[i].first->y;
        const double rows[2][6] = {{x1, y1, 0, 0, 1, 0}, {0, 0, x1, y1, 0, 1}};
        const double rhs[2] = {matches[i].second->x, matches[i].second->y};
        for (int r = 0; r < 2; ++r) {
            for (int j = 0; j < 6; ++j) {
                if (rows[r][j] == 0)
                    continue;
                for (int k = 0; k < 6; ++k)
                    ata[j][k] += rows[r][j] * rows[r][k];
                atb[j] += rows[r][j] * rhs[r];
            }
        }
    }
    if (!luSolve(ata, atb))
        return false;
    for (double v : atb)
        if (!std::isfinite(v))
            return false;
    model.a = float(atb[0]);
    model.b = float(atb[1]);
    model.c = float(atb[2]);
    model.d = float(atb[3]);
    model.tx = float(atb[4]);
    model.ty = float(atb[5]);
    return true;
}

RansacAffine::RansacAffine(int count, KeypointMatch* matches) : CRansac<KeypointMatch>(count, 3, matches, 2008) {}

double RansacAffine::Distance(const KeypointMatch& match)
{
    const double x = match.first->x, y = match.first->y;
    const double ex = model.a * x + model.b * y + model.tx - match.second->x;
    const double ey = model.c * x + model.d * y + model.ty - match.second->y;
    return ex * ex + ey * ey;
}

void RansacAffine::ComputeAffine(int count, const KeypointMatch* matches)
{
    if (count <= 2) {
        model = SiftAffine();
        return;
    }
    SiftAffine fit{0, 0, 0, 0, 0, 0};
    SolveAffineLeastSquares(count, matches, fit);
    model = fit;
}

bool RansacAffine::FitModel(int count, KeypointMatch* matches)
{
    ComputeAffine(count, matches);
    return std::fabs(double(model.a) * model.d - double(model.b) * model.c) > 1e-10;
}
