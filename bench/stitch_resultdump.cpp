// Writes everything the stitching library's main road decides for a few
// synthetic sets (rows, a column, a 2 x 2 tile, with and without exposure
// differences, at output sizes 0 and 1) as text: per element the
// transforms, angles, scores, twins, colour tables and overlaps, then the
// result bitmap's checksum, the crop, overlaps and seam paths. Two builds
// that must agree bit for bit are compared by diffing their outputs.
//   stitch_resultdump OUTPUT_FILE
#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/CImage.h"
#include "stitch/CStitchElement.h"
#include "stitch/CStitchOptions.h"
#include "stitch/PSStitch.h"

#include <QImage>

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

std::uint64_t fnv(const void* data, std::size_t size, std::uint64_t h = 1469598103934665603ull)
{
    const auto* p = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i)
        h = (h ^ p[i]) * 1099511628211ull;
    return h;
}

void doubles(FILE* out, const char* name, const double* v, int n)
{
    std::fprintf(out, "  %s", name);
    for (int i = 0; i < n; ++i)
        std::fprintf(out, " %a", v[i]);
    std::fprintf(out, "\n");
}

void rect(FILE* out, const char* name, const tagRECT& r)
{
    std::fprintf(out, "  %s %d %d %d %d\n", name, int(r.left), int(r.top), int(r.right), int(r.bottom));
}

void twins(FILE* out, const char* name, const PointTwinList& list)
{
    std::fprintf(out, "  %s %d:", name, list.m_lCount);
    for (int i = 0; i < list.m_lCount; ++i)
        std::fprintf(out, " (%d,%d)-(%d,%d)", int(list.m_Twins[i][0].x), int(list.m_Twins[i][0].y),
                     int(list.m_Twins[i][1].x), int(list.m_Twins[i][1].y));
    std::fprintf(out, "\n");
}

void run(FILE* out, const QImage& photo, const char* label, int style, int cols, int rows, int width, bool hard,
         int outputSize)
{
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
    std::fprintf(out, "== %s (output %d)\n", label, outputSize);
    if (!job) {
        std::fprintf(out, "  no job\n");
        return;
    }
    int code = PSLoadImages(job, n, loaded, sizes.data());
    QStringList ordered;
    int c = 0, r = 0;
    if (code == 0)
        code = PSAutoOrder(job, ordered, &c, &r, true, 4, 4);
    std::fprintf(out, "  order %d: %s (%d x %d)\n", code, qPrintable(ordered.join(QLatin1Char(','))), c, r);
    QStringList names;
    void* dib = nullptr;
    tagRECT* overlaps = nullptr;
    unsigned short** paths = nullptr;
    int overlapCount = 0, pathCount = 0;
    tagRECT crop = {};
    if (code == 0)
        code = DEZeviDirevi(job, 0, &c, &r, names, &dib, &overlaps, &overlapCount, &paths, &pathCount, &crop);
    std::fprintf(out, "  stitch %d: %d x %d, dropped %s\n", code, c, r, qPrintable(names.join(QLatin1Char(','))));
    doubles(out, "focal", &job->m_dFocalLength, 1);
    const CStitchMatrix& m = job->m_Matrix;
    for (int i = 0; i < m.m_lCount; ++i) {
        const CStitchElement& e = m.m_pElements[i];
        std::fprintf(out, " element %d\n", i);
        doubles(out, "transform", e.m_Transform.m_Matrix, 9);
        doubles(out, "right", e.m_RightTransform.m_Matrix, 9);
        doubles(out, "lower", e.m_LowerTransform.m_Matrix, 9);
        const double values[6] = {e.m_dRightAngle, e.m_dLowerAngle, e.m_dRightScore,
                                  e.m_dLowerScore, e.m_dRightError, e.m_dLowerError};
        doubles(out, "angles scores errors", values, 6);
        twins(out, "right twins", e.m_RightTwins);
        twins(out, "lower twins", e.m_LowerTwins);
        std::fprintf(out, "  defaults %d %d brightness %d %d %d\n", int(e.m_bRightDefault), int(e.m_bLowerDefault),
                     e.m_lBrightness[0], e.m_lBrightness[1], e.m_lBrightness[2]);
        std::fprintf(out, "  colour table %016llx\n",
                     static_cast<unsigned long long>(fnv(e.m_ColorTable, sizeof e.m_ColorTable)));
        for (const tagRECT& o : e.m_OverlapRects)
            rect(out, "overlap", o);
        rect(out, "placement", e.m_Placement);
    }
    rect(out, "layout", job->m_LayoutRect);
    rect(out, "crop", crop);
    if (code == 0 && dib) {
        CImage image;
        if (image.Attach(dib) == 0) {
            std::uint64_t h = fnv(nullptr, 0);
            for (int y = 0; y < image.Height(); ++y)
                h = fnv(image.Bits() + std::int64_t(y) * image.Stride(), std::size_t(3 * image.Width()), h);
            std::fprintf(out, "  result %d x %d %016llx\n", image.Width(), image.Height(),
                         static_cast<unsigned long long>(h));
            image.Detach();
        }
        for (int i = 0; i < overlapCount && overlaps; ++i)
            rect(out, "result overlap", overlaps[i]);
        std::fprintf(out, "  paths %d\n", pathCount);
    }
    PSReleaseResultDIB(job);
    PSReleaseStitch(job);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: stitch_resultdump OUTPUT_FILE\n");
        return 2;
    }
    const QImage photo(SyntheticViews::photoPath());
    if (photo.isNull()) {
        std::fprintf(stderr, "mate-backgrounds is missing\n");
        return 1;
    }
    FILE* out = std::fopen(argv[1], "w");
    if (!out)
        return 1;
    for (int size = 0; size <= 1; ++size) {
        run(out, photo, "row of 3, 1600", 0, 3, 1, 1600, false, size);
        run(out, photo, "row of 3, 640", 0, 3, 1, 640, false, size);
        run(out, photo, "row of 3, 640, hard", 0, 3, 1, 640, true, size);
        run(out, photo, "column of 3, 640", 1, 1, 3, 640, false, size);
        run(out, photo, "column of 3, 640, hard", 1, 1, 3, 640, true, size);
        run(out, photo, "2 x 2 tile, 640", 3, 2, 2, 640, false, size);
        run(out, photo, "2 x 2 tile, 800, hard", 3, 2, 2, 800, true, size);
    }
    std::fclose(out);
    return 0;
}
