#include "SyntheticViews.h"

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
    return project(to, d, out);
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
    const double texW = m_texture.width(), texH = m_texture.height();
    for (int y = 0; y < m_height; ++y) {
        unsigned char* row = reinterpret_cast<unsigned char*>(bytes.data()) + 40 + qsizetype(y) * stride;
        for (int x = 0; x < m_width; ++x) {
            double d[3];
            ray(camera, x, y, d);
            double u, v;
            if (m_surface == Surface::Cylinder) {
                const double r = std::hypot(d[0], d[2]);
                u = std::atan2(d[0], d[2]) * m_scale + texW / 2;
                v = -d[1] / r * m_scale + texH / 2;
            } else if (m_surface == Surface::Sphere) {
                const double r = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
                u = std::atan2(d[0], d[2]) * m_scale + texW / 2;
                v = -std::asin(d[1] / r) * m_scale + texH / 2;
            } else {
                // A plane at distance 1 in front, far enough to look flat.
                u = d[0] / d[2] * m_focal * m_scale + texW / 2;
                v = -d[1] / d[2] * m_focal * m_scale + texH / 2;
            }
            const unsigned rgb = sample(u, v);
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
