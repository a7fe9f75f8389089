#pragma once

// Judging a rendered panorama against its ground truth, and what a render
// leaves in a job, for the blend driver's tests.

#include "StitchTestHost.h"

#include "stitch/image/CImage.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/render/CStitchBlend.h"

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace BlendChecks {

// The job's result bitmap as an image, rows in memory order.
inline QImage resultImage(CStitchOptions* job)
{
    CImage image;
    if (!job->m_hResultDib || image.Attach(job->m_hResultDib) != 0 || image.Lock() != 0)
        return {};
    const int w = image.Width(), h = image.Height();
    QImage out(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const unsigned char* p = image.Bits() + qsizetype(y) * image.Stride() + 3 * x;
            out.setPixel(x, y, qRgb(p[2], p[1], p[0]));
        }
    image.Unlock();
    image.Detach();
    return out;
}

inline double level(QRgb p)
{
    return (qRed(p) + qGreen(p) + qBlue(p)) / 3.0;
}

// Mean absolute difference per byte over rc, of block x block means (1:
// the pixels themselves). Means over blocks let a render whose alignment is
// right to a pixel be judged on its colour rather than on fine texture.
inline double colourError(const QImage& result, const QImage& truth, const tagRECT& rc, int block = 1)
{
    double sum = 0;
    long long n = 0;
    for (int y = rc.top; y + block <= rc.bottom; y += block)
        for (int x = rc.left; x + block <= rc.right; x += block) {
            int a[3] = {}, b[3] = {};
            for (int j = 0; j < block; ++j)
                for (int i = 0; i < block; ++i) {
                    const QRgb p = result.pixel(x + i, y + j), q = truth.pixel(x + i, y + j);
                    a[0] += qRed(p), a[1] += qGreen(p), a[2] += qBlue(p);
                    b[0] += qRed(q), b[1] += qGreen(q), b[2] += qBlue(q);
                }
            for (int c = 0; c < 3; ++c)
                sum += std::abs(a[c] - b[c]) / double(block * block);
            ++n;
        }
    return n ? sum / (3.0 * n) : 1e9;
}

// The seam points of a dividing path as panorama-image pixels (pano: the
// panorama rectangle; overlap in panorama coordinates): for a horizontal
// pair the path runs down the overlap's rows, for a vertical one along its
// columns.
inline QList<QPoint> seamPoints(const unsigned short* path, const tagRECT& overlap, const tagRECT& pano,
                                bool horizontal)
{
    QList<QPoint> points;
    if (!path || path[0] < 3)
        return points;
    const int rows = path[0] - 2, first = int(path[1]) - rows + 1;
    for (int r = 0; r < rows; ++r) {
        const unsigned short column = path[path[0] - 1 - r];
        if (column == 0xFFFF)
            continue;
        const int graphRow = first + r;
        const int x = horizontal ? overlap.left + column : overlap.left + graphRow;
        const int y = horizontal ? overlap.top + graphRow : overlap.top + column;
        points << QPoint(x - pano.left, y - pano.top);
    }
    return points;
}

// How much a seam shows: the difference to the truth averaged over three
// pixels on one side of the seam against the same on the other side,
// averaged along the seam (inside the crop). Two images of different
// colour leave such a step all along their seam; texture that is off by a
// fraction of a pixel averages out.
inline double seamVisibility(const QImage& result, const QImage& truth, const QList<QPoint>& seam,
                             const tagRECT& crop, bool horizontal, int* counted)
{
    auto d = [&](int x, int y) { return level(result.pixel(x, y)) - level(truth.pixel(x, y)); };
    double sum = 0;
    int n = 0;
    for (const QPoint& p : seam) {
        const int dx = horizontal ? 1 : 0, dy = horizontal ? 0 : 1;
        if (p.x() - 4 * dx < crop.left || p.x() + 4 * dx >= crop.right || p.y() - 4 * dy < crop.top
            || p.y() + 4 * dy >= crop.bottom)
            continue;
        double before = 0, after = 0;
        for (int s = 2; s <= 4; ++s) {
            before += d(p.x() - s * dx, p.y() - s * dy);
            after += d(p.x() + s * dx, p.y() + s * dy);
        }
        sum += (after - before) / 3.0;
        ++n;
    }
    *counted += n;
    return n ? std::abs(sum / n) : 0.0;
}

// What a render leaves in the job that a failed later render must not
// change.
struct RenderState
{
    QByteArray result;
    tagRECT crop{};
    QList<int> ids;
    QList<QList<unsigned short>> paths;
    QList<QByteArray> placements;
    QStringList files;

    static RenderState of(StitchTestHost& host, CStitchOptions* job)
    {
        RenderState s;
        s.result = job->m_hResultDib ? host.handleBytes(job->m_hResultDib) : QByteArray();
        s.crop = job->m_CropRect;
        const CStitchMatrix& grid = job->m_Matrix;
        for (int i = 0; i < grid.m_lCols * grid.m_lRows; ++i) {
            CStitchElement& e = grid.m_pElements[i];
            for (int k = 0; k < CStitchElement::kFileIdCount; ++k)
                s.ids << *e.FileId(k);
            for (const unsigned short* path : {e.m_pRightPath, e.m_pLowerPath}) {
                QList<unsigned short> words;
                if (path)
                    for (int w = 0; w < std::max<int>(path[0], 2); ++w)
                        words << path[w];
                s.paths << words;
            }
            s.placements << QByteArray(reinterpret_cast<const char*>(&e.m_Placement), sizeof e.m_Placement)
                         << QByteArray(reinterpret_cast<const char*>(&e.m_WrapPlacement), sizeof e.m_WrapPlacement)
                         << QByteArray(reinterpret_cast<const char*>(&e.m_RowStrip), sizeof e.m_RowStrip);
        }
        s.files = QDir(job->m_strTempDir).entryList(QDir::Files, QDir::Name);
        return s;
    }
    bool operator==(const RenderState& o) const
    {
        return result == o.result && std::memcmp(&crop, &o.crop, sizeof crop) == 0 && ids == o.ids
            && paths == o.paths && placements == o.placements && files == o.files;
    }
};

// What a fine-tune render may change and must put back when it fails.
inline QByteArray alignmentState(CStitchOptions* job)
{
    QByteArray bytes;
    const CStitchMatrix& grid = job->m_Matrix;
    for (int i = 0; i < grid.m_lCols * grid.m_lRows; ++i) {
        const CStitchElement& e = grid.m_pElements[i];
        bytes.append(reinterpret_cast<const char*>(e.m_Transform.m_Matrix), sizeof e.m_Transform.m_Matrix);
        bytes.append(reinterpret_cast<const char*>(&e.m_Placement), sizeof e.m_Placement);
        bytes.append(reinterpret_cast<const char*>(e.m_lBrightness), sizeof e.m_lBrightness);
        bytes.append(reinterpret_cast<const char*>(e.m_ColorTable), sizeof e.m_ColorTable);
    }
    bytes.append(reinterpret_cast<const char*>(&job->m_LayoutRect), sizeof job->m_LayoutRect);
    bytes.append(reinterpret_cast<const char*>(&job->m_LayoutRect2), sizeof job->m_LayoutRect2);
    return bytes;
}

// The focal length (pixels) of a view of this width spanning 60 degrees.
inline double focalFor(int width)
{
    return width / 2.0 / std::tan(30 * M_PI / 180);
}

inline int render(CStitchOptions* job, bool fineTune = false)
{
    CStitchBlend blend(job, job->m_lWorkingLayer);
    return blend.Run(fineTune);
}

} // namespace BlendChecks
