#include "SyntheticViews.h"

#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <QBuffer>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

namespace {

// R = yaw (about y) x pitch (about x) x roll (about z), applied to camera rays.
void rotate(const SyntheticViews::Camera& c, const double in[3], double out[3], bool inverse)
{
    const double cy = std::cos(c.yaw), sy = std::sin(c.yaw);
    const double cp = std::cos(c.pitch), sp = std::sin(c.pitch);
    const double cr = std::cos(c.roll), sr = std::sin(c.roll);
    const double yawM[9] = {cy, 0, sy, 0, 1, 0, -sy, 0, cy};
    const double pitchM[9] = {1, 0, 0, 0, cp, -sp, 0, sp, cp};
    const double rollM[9] = {cr, -sr, 0, sr, cr, 0, 0, 0, 1};
    auto mul = [](const double* m, const double* v, double* o, bool transpose) {
        double r[3];
        for (int i = 0; i < 3; ++i)
            r[i] = transpose ? m[i] * v[0] + m[3 + i] * v[1] + m[6 + i] * v[2]
                             : m[3 * i] * v[0] + m[3 * i + 1] * v[1] + m[3 * i + 2] * v[2];
        std::memcpy(o, r, sizeof r);
    };
    double t[3] = {in[0], in[1], in[2]};
    if (!inverse) {
        mul(rollM, t, t, false);
        mul(pitchM, t, t, false);
        mul(yawM, t, t, false);
    } else {
        mul(yawM, t, t, true);
        mul(pitchM, t, t, true);
        mul(rollM, t, t, true);
    }
    std::memcpy(out, t, sizeof t);
}

} // namespace

QString SyntheticViews::photoPath(const QString& name)
{
    const QString path = QStringLiteral("/usr/share/backgrounds/mate/nature/") + name;
    return QFileInfo::exists(path) ? path : QString();
}

SyntheticViews::SyntheticViews(const QImage& photo, Surface surface, int width, int height, double focal,
                               double texels)
    : m_texture(photo.convertToFormat(QImage::Format_RGB32))
    , m_surface(surface)
    , m_width(width)
    , m_height(height)
    , m_focal(focal)
    , m_scale(std::max(texels, 1 / 1.5) * (surface == Surface::Plane ? 1.0 : focal))
{
}

void SyntheticViews::ray(const Camera& camera, double x, double y, double d[3]) const
{
    const double local[3] = {x - (m_width - 1) / 2.0, -(y - (m_height - 1) / 2.0), m_focal};
    rotate(camera, local, d, false);
}

bool SyntheticViews::project(const Camera& camera, const double d[3], QPointF* out) const
{
    double local[3];
    rotate(camera, d, local, true);
    if (local[2] <= 1e-9)
        return false;
    *out = QPointF(m_focal * local[0] / local[2] + (m_width - 1) / 2.0,
                   -m_focal * local[1] / local[2] + (m_height - 1) / 2.0);
    return true;
}

bool SyntheticViews::map(const Camera& from, const Camera& to, QPointF p, QPointF* out) const
{
    double d[3];
    ray(from, p.x(), p.y(), d);
    if (m_surface == Surface::Plane && (from.shiftX != 0 || from.shiftY != 0 || to.shiftX != 0 || to.shiftY != 0)) {
        // Through the point of the plane (depth f) the pixel sees.
        if (d[2] <= 1e-9)
            return false;
        const double X = m_focal * d[0] / d[2] + from.shiftX, Y = -m_focal * d[1] / d[2] + from.shiftY;
        const double e[3] = {(X - to.shiftX) / m_focal, -(Y - to.shiftY) / m_focal, 1.0};
        return project(to, e, out);
    }
    return project(to, d, out);
}

unsigned SyntheticViews::along(const double d[3]) const
{
    const double texW = m_texture.width(), texH = m_texture.height();
    double u, v;
    if (m_surface == Surface::Sphere) {
        const double r = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
        u = std::atan2(d[0], d[2]) * m_scale + texW / 2;
        v = -std::asin(std::clamp(d[1] / r, -1.0, 1.0)) * m_scale + texH / 2;
    } else {
        const double r = std::hypot(d[0], d[2]);
        u = std::atan2(d[0], d[2]) * m_scale + texW / 2;
        v = -d[1] / r * m_scale + texH / 2;
    }
    return sample(u, v);
}

