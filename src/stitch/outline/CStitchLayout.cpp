#include "stitch/outline/CStitchLayout.h"

#include "stitch/geometry/CCoordinate.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/pyramid/CStitchPyramid.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kFarthest = 1073741824.0; // 2^30

// Per cell: the coded points, their count and the range of the reduced coordinate.
struct Coded
{
    std::vector<int> min, max;
};

} // namespace

CStitchLayout::CStitchLayout(tagRECT* panoramaRect, CScanRegion* regions, CStitchOptions* job, int layer)
    : m_lLayer(layer)
    , m_pPanoramaRect(panoramaRect)
    , m_pScanRegions(regions)
    , m_pOptions(job)
{
}

void CStitchLayout::SetPerimeter()
{
    const double perimeter = std::trunc(m_pOptions->m_dFocalLength * 2.0 * M_PI / std::ldexp(1.0, m_lLayer) + 0.5);
    if (!(perimeter >= 1.0 && perimeter <= kFarthest)) {
        // No focal length to lay a circle out with.
        m_bOutOfRange = true;
        m_lPerimeter = 0;
    } else {
        m_lPerimeter = int(perimeter);
    }
    m_dRadius = m_lPerimeter * 0.5 / M_PI;
    m_lMinCross = int(std::trunc(-5.0 * m_dRadius));
    m_lMaxCross = int(std::trunc(5.0 * m_dRadius));
}

bool CStitchLayout::Place(double v, int* out)
{
    if (!std::isfinite(v) || std::fabs(v) > kFarthest) {
        m_bOutOfRange = true;
        *out = 0;
        return false;
    }
    *out = int(std::nearbyint(v));
    return true;
}

void CStitchLayout::Reduce(tagPOINT* pt, int& min, int& max)
{
    const bool vertical = m_pOptions->m_Matrix.m_Style == StitchStyleVertical;
    int& along = vertical ? pt->y : pt->x;
    int& across = vertical ? pt->x : pt->y;
    if (m_lPerimeter > 0)
        along %= m_lPerimeter;
    across = std::clamp(across, m_lMinCross, m_lMaxCross);
    min = std::min(min, along);
    max = std::max(max, along);
}

void CStitchLayout::RepairWrap(tagPOINT* points, int count, int& min, int& max)
{
    if (max - min <= m_lPerimeter / 2)
        return;
    const bool vertical = m_pOptions->m_Matrix.m_Style == StitchStyleVertical;
    min = LineSegment::kNone;
    max = -LineSegment::kNone;
    for (int i = 0; i < count; ++i) {
        int& along = vertical ? points[i].y : points[i].x;
        if (along < m_lPerimeter / 2)
            along += m_lPerimeter;
        min = std::min(min, along);
        max = std::max(max, along);
    }
}

void CStitchLayout::Run()
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    const int cells = grid.m_lCols * grid.m_lRows;
    std::vector<tagPOINT*> points(size_t(std::max(cells, 1)), nullptr);
    std::vector<int> counts(size_t(std::max(cells, 1)), 0);
    if (m_pOptions->m_Method == StitchMethodTelephoto)
        CodingEdgesTelephoto(points.data(), counts.data());
    else
        CodingEdges(points.data(), counts.data());
    ExtractBorder(points.data(), counts.data(), m_pScanRegions);
    ScanLines(points.data(), counts.data(), m_pScanRegions);
    for (int i = 0; i < cells; ++i) {
        if (CStitchElement* e = grid.GetElement(i % grid.m_lCols, i / grid.m_lCols))
            e->m_Placement = m_pScanRegions[i].m_Rect;
        delete[] points[i];
    }
}

void CStitchLayout::GetPointOnEdge(tagPOINT* out, PictureCoord p, int& min, int& max)
{
    Place(p.x, &out->x);
    Place(p.y, &out->y);
    Reduce(out, min, max);
}

