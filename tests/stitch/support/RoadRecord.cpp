#include "RoadRecord.h"

#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/image/CImage.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <cmath>
#include <cstdint>

namespace {

std::uint64_t Digest(const void* data, std::size_t size, std::uint64_t h = 1469598103934665603ull)
{
    const auto* p = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i)
        h = (h ^ p[i]) * 1099511628211ull;
    return h;
}

void Numbers(QByteArray& out, const char* name, const double* v, int n)
{
    out += name;
    // Seventeen digits tell every double apart.
    for (int i = 0; i < n; ++i)
        out += ' ' + QByteArray::number(v[i], 'g', 17);
    out += '\n';
}

void Rect(QByteArray& out, const char* name, const tagRECT& r)
{
    out += QByteArray(name) + ' ' + QByteArray::number(int(r.left)) + ' ' + QByteArray::number(int(r.top)) + ' '
        + QByteArray::number(int(r.right)) + ' ' + QByteArray::number(int(r.bottom)) + '\n';
}

void Twins(QByteArray& out, const char* name, const PointTwinList& list)
{
    out += QByteArray(name) + ' ' + QByteArray::number(list.m_lCount) + ':';
    for (int i = 0; i < list.m_lCount; ++i)
        out += QByteArray(" ") + QByteArray::number(int(list.m_Twins[i][0].x)) + ','
            + QByteArray::number(int(list.m_Twins[i][0].y)) + '-' + QByteArray::number(int(list.m_Twins[i][1].x))
            + ',' + QByteArray::number(int(list.m_Twins[i][1].y));
    out += '\n';
}

} // namespace

RoadRecord RecordRoad(const QImage& photo, int style, int cols, int rows, int width, bool hard, int outputSize)
{
    RoadRecord record;
    QByteArray& out = record.text;
    const int height = width * 3 / 4;
    const auto surface = style == 1 || style == 3 ? SyntheticViews::Surface::Sphere : SyntheticViews::Surface::Cylinder;
    const double focal = width / 2.0 / std::tan((style == 3 ? 20 : 30) * M_PI / 180);
    const SyntheticViews views(photo, surface, width, height, focal);
    QList<SyntheticViews::Camera> cameras = style == 0 ? views.row(cols, 0.4)
                                            : style == 1 ? views.column(rows, 0.4)
                                                         : views.tile(cols, rows, 0.4);
    if (hard)
        cameras = SyntheticViews::rolled(cameras);
    const int n = int(cameras.size());
    const QList<SyntheticViews::Hardship> hardships = SyntheticViews::hardships(n);

    StitchTestHost host;
    QStringList loaded;
    QList<tagPOINT> sizes;
    for (int i = n - 1; i >= 0; --i) {
        loaded << QStringLiteral("view%1").arg(i);
        sizes << tagPOINT{width, height};
        host.addImage(loaded.last(), hard ? views.render(cameras[i], hardships[i]) : views.render(cameras[i]));
    }
    tagStitchCallbacks table = host.callbacks();
    CStitchOptions* job = PSCreateStitch(tagStitchStyle(style), tagStitchOutputSize(outputSize),
                                         StitchMethodCalibrated, &table);
    if (!job) {
        out += "no job\n";
        return record;
    }
    int code = PSLoadImages(job, n, loaded, sizes.data());
    QStringList ordered;
    int c = 0, r = 0;
    if (code == 0)
        code = PSAutoOrder(job, ordered, &c, &r, true, 4, 4);
    out += "order " + QByteArray::number(code) + ": " + ordered.join(QLatin1Char(',')).toUtf8() + '\n';
    QStringList names;
    void* dib = nullptr;
    tagRECT* overlaps = nullptr;
    unsigned short** paths = nullptr;
    int overlapCount = 0, pathCount = 0;
    tagRECT crop = {};
    if (code == 0)
        code = DEZeviDirevi(job, 0, &c, &r, names, &dib, &overlaps, &overlapCount, &paths, &pathCount, &crop);
    out += "stitch " + QByteArray::number(code) + ": " + QByteArray::number(c) + " x " + QByteArray::number(r)
        + ", dropped " + names.join(QLatin1Char(',')).toUtf8() + '\n';
    Numbers(out, "focal", &job->m_dFocalLength, 1);
    const CStitchMatrix& m = job->m_Matrix;
    for (int i = 0; i < m.m_lCount; ++i) {
        const CStitchElement& e = m.m_pElements[i];
        out += "element " + QByteArray::number(i) + '\n';
        Numbers(out, "transform", e.m_Transform.m_Matrix, 9);
        Numbers(out, "right", e.m_RightTransform.m_Matrix, 9);
        Numbers(out, "lower", e.m_LowerTransform.m_Matrix, 9);
        const double values[6] = {e.m_dRightAngle, e.m_dLowerAngle, e.m_dRightScore,
                                  e.m_dLowerScore, e.m_dRightError, e.m_dLowerError};
        Numbers(out, "angles scores errors", values, 6);
        Twins(out, "right twins", e.m_RightTwins);
        Twins(out, "lower twins", e.m_LowerTwins);
        out += "defaults " + QByteArray::number(int(e.m_bRightDefault)) + ' ' + QByteArray::number(int(e.m_bLowerDefault))
            + " brightness " + QByteArray::number(e.m_lBrightness[0]) + ' ' + QByteArray::number(e.m_lBrightness[1])
            + ' ' + QByteArray::number(e.m_lBrightness[2]) + " colour table "
            + QByteArray::number(qulonglong(Digest(e.m_ColorTable, sizeof e.m_ColorTable)), 16) + '\n';
        for (const tagRECT& o : e.m_OverlapRects)
            Rect(out, "overlap", o);
        Rect(out, "placement", e.m_Placement);
    }
    Rect(out, "layout", job->m_LayoutRect);
    Rect(out, "crop", crop);
    if (code == 0 && dib) {
        CImage image;
        if (image.Attach(dib) == 0) {
            std::uint64_t h = Digest(nullptr, 0);
            for (int y = 0; y < image.Height(); ++y)
                h = Digest(image.Bits() + std::int64_t(y) * image.Stride(), std::size_t(3 * image.Width()), h);
            out += "result " + QByteArray::number(image.Width()) + " x " + QByteArray::number(image.Height()) + ' '
                + QByteArray::number(qulonglong(h), 16) + '\n';
            image.Detach();
        }
        for (int i = 0; i < overlapCount && overlaps; ++i)
            Rect(out, "result overlap", overlaps[i]);
        out += "paths " + QByteArray::number(pathCount) + '\n';
    }
    PSReleaseResultDIB(job);
    PSReleaseStitch(job);
    record.progress = host.progress;
    record.lockCalls = host.lockCalls;
    record.allocations = host.allocations;
    record.clean = host.clean();
    return record;
}