unsigned SyntheticViews::seen(const Camera& camera, double x, double y) const
{
    double d[3];
    ray(camera, x, y, d);
    if (m_surface != Surface::Plane)
        return along(d);
    // A plane at distance 1 in front, far enough to look flat.
    const double texW = m_texture.width(), texH = m_texture.height();
    const double u = (d[0] / d[2] * m_focal + camera.shiftX) * m_scale + texW / 2;
    const double v = (-d[1] / d[2] * m_focal + camera.shiftY) * m_scale + texH / 2;
    return sample(u, v);
}

QByteArray SyntheticViews::render(const Camera& camera, const ViewExposure& exposure) const
{
    return exposure.applied(render(camera));
}

unsigned SyntheticViews::sample(double u, double v) const
{
    // The photograph repeats mirrored, so the scene has no seam anywhere.
    const int w = m_texture.width(), h = m_texture.height();
    auto fold = [](double t, int n) {
        const double period = 2.0 * (n - 1);
        t = std::fmod(t, period);
        if (t < 0)
            t += period;
        return t > n - 1 ? period - t : t;
    };
    u = fold(u, w);
    v = fold(v, h);
    const int x0 = int(u), y0 = int(v);
    const int x1 = std::min(x0 + 1, w - 1), y1 = std::min(y0 + 1, h - 1);
    const double fx = u - x0, fy = v - y0;
    const QRgb a = m_texture.pixel(x0, y0), b = m_texture.pixel(x1, y0);
    const QRgb c = m_texture.pixel(x0, y1), d = m_texture.pixel(x1, y1);
    unsigned out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        auto ch = [shift](QRgb p) { return double((p >> shift) & 0xFF); };
        const double value = (ch(a) * (1 - fx) + ch(b) * fx) * (1 - fy) + (ch(c) * (1 - fx) + ch(d) * fx) * fy;
        out |= unsigned(value + 0.5) << shift;
    }
    return out;
}

QByteArray SyntheticViews::render(const Camera& camera) const
{
    return render(camera, Hardship());
}

QByteArray SyntheticViews::render(const Camera& camera, const Hardship& hardship) const
{
    const int stride = (24 * m_width + 31) / 32 * 4;
    QByteArray bytes(40 + qsizetype(stride) * m_height, '\0');
    const quint32 header[10] = {40, quint32(m_width), quint32(m_height), 1u | (24u << 16), 0,
                                quint32(stride * m_height), 72, 72, 0, 0};
    std::memcpy(bytes.data(), header, 40);
    for (int y = 0; y < m_height; ++y) {
        unsigned char* row = reinterpret_cast<unsigned char*>(bytes.data()) + 40 + qsizetype(y) * stride;
        for (int x = 0; x < m_width; ++x) {
            const unsigned rgb = seen(camera, x, y);
            row[3 * x] = static_cast<unsigned char>(rgb & 0xFF);
            row[3 * x + 1] = static_cast<unsigned char>((rgb >> 8) & 0xFF);
            row[3 * x + 2] = static_cast<unsigned char>((rgb >> 16) & 0xFF);
        }
    }
    if (hardship.exposure != 1.0 || hardship.noise > 0.0) {
        std::mt19937 random(hardship.seed);
        std::normal_distribution<double> noise(0.0, hardship.noise > 0.0 ? hardship.noise : 1.0);
        for (int y = 0; y < m_height; ++y) {
            unsigned char* row = reinterpret_cast<unsigned char*>(bytes.data()) + 40 + qsizetype(y) * stride;
            for (int i = 0; i < 3 * m_width; ++i) {
                const double value = row[i] * hardship.exposure + (hardship.noise > 0.0 ? noise(random) : 0.0);
                row[i] = static_cast<unsigned char>(std::clamp(value + 0.5, 0.0, 255.0));
            }
        }
    }
    if (hardship.jpegQuality >= 0) {
        // Through a JPEG in memory and back.
        QImage image(reinterpret_cast<const uchar*>(bytes.constData()) + 40, m_width, m_height, stride,
                     QImage::Format_BGR888);
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG", hardship.jpegQuality);
        QImage back;
        back.loadFromData(jpeg, "JPEG");
        back = back.convertToFormat(QImage::Format_BGR888);
        for (int y = 0; y < m_height && !back.isNull(); ++y)
            std::memcpy(bytes.data() + 40 + qsizetype(y) * stride, back.constScanLine(y), size_t(3) * m_width);
    }
    return bytes;
}

QList<SyntheticViews::Hardship> SyntheticViews::hardships(int count)
{
    QList<Hardship> out;
    for (int i = 0; i < count; ++i)
        out << Hardship{0.8 + 0.4 * ((i * 7) % 5) / 4.0, 3.0, 85, quint32(1000 + i)};
    return out;
}

