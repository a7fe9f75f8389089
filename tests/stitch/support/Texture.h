#pragma once

#include <QList>
#include <QRandomGenerator>

#include <cmath>

// A smooth colour texture for alignment tests: random colours on a grid
// every `cell` pixels, interpolated bilinearly; the same for the same seed.
class Texture
{
public:
    Texture(int width, int height, int cell, quint32 seed) : m_cell(cell), m_cols(width / cell + 2)
    {
        QRandomGenerator random(seed);
        for (int i = 0; i < m_cols * (height / cell + 2); ++i)
            m_grid << random.bounded(0x1000000);
    }

    // 0x00RRGGBB at a position inside the texture.
    unsigned at(double x, double y) const
    {
        const double u = x / m_cell, v = y / m_cell;
        const int i = int(std::floor(u)), j = int(std::floor(v));
        const double fu = u - i, fv = v - j;
        unsigned out = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            auto c = [&](int a, int b) { return double((m_grid[b * m_cols + a] >> shift) & 0xFF); };
            const double value = (c(i, j) * (1 - fu) + c(i + 1, j) * fu) * (1 - fv)
                + (c(i, j + 1) * (1 - fu) + c(i + 1, j + 1) * fu) * fv;
            out |= unsigned(value + 0.5) << shift;
        }
        return out;
    }

private:
    int m_cell;
    int m_cols;
    QList<unsigned> m_grid;
};
