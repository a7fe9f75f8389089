#include "stitch/geometry/CProjection.h"

#include "stitch/geometry/CCoordinate.h"
#include "stitch/geometry/CStitchTransform.h"

#include <algorithm>
#include <cmath>

namespace {

// The angle of a direction about the cylinder or sphere axis, in [0, 2 pi):
// 0 along -z, growing towards the positive lateral axis. Rounding can carry
// the quotient past +-1, and a direction along the axis has no angle: 0.
double Longitude(double lateral, double z, double rho)
{
    if (rho == 0.0)
        return 0.0; // NaN stays NaN, for the caller to refuse
    const double theta = std::acos(std::clamp(-z / rho, -1.0, 1.0));
    return lateral < 0.0 ? 2.0 * M_PI - theta : theta;
}

} // namespace

CProjection::CProjection(tagStitchStyle style, STITCHMETHOD kind)
    : m_Style(style)
    , m_lKind(int(kind))
{
}

void CProjection::Spherical2Cartesian(const SphericalCoord* s, CartesianCoord* c) const
{
    const double r = s->r, t = s->theta, p = s->phi;
    *c = CartesianCoord{r * std::cos(p) * std::sin(t), r * std::sin(p), -r * std::cos(p) * std::cos(t)};
}

void CProjection::Cartesian2Spherical(const CartesianCoord* c, SphericalCoord* s) const
{
    const double rho = std::sqrt(c->x * c->x + c->z * c->z);
    const double r = std::sqrt(c->x * c->x + c->y * c->y + c->z * c->z);
    // atan2 equals atan(y / rho) for rho > 0 and stays finite at the poles.
    *s = SphericalCoord{r, Longitude(c->x, c->z, rho), r == 0.0 ? 0.0 : std::atan2(c->y, rho)};
}

void CProjection::Picture2Spherical(const PictureCoord* p, SphericalCoord* s) const
{
    *s = SphericalCoord{p->r, p->x / p->r, p->y / p->r};
}

void CProjection::Spherical2Picture(const SphericalCoord* s, PictureCoord* p) const
{
    *p = PictureCoord{s->r * s->theta, s->r * s->phi, s->r};
}

void CProjection::Cylindrical2Cartesian(const CylindricalCoord* y, CartesianCoord* c) const
{
    const double a = y->r * std::sin(y->theta), z = -y->r * std::cos(y->theta);
    *c = Vertical() ? CartesianCoord{y->h, a, z} : CartesianCoord{a, y->h, z};
}

void CProjection::Cartesian2Cylindrical(const CartesianCoord* c, CylindricalCoord* y) const
{
    const double lateral = Vertical() ? c->y : c->x;
    const double rho = std::sqrt(lateral * lateral + c->z * c->z);
    *y = CylindricalCoord{rho, Longitude(lateral, c->z, rho), Vertical() ? c->x : c->y};
}

void CProjection::Picture2Cylindrical(const PictureCoord* p, CylindricalCoord* y) const
{
    if (Vertical())
        *y = CylindricalCoord{p->r, p->y / p->r, p->x};
    else
        *y = CylindricalCoord{p->r, p->x / p->r, p->y};
}

void CProjection::Cylindrical2Picture(const CylindricalCoord* y, PictureCoord* p) const
{
    if (Vertical())
        *p = PictureCoord{y->h, y->r * y->theta, y->r};
    else
        *p = PictureCoord{y->r * y->theta, y->h, y->r};
}

void CProjection::CylinderPoint(const PictureCoord* p, CartesianCoord* c) const
{
    if (Vertical()) {
        const double theta = p->y / p->r;
        *c = CartesianCoord{p->x, p->r * std::sin(theta), -p->r * std::cos(theta)};
    } else {
        const double theta = p->x / p->r;
        *c = CartesianCoord{p->r * std::sin(theta), p->y, -p->r * std::cos(theta)};
    }
}

void CProjection::Picture2Cartesian(const PictureCoord* p, CartesianCoord* c) const
{
    if (m_lKind == RenderCylindrical) {
        CylinderPoint(p, c);
    } else if (m_lKind == RenderSpherical) {
        const SphericalCoord s{p->r, p->x / p->r, p->y / p->r};
        Spherical2Cartesian(&s, c);
    }
}

void CProjection::Cartesian2Picture(const CartesianCoord* c, PictureCoord* p) const
{
    if (m_lKind == RenderCylindrical) {
        CylindricalCoord y;
        Cartesian2Cylindrical(c, &y);
        if (Vertical()) {
            p->x = y.h;
            p->y = p->r * y.theta;
        } else {
            p->x = p->r * y.theta;
            p->y = y.h;
        }
    } else if (m_lKind == RenderSpherical) {
        SphericalCoord s;
        Cartesian2Spherical(c, &s);
        *p = PictureCoord{s.r * s.theta, s.r * s.phi, s.r};
    }
}

