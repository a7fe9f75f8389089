#pragma once

#include "stitch/interface/StitchEnums.h"

class CStitchTransform;

// A point of the unrolled panorama surface in working-layer pixels; r is
// the radius of the cylinder or sphere. Horizontal cylinder: x = r theta,
// y the height; vertical cylinder: x the height, y = r theta; sphere:
// x = r theta, y = r phi.
struct PictureCoord
{
    double x;
    double y;
    double r;
};

// A point of one source image relative to its centre; f is the film
// distance (focal length in the same pixels).
struct FilmCoord
{
    double x;
    double y;
    double f;
};

// A direction or point of the panorama frame: y up, theta = 0 looks along -z.
struct CartesianCoord
{
    double x;
    double y;
    double z;
};

struct SphericalCoord
{
    double r;
    double theta; // longitude in [0, 2 pi)
    double phi;   // latitude
};

struct CylindricalCoord
{
    double r;
    double theta; // in [0, 2 pi)
    double h;
};

// Conversions between the coordinate systems of the renderer. A small value
// made on the stack. The image transform T maps a film ray (x, y, -f) into
// the panorama frame, its transpose maps back.
//
// style: 1 (vertical) lays the cylinder's axis along x, every other style
// along y. kind: 1 cylinder, 2 sphere, 3 plane. The picture conversions
// write nothing for kinds they do not know.
class CProjection
{
public:
    CProjection(tagStitchStyle style, STITCHMETHOD kind);
    ~CProjection() = default;

    void Spherical2Cartesian(const SphericalCoord* s, CartesianCoord* c) const;
    void Cartesian2Spherical(const CartesianCoord* c, SphericalCoord* s) const;
    void Picture2Spherical(const PictureCoord* p, SphericalCoord* s) const;
    void Spherical2Picture(const SphericalCoord* s, PictureCoord* p) const;
    void Cylindrical2Cartesian(const CylindricalCoord* y, CartesianCoord* c) const;
    void Cartesian2Cylindrical(const CartesianCoord* c, CylindricalCoord* y) const;
    void Picture2Cylindrical(const PictureCoord* p, CylindricalCoord* y) const;
    void Cylindrical2Picture(const CylindricalCoord* y, PictureCoord* p) const;
    void Picture2Cartesian(const PictureCoord* p, CartesianCoord* c) const;
    // Reads p->r as the cylinder's radius; on the sphere p->r becomes the
    // point's distance.
    void Cartesian2Picture(const CartesianCoord* c, PictureCoord* p) const;
    void Film2Cartesian(const FilmCoord* f, CartesianCoord* c, const CStitchTransform* T) const;
    // film->f is read. True when the point lies in front of the image (its
    // depth along the viewing axis is positive); a point behind it is still
    // written (mirrored), a point in the image's own plane is not written.
    bool Cartesian2Film(const CartesianCoord* c, FilmCoord* film, const CStitchTransform* T) const;
    // p->r is read as the surface radius.
    void Film2Picture(const FilmCoord* f, PictureCoord* p, const CStitchTransform* T) const;
    // Kinds 1 and 2; the result as Cartesian2Film's.
    bool Picture2Film(const PictureCoord* p, FilmCoord* film, const CStitchTransform* T) const;
    // The cylinder whatever the kind.
    bool Picture2FilmFast(const PictureCoord* p, FilmCoord* film, const CStitchTransform* T) const;
    // The cylinder point at the image's own depth -p->r.
    bool Picture2RealFilm(const PictureCoord* p, FilmCoord* film, const CStitchTransform* T) const;
    // (x, y, z) turned back about the closing axis by angle, then to film.
    bool Picture2FilmFastWithCompensation(double x, double y, double z, FilmCoord* film, const CStitchTransform* T,
                                          const double* closingAxis, double angle) const;

    tagStitchStyle m_Style;
    int m_lKind;

private:
    bool Vertical() const { return m_Style == StitchStyleVertical; }
    void CylinderPoint(const PictureCoord* p, CartesianCoord* c) const;
};
