#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QString>

#include "ViewExposure.h"

class CStitchOptions;

// Deterministic views of a scene with ground truth, for alignment tests and
// benchmarks. The scene is a photograph laid on a cylinder around the
// camera (or, for telephoto, on a far plane); pinhole cameras of given yaw,
// pitch, roll and focal length sample it bilinearly. `texels` is how many
// photograph pixels one view pixel spans at the view's centre: at least
// 1 / 1.5, so the photograph is never magnified more than 1.5 times. Image coordinates: x to the right, y down the rows in the
// order the views' bitmaps hold them (memory order).
class SyntheticViews
{
public:
    struct Camera
    {
        double yaw = 0;   // radians, to the right
        double pitch = 0; // radians, towards later rows
        double roll = 0;  // radians, about the viewing axis
        // Plane only: the camera moved along the plane, in view pixels at
        // the plane's depth (x to the right, y down the rows).
        double shiftX = 0;
        double shiftY = 0;
    };

    enum class Surface { Cylinder, Sphere, Plane };

    // Photographs come from Debian's mate-backgrounds; false when the one
    // asked for is missing.
    static QString photoPath(const QString& name = QStringLiteral("Garden.jpg"));

    SyntheticViews(const QImage& photo, Surface surface, int width, int height, double focal, double texels = 2.0);

    bool isValid() const { return !m_texture.isNull(); }
    int width() const { return m_width; }
    int height() const { return m_height; }
    double focal() const { return m_focal; }

    // What makes a view hard: its own exposure, sensor noise and JPEG
    // compression. Deterministic for a seed.
    struct Hardship
    {
        double exposure = 1.0;  // factor on every channel
        double noise = 0.0;     // standard deviation, in levels
        int jpegQuality = -1;   // -1: no compression
        quint32 seed = 1;
    };

    // A packed 24-bit bitmap (header and rows) of the view.
    QByteArray render(const Camera& camera) const;
    // The same through a camera's response: gain, curve and offset.
    QByteArray render(const Camera& camera, const ViewExposure& exposure) const;
    QByteArray render(const Camera& camera, const Hardship& hardship) const;
    // The hard variant of a set: per view an exposure of 0.8..1.2, noise of
    // 3 levels and JPEG quality 85; and the cameras rolled by -3..3 degrees,
    // neighbours (in rows, columns, rings and 3-wide tiles) at most 5 apart.
    static QList<Hardship> hardships(int count);
    static QList<Camera> rolled(QList<Camera> cameras);
    // Where pixel p of view `from` shows up in view `to`; false when it lies
    // behind that camera.
    bool map(const Camera& from, const Camera& to, QPointF p, QPointF* out) const;

    // The stitching library's view of a camera: the rotation, row-major,
    // that takes the view's library rays (x - (w - 1)/2, y - (h - 1)/2, -f),
    // y the memory row, into a fixed frame of the scene ("library world":
    // the scene's up is -y there, the first camera of zero turn looks
    // along -z).
    static void libraryRotation(const Camera& camera, double out[9]);

    // The ground truth of a panorama in the library's own frame: each pixel
    // (rect.x() + i, rect.y() + j) of the panorama plane (j the memory row)
    // is the scene along the direction that the library gives that point.
    // frame (row-major) takes the panorama frame into the library world;
    // after straightening it is G_true G^T of any element. For the plane,
    // panorama coordinates are the pixels of planeCamera.
    struct Panorama
    {
        enum Kind { Cylinder, CylinderVertical, Sphere, Plane } kind = Cylinder;
        double radius = 0;
        double frame[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
        QRect rect;
        Camera planeCamera;
    };
    // RGB32, rows in panorama order.
    QImage truth(const Panorama& panorama) const;

    // Fills a loaded job as alignment would, from the truth: the focal
    // length (full-size pixels), for every element with a right or lower
    // neighbour (and the ring's last with the first) the pair transform
    // (rotation, or for telephoto jobs the planar map of the neighbour's
    // pixels into this element's), up to 40 twins (rounded positions in
    // both) and the overlap rectangles in both. Element i of the grid
    // (row-major) shows cameras[i]; focalScale multiplies the focal length
    // written (twins stay true).
    void fillJob(CStitchOptions* job, const QList<Camera>& cameras, double focalScale = 1.0) const;

    // Sets of cameras: a row of n (yaw steps), a column of n (pitch steps),
    // a full ring of n, a cols x rows tile. Overlap is the share of the
    // width (or height) two neighbours have in common.
    QList<Camera> row(int n, double overlap) const;
    QList<Camera> column(int n, double overlap) const;
    QList<Camera> ring(int n) const;
    QList<Camera> tile(int cols, int rows, double overlap) const;

private:
    void ray(const Camera& camera, double x, double y, double d[3]) const;
    bool project(const Camera& camera, const double d[3], QPointF* out) const;
    unsigned sample(double u, double v) const;
    // The scene along a direction of the scene's own frame (not the plane).
    unsigned along(const double d[3]) const;
    // The scene seen by a pixel of a camera.
    unsigned seen(const Camera& camera, double x, double y) const;

    QImage m_texture;
    Surface m_surface;
    int m_width;
    int m_height;
    double m_focal;
    double m_scale; // texture pixels per radian (cylinder) or per unit (plane)
};