void CStitchLayout::CodingEdges(tagPOINT** points, int* counts)
{
    SetPerimeter();
    CStitchMatrix& grid = m_pOptions->m_Matrix;
    const int cols = grid.m_lCols, rows = grid.m_lRows;
    const CProjection projection(grid.m_Style, STITCHMETHOD(m_pOptions->m_lRenderKind));
    const double zoom = std::ldexp(1.0, m_lLayer);
    const double f = m_pOptions->m_dFocalLength / zoom;
    std::vector<int> mins(size_t(std::max(cols * rows, 1)), 0), maxs(mins.size(), 0);
    for (int cell = 0; cell < cols * rows; ++cell) {
        CStitchElement* e = grid.GetElement(cell % cols, cell / cols);
        if (!e)
            continue;
        const int w = int(e->m_Pyramid.m_lWidth / zoom), h = int(e->m_Pyramid.m_lHeight / zoom);
        if (w <= 0 || h <= 0)
            continue;
        const double cx = (e->m_Pyramid.m_lWidth - 1) * 0.5 / zoom, cy = (e->m_Pyramid.m_lHeight - 1) * 0.5 / zoom;
        const int count = 2 * (w + h);
        tagPOINT* pts = new tagPOINT[size_t(count)];
        int min = LineSegment::kNone, max = -LineSegment::kNone, k = 0;
        auto code = [&](double x, double y) {
            const FilmCoord film{x, y, f};
            PictureCoord p{0.0, 0.0, m_dRadius};
            projection.Film2Picture(&film, &p, &e->m_Transform);
            GetPointOnEdge(&pts[k++], p, min, max);
        };
        for (int x = 0; x < w; ++x)
            code(x - cx, -cy);
        for (int y = 0; y < h; ++y)
            code(w - 1 - cx, y - cy);
        for (int x = w - 1; x >= 0; --x)
            code(x - cx, h - 1 - cy);
        for (int y = h - 1; y >= 0; --y)
            code(-cx, y - cy);
        RepairWrap(pts, count, min, max);
        points[cell] = pts;
        counts[cell] = count;
        mins[size_t(cell)] = min;
        maxs[size_t(cell)] = max;
    }

    const bool vertical = grid.m_Style == StitchStyleVertical;
    auto shiftBack = [&](int cell) {
        int& min = mins[size_t(cell)];
        int& max = maxs[size_t(cell)];
        min = LineSegment::kNone;
        max = -LineSegment::kNone;
        for (int i = 0; i < counts[cell]; ++i) {
            int& along = vertical ? points[cell][i].y : points[cell][i].x;
            along -= m_lPerimeter;
            min = std::min(min, along);
            max = std::max(max, along);
        }
    };
    if (grid.m_Style == StitchStyleHorizontal) {
        for (int c = 1; c < cols; ++c)
            if (points[c - 1] && points[c] && maxs[size_t(c - 1)] < mins[size_t(c)])
                shiftBack(c);
    } else if (vertical) {
        const int last = rows - 1;
        if (points[last])
            for (int r = 0; r < last && points[r * cols]; ++r) {
                if (maxs[size_t(r * cols)] <= maxs[size_t(last * cols)])
                    break;
                shiftBack(r * cols);
            }
        for (int r = 1; r < rows; ++r)
            if (points[(r - 1) * cols] && points[r * cols] && maxs[size_t((r - 1) * cols)] < mins[size_t(r * cols)])
                shiftBack(r * cols);
    }
}

void CStitchLayout::CodingEdgesTelephoto(tagPOINT** points, int* counts)
{
    CStitchMatrix& grid = m_pOptions->m_Matrix;
    const int cols = grid.m_lCols, rows = grid.m_lRows;
    const double zoom = std::ldexp(1.0, m_lLayer);
    for (int cell = 0; cell < cols * rows; ++cell) {
        CStitchElement* e = grid.GetElement(cell % cols, cell / cols);
        if (!e)
            continue;
        const int w = int(e->m_Pyramid.m_lWidth / zoom), h = int(e->m_Pyramid.m_lHeight / zoom);
        if (w <= 0 || h <= 0)
            continue;
        const int count = 2 * (w + h);
        tagPOINT* pts = new tagPOINT[size_t(count)];
        const double* m = e->m_Transform.m_Matrix;
        int k = 0;
        auto code = [&](int x, int y) {
            Place(m[0] * x + m[1] * y + m[2] - 0.5, &pts[k].x);
            Place(m[3] * x + m[4] * y + m[5], &pts[k].y);
            ++k;
        };
        for (int x = 0; x < w; ++x)
            code(x, 0);
        for (int y = 0; y < h; ++y)
            code(w - 1, y);
        for (int x = w - 1; x >= 0; --x)
            code(x, h - 1);
        for (int y = h - 1; y >= 0; --y)
            code(0, y);
        points[cell] = pts;
        counts[cell] = count;
    }
}