QList<SyntheticViews::Camera> SyntheticViews::rolled(QList<Camera> cameras)
{
    // A fixed pattern: consecutive entries, entries three apart and the last
    // and first differ by 5 degrees at most.
    static const double degrees[] = {0.0, 3.0, -1.0, 2.0, -2.0, 1.0, -3.0, 0.0, 2.0, -2.0};
    for (int i = 0; i < cameras.size(); ++i)
        cameras[i].roll = degrees[i % 10] * M_PI / 180.0;
    return cameras;
}

QList<SyntheticViews::Camera> SyntheticViews::row(int n, double overlap) const
{
    const double fov = 2 * std::atan(m_width / 2.0 / m_focal);
    QList<Camera> cameras;
    for (int i = 0; i < n; ++i)
        cameras << Camera{(i - (n - 1) / 2.0) * fov * (1 - overlap), 0, 0};
    return cameras;
}

QList<SyntheticViews::Camera> SyntheticViews::column(int n, double overlap) const
{
    const double fov = 2 * std::atan(m_height / 2.0 / m_focal);
    QList<Camera> cameras;
    // Each view further along the rows than the one before.
    for (int i = 0; i < n; ++i)
        cameras << Camera{0, (i - (n - 1) / 2.0) * fov * (1 - overlap), 0};
    return cameras;
}

QList<SyntheticViews::Camera> SyntheticViews::ring(int n) const
{
    QList<Camera> cameras;
    for (int i = 0; i < n; ++i)
        cameras << Camera{i * 2 * M_PI / n, 0, 0};
    return cameras;
}

QList<SyntheticViews::Camera> SyntheticViews::tile(int cols, int rows, double overlap) const
{
    QList<Camera> cameras;
    const QList<Camera> across = row(cols, overlap);
    const QList<Camera> down = column(rows, overlap);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            cameras << Camera{across[c].yaw, down[r].pitch, 0};
    return cameras;
}

void SyntheticViews::libraryRotation(const Camera& camera, double out[9])
{
    // Library rays are the view's rays turned half a circle about x
    // (y and the viewing direction flip); so is the library world.
    static const double flip[3] = {1.0, -1.0, -1.0};
    for (int c = 0; c < 3; ++c) {
        const double unit[3] = {c == 0 ? 1.0 : 0.0, c == 1 ? 1.0 : 0.0, c == 2 ? 1.0 : 0.0};
        double column[3];
        rotate(camera, unit, column, false);
        for (int r = 0; r < 3; ++r)
            out[3 * r + c] = flip[r] * column[r] * flip[c];
    }
}

QImage SyntheticViews::truth(const Panorama& p) const
{
    QImage image(p.rect.size(), QImage::Format_RGB32);
    const double R = p.radius;
    for (int j = 0; j < p.rect.height(); ++j) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(j));
        const double Y = p.rect.y() + j;
        for (int i = 0; i < p.rect.width(); ++i) {
            const double X = p.rect.x() + i;
            if (p.kind == Panorama::Plane) {
                line[i] = 0xFF000000u | seen(p.planeCamera, X, Y);
                continue;
            }
            double P[3];
            if (p.kind == Panorama::Cylinder) {
                P[0] = R * std::sin(X / R), P[1] = Y, P[2] = -R * std::cos(X / R);
            } else if (p.kind == Panorama::CylinderVertical) {
                P[0] = X, P[1] = R * std::sin(Y / R), P[2] = -R * std::cos(Y / R);
            } else {
                const double t = X / R, f = Y / R;
                P[0] = R * std::cos(f) * std::sin(t), P[1] = R * std::sin(f), P[2] = -R * std::cos(f) * std::cos(t);
            }
            double d[3];
            for (int r = 0; r < 3; ++r)
                d[r] = p.frame[3 * r] * P[0] + p.frame[3 * r + 1] * P[1] + p.frame[3 * r + 2] * P[2];
            d[1] = -d[1];
            d[2] = -d[2];
            line[i] = 0xFF000000u | along(d);
        }
    }
    return image;
}

