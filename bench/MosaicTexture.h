#pragma once
// A large scene that repeats nowhere, for synthetic views wider or sharper
// than one photograph can cover: different real photographs (Debian's
// mate-backgrounds and plasma-workspace-wallpapers), each used once, laid
// in a grid of cells and cross-faded over a band at the cells' borders.
// A cyclic mosaic runs on from its right edge into its left, so a full
// ring of views sees no seam.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <vector>

namespace mosaic {

// The photographs in the order the cells take them: detailed scenes, with
// the softer close-ups spread between them. Missing ones are left out.
inline QStringList photographs()
{
    static const char* const wallpapers[] = {"EveningGlow", "OneStandsOut", "Path", "BytheWater", "Autumn",
                                             "SafeLanding", "FallenLeaf", "Grey"};
    static const char* const mate[] = {"Garden", "LadyBird", "YellowFlower", "FreshFlower", "RainDrops",
                                       "Blinds", "Dune", "Wood", "GreenMeadow", "TwoWings", "Aqua", "Storm"};
    // The largest size each wallpaper comes in (files are named WxH).
    auto wallpaper = [](const QString& name) {
        const QDir dir(QStringLiteral("/usr/share/wallpapers/%1/contents/images").arg(name));
        QString best;
        qint64 bestArea = 0;
        for (const QFileInfo& file : dir.entryInfoList(QDir::Files)) {
            const QStringList size = file.completeBaseName().split(QLatin1Char('x'));
            const qint64 area = size.size() == 2 ? size[0].toLongLong() * size[1].toLongLong() : 0;
            if (area > bestArea)
                bestArea = area, best = file.filePath();
        }
        return best;
    };
    QStringList out;
    // Alternate the two sources while both last.
    for (size_t i = 0; i < std::max(std::size(wallpapers), std::size(mate)); ++i) {
        const QString a = i < std::size(wallpapers) ? wallpaper(QString::fromLatin1(wallpapers[i])) : QString();
        const QString b = i < std::size(mate)
            ? QStringLiteral("/usr/share/backgrounds/mate/nature/%1.jpg").arg(QLatin1String(mate[i]))
            : QString();
        for (const QString& path : {a, b})
            if (!path.isEmpty() && QFileInfo::exists(path))
                out << path;
    }
    return out;
}

// Where a cell grid puts its borders: count + 1 integer positions over length.
inline std::vector<int> borders(int length, int count)
{
    std::vector<int> out;
    for (int k = 0; k <= count; ++k)
        out.push_back(int(std::lround(double(length) * k / count)));
    return out;
}

// A width x height RGB32 mosaic. With period > 0 it is cyclic across:
// column x shows what column x mod period shows. Null when too few
// photographs are installed for cells of a photograph's shape.
inline QImage build(int width, int height, int period = 0)
{
    const QStringList files = photographs();
    const int across = period > 0 ? period : width;
    // The grid with the most cells, each used once, whose cells keep
    // roughly a photograph's shape (1.2 to 2.1 wide per high).
    int cols = 0, rows = 0;
    for (int r = 1; r <= int(files.size()); ++r) {
        const double cellHeight = double(height) / r;
        const int c = std::max(1, int(std::lround(across / (cellHeight * 1.6))));
        const double aspect = across / double(c) / cellHeight;
        if (c * r <= files.size() && aspect >= 1.2 && aspect <= 2.1 && c * r > cols * rows)
            cols = c, rows = r;
    }
    if (cols == 0)
        return QImage();
    const std::vector<int> bx = borders(across, cols), by = borders(height, rows);
    // The cross-fade band: a twelfth of a cell, at least 32 pixels, at most
    // a whole cell.
    const int cellMin = std::min(across / cols, height / rows);
    const int band = std::min(cellMin, std::max(32, cellMin / 12)) & ~1;
    const int half = band / 2;

    // Each cell's photograph cut to its cell widened by half the band on
    // every side, scaled to cover it and centred.
    std::vector<QImage> cells;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const QSize size(bx[size_t(c + 1)] - bx[size_t(c)] + band, by[size_t(r + 1)] - by[size_t(r)] + band);
            const QImage scaled = QImage(files[r * cols + c])
                                      .scaled(size, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation)
                                      .convertToFormat(QImage::Format_RGB32);
            if (scaled.isNull())
                return QImage();
            cells.push_back(scaled.copy((scaled.width() - size.width()) / 2, (scaled.height() - size.height()) / 2,
                                        size.width(), size.height()));
        }

    // Up to two cells weigh in along each axis: (cell, position in its cut, weight).
    struct Tap
    {
        int cell = 0;
        int local = 0;
        float weight = 0;
    };
    auto taps = [half, band](int pos, int length, const std::vector<int>& b, bool cyclic, Tap out[2]) {
        const int count = int(b.size()) - 1;
        int k = int(std::upper_bound(b.begin(), b.end(), pos) - b.begin()) - 1;
        k = std::clamp(k, 0, count - 1);
        const double p = pos + 0.5;
        const double dl = p - b[size_t(k)], dr = b[size_t(k + 1)] - p;
        out[0] = Tap{k, pos - b[size_t(k)] + half, 1.0f};
        out[1] = Tap{k, 0, 0.0f};
        if (dl < half && (k > 0 || cyclic)) {
            const int n = k > 0 ? k - 1 : count - 1;
            const int shift = k > 0 ? 0 : length;
            out[0].weight = float(0.5 + dl / band);
            out[1] = Tap{n, pos + shift - b[size_t(n)] + half, 1.0f - out[0].weight};
        } else if (dr < half && (k < count - 1 || cyclic)) {
            const int n = k < count - 1 ? k + 1 : 0;
            const int shift = k < count - 1 ? 0 : length;
            out[0].weight = float(0.5 + dr / band);
            out[1] = Tap{n, pos - shift - b[size_t(n)] + half, 1.0f - out[0].weight};
        }
    };

    QImage out(width, height, QImage::Format_RGB32);
    std::vector<Tap> xs(size_t(2) * width);
    for (int x = 0; x < width; ++x)
        taps(period > 0 ? x % period : x, across, bx, period > 0, &xs[size_t(2) * x]);
    for (int y = 0; y < height; ++y) {
        Tap ys[2];
        taps(y, height, by, false, ys);
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            float sum[3] = {0, 0, 0};
            for (const Tap& ty : ys)
                for (int i = 0; i < 2; ++i) {
                    const Tap& tx = xs[size_t(2) * x + i];
                    const float w = tx.weight * ty.weight;
                    if (w <= 0)
                        continue;
                    const QImage& cell = cells[size_t(ty.cell * cols + tx.cell)];
                    const QRgb c = reinterpret_cast<const QRgb*>(cell.constScanLine(ty.local))[tx.local];
                    sum[0] += w * qRed(c);
                    sum[1] += w * qGreen(c);
                    sum[2] += w * qBlue(c);
                }
            line[x] = qRgb(int(sum[0] + 0.5f), int(sum[1] + 0.5f), int(sum[2] + 0.5f));
        }
    }
    return out;
}

} // namespace mosaic
