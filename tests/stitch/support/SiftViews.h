#pragma once

#include "Texture.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <vector>

// Pictures for the SIFT tests and the SIFT benchmark: 24-bit pixels (blue,
// green, red) with rows in memory order, and pairs of views of one smooth
// texture related by a known affine map.
struct SiftPicture
{
    int width = 0;
    int height = 0;
    std::vector<unsigned char> bytes; // stride 3 * width

    int stride() const { return 3 * width; }
    void set(int x, int y, double grey)
    {
        const auto v = static_cast<unsigned char>(std::clamp(grey + 0.5, 0.0, 255.0));
        unsigned char* p = bytes.data() + (size_t(y) * width + x) * 3;
        p[0] = p[1] = p[2] = v;
    }
};

// Maps a point of the first view to the second: (a x + b y + tx, c x + d y + ty).
struct ViewMap
{
    double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

    void apply(double x, double y, double& u, double& v) const
    {
        u = a * x + b * y + tx;
        v = c * x + d * y + ty;
    }
    ViewMap inverse() const
    {
        const double det = a * d - b * c;
        ViewMap m{d / det, -b / det, -c / det, a / det, 0, 0};
        m.tx = -(m.a * tx + m.b * ty);
        m.ty = -(m.c * tx + m.d * ty);
        return m;
    }
    // This map followed by `next`.
    ViewMap then(const ViewMap& next) const
    {
        ViewMap m{next.a * a + next.b * c, next.a * b + next.b * d, next.c * a + next.d * c,
                  next.c * b + next.d * d, 0, 0};
        m.tx = next.a * tx + next.b * ty + next.tx;
        m.ty = next.c * tx + next.d * ty + next.ty;
        return m;
    }
    static ViewMap shift(double sx, double sy) { return ViewMap{1, 0, 0, 1, sx, sy}; }
    // A turn by degrees and a zoom about (cx, cy), then a shift.
    static ViewMap turn(double degrees, double scale, double cx, double cy, double sx = 0, double sy = 0)
    {
        const double r = degrees * M_PI / 180;
        ViewMap m{scale * std::cos(r), -scale * std::sin(r), scale * std::sin(r), scale * std::cos(r), 0, 0};
        m.tx = cx - (m.a * cx + m.b * cy) + sx;
        m.ty = cy - (m.c * cx + m.d * cy) + sy;
        return m;
    }
};

class SiftViews
{
public:
    // Three octaves of texture (cells of 40, 14 and 5 pixels), so that
    // features of many sizes stand out as in a photograph.
    explicit SiftViews(quint32 seed = 7)
        : m_coarse(2400, 2400, 40, seed), m_middle(2400, 2400, 14, seed + 11), m_fine(2400, 2400, 5, seed + 23),
          m_seed(seed)
    {
    }

    // The texture seen through `toView` (a map of texture points to view
    // points), sampled at each pixel; gain scales the brightness and noise
    // adds uniform noise of that amplitude.
    SiftPicture render(int width, int height, const ViewMap& toView, double gain = 1.0, double noise = 0.0) const
    {
        SiftPicture pic{width, height, std::vector<unsigned char>(size_t(width) * height * 3)};
        const ViewMap back = toView.inverse();
        QRandomGenerator random(m_seed + 1);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                double u, v;
                back.apply(x, y, u, v);
                // Outside the texture stays mid grey.
                double grey = 128;
                if (u >= 0 && v >= 0 && u < 2300 && v < 2300) {
                    grey = 0.5 * greyOf(m_coarse.at(u, v)) + 0.35 * greyOf(m_middle.at(u, v))
                        + 0.15 * greyOf(m_fine.at(u, v));
                    // Stretch the mixture's contrast back towards the full range.
                    grey = 128 + (grey - 128) * 2.2;
                }
                grey = grey * gain + (noise > 0 ? (random.generateDouble() * 2 - 1) * noise : 0);
                pic.set(x, y, grey);
            }
        }
        return pic;
    }

private:
    static double greyOf(unsigned rgb)
    {
        return 0.3 * ((rgb >> 16) & 0xFF) + 0.59 * ((rgb >> 8) & 0xFF) + 0.11 * (rgb & 0xFF);
    }

    Texture m_coarse;
    Texture m_middle;
    Texture m_fine;
    quint32 m_seed;
};