void CStitchLayout::ExtractBorder(tagPOINT** points, int* counts, CScanRegion* regions)
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    const int cells = grid.m_lCols * grid.m_lRows;
    tagRECT pano{LineSegment::kNone, LineSegment::kNone, -LineSegment::kNone, -LineSegment::kNone};
    for (int cell = 0; cell < cells; ++cell) {
        if (!grid.GetElement(cell % grid.m_lCols, cell / grid.m_lCols) || !points[cell] || m_bOutOfRange)
            continue;
        tagRECT box{LineSegment::kNone, LineSegment::kNone, -LineSegment::kNone, -LineSegment::kNone};
        for (int i = 0; i < counts[cell]; ++i) {
            const tagPOINT& p = points[cell][i];
            box.left = std::min(box.left, p.x);
            box.top = std::min(box.top, p.y);
            box.right = std::max(box.right, p.x + 1);
            box.bottom = std::max(box.bottom, p.y + 1);
        }
        regions[cell].m_Rect = box;
        pano.left = std::min(pano.left, box.left);
        pano.top = std::min(pano.top, box.top);
        pano.right = std::max(pano.right, box.right);
        pano.bottom = std::max(pano.bottom, box.bottom);
    }
    if (grid.m_Style == StitchStyle360 && (long long)pano.right - pano.left > m_lPerimeter) {
        pano.left = 0;
        pano.right = m_lPerimeter;
    }
    // Nothing placed, or a border that cannot be placed: an empty panorama.
    if (m_bOutOfRange || pano.left >= pano.right || pano.top >= pano.bottom)
        pano = tagRECT{0, 0, 0, 0};
    *m_pPanoramaRect = pano;
}

void CStitchLayout::InitialLineSegment(const tagRECT& rc, LineSegment* rows, LineSegment* columns)
{
    for (int y = rc.top; y < rc.bottom; ++y)
        rows[y - rc.top] = LineSegment{LineSegment::kNone, -LineSegment::kNone};
    for (int x = rc.left; x < rc.right; ++x)
        columns[x - rc.left] = LineSegment{LineSegment::kNone, -LineSegment::kNone};
}

void CStitchLayout::ProcessInterrupt(LineSegment* rows, LineSegment* columns, const tagRECT& rc, int x0, int y0,
                                     int x1, int y1)
{
    const int lowX = std::min(x0, x1), highX = std::max(x0, x1);
    const int lowY = std::min(y0, y1), highY = std::max(y0, y1);
    for (int x = lowX + 1; x < highX; ++x) {
        LineSegment& s = columns[x - rc.left];
        s.first = std::min(s.first, highY);
        s.last = std::max(s.last, lowY);
    }
    for (int y = lowY + 1; y < highY; ++y) {
        LineSegment& s = rows[y - rc.top];
        s.first = std::min(s.first, highX);
        s.last = std::max(s.last, lowX);
    }
}

void CStitchLayout::ProcessInterruptPanorama(LineSegment* columns, DLineSegment* angles, LineSegment* rows,
                                             const tagRECT& rc, int x0, int y0, double a0, int x1, int y1,
                                             double a1)
{
    const int lowX = std::min(x0, x1), highX = std::max(x0, x1);
    const int lowY = std::min(y0, y1), highY = std::max(y0, y1);
    const double angleHighY = y0 >= y1 ? a0 : a1, angleLowY = y0 >= y1 ? a1 : a0;
    for (int x = lowX + 1; x < highX; ++x) {
        LineSegment& s = columns[x - rc.left];
        if (highY < s.first) {
            s.first = highY;
            angles[x - rc.left].first = angleHighY;
        }
        if (lowY > s.last) {
            s.last = lowY;
            angles[x - rc.left].last = angleLowY;
        }
    }
    for (int y = lowY + 1; y < highY; ++y) {
        LineSegment& s = rows[y - rc.top];
        s.first = std::min(s.first, highX);
        s.last = std::max(s.last, lowX);
    }
}

void CStitchLayout::Widen(CScanRegion& region, int x, int y)
{
    LineSegment& row = region.Row(y);
    row.first = std::min(row.first, x);
    row.last = std::max(row.last, x);
    LineSegment& column = region.Column(x);
    column.first = std::min(column.first, y);
    column.last = std::max(column.last, y);
}

void CStitchLayout::ScanLines(tagPOINT** points, int* counts, CScanRegion* regions)
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    const int cells = grid.m_lCols * grid.m_lRows;
    for (int cell = 0; cell < cells; ++cell) {
        CScanRegion& region = regions[cell];
        if (m_bOutOfRange || !grid.GetElement(cell % grid.m_lCols, cell / grid.m_lCols) || !points[cell]
            || !region.Create(region.m_Rect))
            continue;
        const tagPOINT* pts = points[cell];
        const int n = counts[cell];
        for (int i = 0; i < n; ++i) {
            const tagPOINT a = pts[i], b = pts[(i + 1) % n];
            Widen(region, a.x, a.y);
            if (std::abs(b.x - a.x) >= 2 || std::abs(b.y - a.y) >= 2)
                ProcessInterrupt(region.m_pRowTable, region.m_pColumnTable, region.m_Rect, a.x, a.y, b.x, b.y);
        }
    }
}

