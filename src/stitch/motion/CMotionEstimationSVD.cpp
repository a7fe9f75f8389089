#include "stitch/motion/CMotionEstimation.h"

#include <algorithm>
#include <cmath>
#include <vector>

// Golub-Kahan-Reinsch: Householder reflections bring A to upper bidiagonal
// form (diagonal in w, superdiagonal in e), the reflections are accumulated
// into U (in place of A) and V, then implicitly shifted QR sweeps chase the
// superdiagonal to zero from the bottom up. All indices are 1-based.
bool CMotionEstimation::SVDcompute(double** a, int m, int n, double** v, double* w)
{
    if (m < n || n < 1)
        return false;
    std::vector<double> e(size_t(n) + 1, 0.0);

    // Plane rotation of columns p and q of a matrix with `rows` rows.
    auto rotate = [](double** M, int rows, int p, int q, double c, double s) {
        for (int r = 1; r <= rows; ++r) {
            const double x = M[r][p], y = M[r][q];
            M[r][p] = x * c + y * s;
            M[r][q] = y * c - x * s;
        }
    };
    // The convergence tests compare against the norm in single precision.
    float norm = 0.0f;
    auto negligible = [&norm](double x) { return float(std::fabs(x) + norm) == norm; };

    double g = 0.0, scale = 0.0;
    for (int i = 1; i <= n; ++i) {
        const int next = i + 1;
        e[i] = scale * g;
        // Reflection zeroing column i below the diagonal.
        g = scale = 0.0;
        double s = 0.0;
        for (int k = i; k <= m; ++k)
            scale += std::fabs(a[k][i]);
        if (scale != 0.0) {
            for (int k = i; k <= m; ++k) {
                a[k][i] /= scale;
                s += a[k][i] * a[k][i];
            }
            const double f = a[i][i];
            g = -std::copysign(std::sqrt(s), f);
            const double h = f * g - s;
            a[i][i] = f - g;
            for (int j = next; j <= n; ++j) {
                double dot = 0.0;
                for (int k = i; k <= m; ++k)
                    dot += a[k][i] * a[k][j];
                const double factor = dot / h;
                for (int k = i; k <= m; ++k)
                    a[k][j] += factor * a[k][i];
            }
            for (int k = i; k <= m; ++k)
                a[k][i] *= scale;
        }
        w[i] = scale * g;
        // Reflection zeroing row i right of the superdiagonal.
        g = scale = 0.0;
        s = 0.0;
        if (i != n) {
            for (int k = next; k <= n; ++k)
                scale += std::fabs(a[i][k]);
            if (scale != 0.0) {
                for (int k = next; k <= n; ++k) {
                    a[i][k] /= scale;
                    s += a[i][k] * a[i][k];
                }
                const double f = a[i][next];
                g = -std::copysign(std::sqrt(s), f);
                const double h = f * g - s;
                a[i][next] = f - g;
                for (int k = next; k <= n; ++k)
                    e[k] = a[i][k] / h;
                for (int j = next; j <= m; ++j) {
                    double dot = 0.0;
                    for (int k = next; k <= n; ++k)
                        dot += a[j][k] * a[i][k];
                    for (int k = next; k <= n; ++k)
                        a[j][k] += dot * e[k];
                }
                for (int k = next; k <= n; ++k)
                    a[i][k] *= scale;
            }
        }
        norm = std::max(norm, float(std::fabs(w[i]) + std::fabs(e[i])));
    }

    // V from the row reflections, last first.
    for (int i = n; i >= 1; --i) {
        const int next = i + 1;
        if (i < n) {
            if (g != 0.0) {
                for (int j = next; j <= n; ++j)
                    v[j][i] = (a[i][j] / a[i][next]) / g;
                for (int j = next; j <= n; ++j) {
                    double dot = 0.0;
                    for (int k = next; k <= n; ++k)
                        dot += a[i][k] * v[k][j];
                    for (int k = next; k <= n; ++k)
                        v[k][j] += dot * v[k][i];
                }
            }
            for (int j = next; j <= n; ++j)
                v[i][j] = v[j][i] = 0.0;
        }
        v[i][i] = 1.0;
        g = e[i];
    }

    // U from the column reflections, in place.
    for (int i = n; i >= 1; --i) {
        const int next = i + 1;
        g = w[i];
        for (int j = next; j <= n; ++j)
            a[i][j] = 0.0;
        if (g != 0.0) {
            g = 1.0 / g;
            for (int j = next; j <= n; ++j) {
                double dot = 0.0;
                for (int k = next; k <= m; ++k)
                    dot += a[k][i] * a[k][j];
                const double factor = (dot / a[i][i]) * g;
                for (int k = i; k <= m; ++k)
                    a[k][j] += factor * a[k][i];
            }
            for (int j = i; j <= m; ++j)
                a[j][i] *= g;
        } else {
            for (int j = i; j <= m; ++j)
                a[j][i] = 0.0;
        }
        a[i][i] += 1.0;
    }

    // Diagonalise the bidiagonal matrix, one singular value at a time.
    for (int k = n; k >= 1; --k) {
        for (int sweep = 1;; ++sweep) {
            // Find the block: e[l] negligible (split), or w[l-1] negligible
            // (then e[l..k] are cancelled by rotations first). e[1] is 0.
            int l = k;
            bool cancel = true;
            for (; l >= 1; --l) {
                if (negligible(e[l])) {
                    cancel = false;
                    break;
                }
                if (negligible(w[l - 1]))
                    break;
            }
            if (cancel) {
                double c = 0.0, s = 1.0;
                for (int i = l; i <= k; ++i) {
                    const double f = s * e[i];
                    e[i] *= c;
                    if (negligible(f))
                        break;
                    const double h = std::hypot(f, w[i]);
                    c = w[i] / h;
                    s = -f / h;
                    w[i] = h;
                    rotate(a, m, l - 1, i, c, s);
                }
            }
            const double z = w[k];
            if (l == k) { // converged: make the value non-negative
                if (z < 0.0) {
                    w[k] = -z;
                    for (int j = 1; j <= n; ++j)
                        v[j][k] = -v[j][k];
                }
                break;
            }
            if (sweep >= 30)
                return false;
            // Wilkinson shift from the trailing 2 x 2 block.
            double x = w[l];
            const double y0 = w[k - 1], g0 = e[k - 1], h0 = e[k];
            double f = ((y0 - z) * (y0 + z) + (g0 - h0) * (g0 + h0)) / (2.0 * h0 * y0);
            const double r = std::hypot(f, 1.0);
            f = ((x - z) * (x + z) + h0 * ((y0 / (f + std::copysign(r, f))) - h0)) / x;
            // Chase the bulge down the block.
            double c = 1.0, s = 1.0;
            for (int j = l; j <= k - 1; ++j) {
                const int i = j + 1;
                double gi = e[i], yi = w[i];
                double h = s * gi;
                gi = c * gi;
                double zz = std::hypot(f, h);
                e[j] = zz;
                c = f / zz;
                s = h / zz;
                f = x * c + gi * s;
                gi = gi * c - x * s;
                h = yi * s;
                yi *= c;
                rotate(v, n, j, i, c, s);
                zz = std::hypot(f, h);
                w[j] = zz;
                if (zz != 0.0) {
                    c = f / zz;
                    s = h / zz;
                }
                f = c * gi + s * yi;
                x = c * yi - s * gi;
                rotate(a, m, j, i, c, s);
            }
            e[l] = 0.0;
            e[k] = f;
            w[k] = x;
        }
    }
    return true;
}