void SyntheticViews::fillJob(CStitchOptions* job, const QList<Camera>& cameras, double focalScale) const
{
    CStitchMatrix& grid = job->m_Matrix;
    const int cols = grid.m_lCols, rows = grid.m_lRows;
    const bool planar = job->m_Method == StitchMethodTelephoto;
    job->m_dFocalLength = m_focal * focalScale;
    const int w = m_width, h = m_height;
    auto inside = [&](QPointF q, double margin) {
        return q.x() >= margin && q.y() >= margin && q.x() <= w - 1 - margin && q.y() <= h - 1 - margin;
    };
    // Bounding box of the pixels of `from` seen by `to`, right and bottom exclusive.
    auto overlap = [&](const Camera& from, const Camera& to) {
        tagRECT box{w, h, 0, 0};
        for (int y = 0; y < h; y += 2)
            for (int x = 0; x < w; x += 2) {
                QPointF q;
                if (map(from, to, QPointF(x, y), &q) && inside(q, 0.0)) {
                    box.left = std::min(box.left, x);
                    box.top = std::min(box.top, y);
                    box.right = std::max(box.right, x + 1);
                    box.bottom = std::max(box.bottom, y + 1);
                }
            }
        return box.left < box.right ? box : tagRECT{0, 0, 0, 0};
    };
    auto pair = [&](CStitchElement* a, const Camera& ca, const Camera& cb, bool right) {
        CStitchTransform& T = right ? a->m_RightTransform : a->m_LowerTransform;
        if (planar) {
            QPointF p0, px, py;
            map(cb, ca, QPointF(0, 0), &p0);
            map(cb, ca, QPointF(w - 1, 0), &px);
            map(cb, ca, QPointF(0, h - 1), &py);
            const double m[9] = {(px.x() - p0.x()) / (w - 1), (py.x() - p0.x()) / (h - 1), p0.x(),
                                 (px.y() - p0.y()) / (w - 1), (py.y() - p0.y()) / (h - 1), p0.y(),
                                 0.0, 0.0, 1.0};
            std::copy(m, m + 9, T.m_Matrix);
        } else {
            double ga[9], gb[9];
            libraryRotation(ca, ga);
            libraryRotation(cb, gb);
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c)
                    T.m_Matrix[3 * r + c] = ga[r] * gb[c] + ga[3 + r] * gb[3 + c] + ga[6 + r] * gb[6 + c];
        }
        PointTwinList& twins = right ? a->m_RightTwins : a->m_LowerTwins;
        twins.m_lCount = 0;
        const tagRECT box = overlap(ca, cb);
        // An even spread of up to 40 twins over the overlap, kept off its edges.
        for (int j = 0; j < 8; ++j)
            for (int i = 0; i < 5 && twins.m_lCount < PointTwinList::kCapacity; ++i) {
                const int x0 = box.left + (box.right - box.left) * (2 * i + 1) / 10;
                const int y0 = box.top + (box.bottom - box.top) * (2 * j + 1) / 16;
                // Of the pixels near the spot, the one that lands closest to
                // a pixel of the neighbour: twins as exact as whole pixels allow.
                int x = x0, y = y0;
                double best = 2.0;
                QPointF q;
                for (int dy = -3; dy <= 3; ++dy)
                    for (int dx = -3; dx <= 3; ++dx) {
                        QPointF t;
                        if (box.right <= box.left || !map(ca, cb, QPointF(x0 + dx, y0 + dy), &t) || !inside(t, 2.0))
                            continue;
                        const double miss = std::hypot(t.x() - std::round(t.x()), t.y() - std::round(t.y()));
                        if (miss < best)
                            best = miss, x = x0 + dx, y = y0 + dy, q = t;
                    }
                if (best >= 2.0)
                    continue;
                twins.m_Twins[twins.m_lCount][0] = tagPOINT{x, y};
                twins.m_Twins[twins.m_lCount][1] = tagPOINT{int(std::lround(q.x())), int(std::lround(q.y()))};
                ++twins.m_lCount;
            }
        a->m_OverlapRects[right ? 0 : 2] = box;
        a->m_OverlapRects[right ? 1 : 3] = overlap(cb, ca);
        (right ? a->m_bRightDefault : a->m_bLowerDefault) = false;
    };
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            CStitchElement* a = grid.GetElement(c, r);
            const int i = r * cols + c;
            if (!a || i >= cameras.size())
                continue;
            const int rightCol = grid.m_Style == StitchStyle360 ? (c + 1) % cols : c + 1;
            if (grid.GetElement(rightCol, r) && r * cols + rightCol < cameras.size() && rightCol != c)
                pair(a, cameras[i], cameras[r * cols + rightCol], true);
            if (grid.GetElement(c, r + 1) && (r + 1) * cols + c < cameras.size())
                pair(a, cameras[i], cameras[(r + 1) * cols + c], false);
        }
}