void CStitchLayout::ScanLinesPanorama(tagPOINT** points, int* counts, double** angles)
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    const int cells = grid.m_lCols * grid.m_lRows;
    for (int cell = 0; cell < cells; ++cell) {
        CScanRegion& region = m_pScanRegions[cell];
        if (m_bOutOfRange || !grid.GetElement(cell % grid.m_lCols, cell / grid.m_lCols) || !points[cell]
            || !region.Create(region.m_Rect))
            continue;
        const tagPOINT* pts = points[cell];
        const double* ang = angles[cell];
        const int n = counts[cell];
        for (int i = 0; i < n; ++i) {
            const int j = (i + 1) % n;
            const tagPOINT a = pts[i], b = pts[j];
            LineSegment& row = region.Row(a.y);
            row.first = std::min(row.first, a.x);
            row.last = std::max(row.last, a.x);
            LineSegment& column = region.Column(a.x);
            if (a.y < column.first) {
                column.first = a.y;
                region.Angle(a.x).first = ang[i];
            }
            if (a.y > column.last) {
                column.last = a.y;
                region.Angle(a.x).last = ang[j];
            }
            if (std::abs(b.x - a.x) >= 2 || std::abs(b.y - a.y) >= 2)
                ProcessInterruptPanorama(region.m_pColumnTable, region.m_pAngleTable, region.m_pRowTable,
                                         region.m_Rect, a.x, a.y, ang[i], b.x, b.y, ang[j]);
        }
    }
}

void CStitchLayout::GetPointOnEdgePanorama(tagPOINT* out, double* angleOut, int& min, int& max,
                                           double* closingAxis, PictureCoord p, double closingAngle)
{
    const CProjection projection(m_pOptions->m_Matrix.m_Style, STITCHMETHOD(m_pOptions->m_lRenderKind));
    CartesianCoord c;
    projection.Picture2Cartesian(&p, &c);
    const double angle = m_lPerimeter > 0 ? closingAngle * p.x / m_lPerimeter : 0.0;
    double axis[3] = {closingAxis[0], closingAxis[1], closingAxis[2]};
    double M[9];
    CCoordinate::AxisAngle2UOM(axis, M, angle);
    const CartesianCoord turned{M[0] * c.x + M[1] * c.y + M[2] * c.z, M[3] * c.x + M[4] * c.y + M[5] * c.z,
                                M[6] * c.x + M[7] * c.y + M[8] * c.z};
    projection.Cartesian2Picture(&turned, &p);
    *angleOut = angle;
    GetPointOnEdge(out, p, min, max);
}

void CStitchLayout::CodingEdgesPanorama(tagPOINT** points, int* counts, double** angles, CScanRegion* provisional,
                                        double* closingAxis, double closingAngle)
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    const int cols = grid.m_lCols;
    for (int c = 0; c < cols; ++c) {
        if (!grid.GetElement(c, 0) || m_bOutOfRange)
            continue;
        const tagRECT rc = provisional[c].m_Rect;
        const int w = rc.right - rc.left, h = rc.bottom - rc.top;
        if (w <= 0 || h <= 0)
            continue;
        const int count = 2 * (w + h);
        tagPOINT* pts = new tagPOINT[size_t(count)];
        double* ang = new double[size_t(count)];
        int min = LineSegment::kNone, max = -LineSegment::kNone, k = 0;
        auto code = [&](int x, int y) {
            GetPointOnEdgePanorama(&pts[k], &ang[k], min, max, closingAxis, PictureCoord{double(x), double(y), m_dRadius},
                                   closingAngle);
            ++k;
        };
        for (int x = rc.left; x < rc.right; ++x)
            code(x, rc.top);
        for (int y = rc.top; y < rc.bottom; ++y)
            code(rc.right - 1, y);
        for (int x = rc.right - 1; x >= rc.left; --x)
            code(x, rc.bottom - 1);
        for (int y = rc.bottom - 1; y >= rc.top; --y)
            code(rc.left, y);
        RepairWrap(pts, count, min, max);
        points[c] = pts;
        angles[c] = ang;
        counts[c] = count;
    }
}