void CProjection::Film2Cartesian(const FilmCoord* f, CartesianCoord* c, const CStitchTransform* T) const
{
    const double ray[3] = {f->x, f->y, -f->f};
    double out[3];
    T->MultipleVector(ray, out);
    *c = CartesianCoord{out[0], out[1], out[2]};
}

bool CProjection::Cartesian2Film(const CartesianCoord* c, FilmCoord* film, const CStitchTransform* T) const
{
    const double* m = T->m_Matrix;
    const double qx = m[0] * c->x + m[3] * c->y + m[6] * c->z;
    const double qy = m[1] * c->x + m[4] * c->y + m[7] * c->z;
    const double qz = m[2] * c->x + m[5] * c->y + m[8] * c->z;
    if (qz == 0.0 || !std::isfinite(qz))
        return false;
    film->x = -film->f * qx / qz;
    film->y = -film->f * qy / qz;
    return qz < 0.0;
}

void CProjection::Film2Picture(const FilmCoord* f, PictureCoord* p, const CStitchTransform* T) const
{
    CartesianCoord c;
    Film2Cartesian(f, &c, T);
    double d;
    if (m_lKind == RenderSpherical) {
        d = std::sqrt(c.x * c.x + c.y * c.y + c.z * c.z);
        if (d < 0.01) {
            c = CartesianCoord{0.0, 0.01, 0.0};
            d = 0.01;
        }
    } else if (m_lKind == RenderCylindrical && !Vertical()) {
        d = std::sqrt(c.x * c.x + c.z * c.z);
        if (d < 0.01) {
            c.x = 0.01;
            c.z = 0.0;
            d = 0.01;
        }
    } else if (m_lKind == RenderCylindrical) {
        d = std::sqrt(c.y * c.y + c.z * c.z);
        if (d < 0.01) {
            c.y = 0.01;
            c.z = 0.0;
            d = 0.01;
        }
    } else {
        return; // the plane: the picture stays as it was
    }
    const double k = p->r / d;
    c = CartesianCoord{c.x * k, c.y * k, c.z * k};
    Cartesian2Picture(&c, p);
}

bool CProjection::Picture2Film(const PictureCoord* p, FilmCoord* film, const CStitchTransform* T) const
{
    if (m_lKind != RenderCylindrical && m_lKind != RenderSpherical)
        return false;
    CartesianCoord c;
    Picture2Cartesian(p, &c);
    return Cartesian2Film(&c, film, T);
}

bool CProjection::Picture2FilmFast(const PictureCoord* p, FilmCoord* film, const CStitchTransform* T) const
{
    CartesianCoord c;
    CylinderPoint(p, &c);
    return Cartesian2Film(&c, film, T);
}

bool CProjection::Picture2RealFilm(const PictureCoord* p, FilmCoord* film, const CStitchTransform* T) const
{
    const double* m = T->m_Matrix;
    const bool vertical = Vertical();
    const double theta = (vertical ? p->y : p->x) / p->r;
    const double s = std::sin(theta), k = std::cos(theta);
    const double across = vertical ? m[2] : m[5]; // T[0][2] or T[1][2]
    const double lateral = vertical ? m[5] : m[2];
    const double h = vertical ? p->x : p->y;
    const double divisor = lateral * s - m[8] * k;
    double t = p->r;
    if (std::fabs(m[8]) >= 1e-6 && std::fabs(divisor) >= 1e-6)
        t = (-p->r - across * h) / divisor;
    const CartesianCoord c = vertical ? CartesianCoord{h, t * s, -t * k} : CartesianCoord{t * s, h, -t * k};
    return Cartesian2Film(&c, film, T);
}

bool CProjection::Picture2FilmFastWithCompensation(double x, double y, double z, FilmCoord* film,
                                                   const CStitchTransform* T, const double* closingAxis,
                                                   double angle) const
{
    double axis[3] = {closingAxis[0], closingAxis[1], closingAxis[2]};
    double M[9];
    CCoordinate::AxisAngle2UOM(axis, M, angle);
    const CartesianCoord c{M[0] * x + M[3] * y + M[6] * z, M[1] * x + M[4] * y + M[7] * z,
                           M[2] * x + M[5] * y + M[8] * z};
    return Cartesian2Film(&c, film, T);
}