void CStitchLayout::PanoramaRun(double* closingAxis, double closingAngle)
{
    CStitchMatrix& grid = m_pOptions->m_Matrix;
    const int cols = grid.m_lCols;
    std::vector<tagPOINT*> points(size_t(std::max(cols, 1)), nullptr);
    std::vector<double*> angles(points.size(), nullptr);
    std::vector<int> counts(points.size(), 0);
    {
        std::vector<CScanRegion> provisional(size_t(std::max(cols, 1)));
        CodingEdges(points.data(), counts.data());
        ExtractBorder(points.data(), counts.data(), provisional.data());
        ScanLines(points.data(), counts.data(), provisional.data());
        for (tagPOINT*& p : points) {
            delete[] p;
            p = nullptr;
        }
        CodingEdgesPanorama(points.data(), counts.data(), angles.data(), provisional.data(), closingAxis,
                            closingAngle);
    }
    ExtractBorder(points.data(), counts.data(), m_pScanRegions);
    ScanLinesPanorama(points.data(), counts.data(), angles.data());
    for (int c = 0; c < cols; ++c) {
        if (CStitchElement* e = grid.GetElement(c, 0))
            e->m_Placement = m_pScanRegions[c].m_Rect;
        delete[] points[size_t(c)];
        delete[] angles[size_t(c)];
    }
}

void CStitchLayout::CalcViewPointForTile()
{
    CStitchMatrix& grid = m_pOptions->m_Matrix;
    if (grid.m_Style != StitchStyleTile)
        return;
    const CProjection projection(grid.m_Style, STITCHMETHOD(RenderSpherical));
    const double zoom = std::ldexp(1.0, m_lLayer);
    const double f = m_pOptions->m_dFocalLength / zoom;
    std::vector<double> longitudes;
    double minPhi = M_PI, maxPhi = -M_PI;
    for (int cell = 0; cell < grid.m_lCols * grid.m_lRows; ++cell) {
        const CStitchElement* e = grid.GetElement(cell % grid.m_lCols, cell / grid.m_lCols);
        if (!e)
            continue;
        const double cx = (e->m_Pyramid.m_lWidth - 1) * 0.5 / zoom, cy = (e->m_Pyramid.m_lHeight - 1) * 0.5 / zoom;
        for (const double sx : {-1.0, 1.0})
            for (const double sy : {-1.0, 1.0}) {
                const FilmCoord film{sx * cx, sy * cy, f};
                CartesianCoord c;
                SphericalCoord s;
                projection.Film2Cartesian(&film, &c, &e->m_Transform);
                projection.Cartesian2Spherical(&c, &s);
                longitudes.push_back(s.theta);
                minPhi = std::min(minPhi, s.phi);
                maxPhi = std::max(maxPhi, s.phi);
            }
    }
    if (longitudes.empty())
        return;
    // Longitudes come in [0, 2 pi): a set that straddles 0 is taken from -pi.
    double lo = *std::min_element(longitudes.begin(), longitudes.end());
    double hi = *std::max_element(longitudes.begin(), longitudes.end());
    if (hi - lo > M_PI) {
        lo = 2.0 * M_PI;
        hi = -2.0 * M_PI;
        for (double t : longitudes) {
            const double u = t >= M_PI ? t - 2.0 * M_PI : t;
            lo = std::min(lo, u);
            hi = std::max(hi, u);
        }
    }
    const double theta = (lo + hi) / 2.0, phi = (minPhi + maxPhi) / 2.0;
    // Turn the longitude back to 0 about y, then the latitude about x.
    const double ct = std::cos(theta), st = std::sin(theta), cp = std::cos(phi), sp = std::sin(phi);
    CStitchTransform yaw, pitch;
    const double yawM[9] = {ct, 0.0, st, 0.0, 1.0, 0.0, -st, 0.0, ct};
    const double pitchM[9] = {1.0, 0.0, 0.0, 0.0, cp, sp, 0.0, -sp, cp};
    std::copy(yawM, yawM + 9, yaw.m_Matrix);
    std::copy(pitchM, pitchM + 9, pitch.m_Matrix);
    const CStitchTransform view = pitch.Multiple(&yaw);
    for (int cell = 0; cell < grid.m_lCols * grid.m_lRows; ++cell)
        if (CStitchElement* e = grid.GetElement(cell % grid.m_lCols, cell / grid.m_lCols))
            e->m_Transform = view.Multiple(&e->m_Transform);
}
