#pragma once

#include "stitch/geometry/CProjection.h"
#include "stitch/image/Rect.h"
#include "stitch/outline/CScanRegion.h"

class CStitchOptions;

// Where each element lands in the panorama plane: the border of every
// element in use is mapped through its transform ("coded"), each region
// gets the bounding rectangle and the covered span of every row and column,
// and the panorama rectangle becomes their union. Each element's placement
// becomes its region's rectangle.
//
// Coordinates are working-layer pixels. The panorama rectangle and the
// regions (cols x rows, row-major) belong to the caller. A coded coordinate
// that is not finite or lies beyond +-2^30 leaves the panorama rectangle
// empty and no region with tables: the caller refuses such a job.
//
// Point arrays handed between the steps are new[] arrays, one per cell
// (null for cells not in use), with their counts; angles likewise.
class CStitchLayout
{
public:
    CStitchLayout(tagRECT* panoramaRect, CScanRegion* regions, CStitchOptions* job, int layer);

    // Rows, columns, tile grids and telephoto jobs.
    void Run();
    // 360 rings: the closing rotation (axis, three doubles, and angle in
    // radians) spread linearly over the circle.
    void PanoramaRun(double* closingAxis, double closingAngle);

    void CodingEdges(tagPOINT** points, int* counts);
    void CodingEdgesTelephoto(tagPOINT** points, int* counts);
    // Codes the border of each provisional region's rectangle, turned by
    // the share of the closing rotation that its x asks for.
    void CodingEdgesPanorama(tagPOINT** points, int* counts, double** angles, CScanRegion* provisional,
                             double* closingAxis, double closingAngle);
    void ExtractBorder(tagPOINT** points, int* counts, CScanRegion* regions);
    void ScanLines(tagPOINT** points, int* counts, CScanRegion* regions);
    void ScanLinesPanorama(tagPOINT** points, int* counts, double** angles);

    // One border point: p (p.r the radius) to a rounded, reduced and clamped
    // panorama point; min and max of the reduced coordinate are widened.
    void GetPointOnEdge(tagPOINT* out, PictureCoord p, int& min, int& max);
    // The same after turning p about the closing axis by
    // closingAngle x p.x / perimeter; that angle goes to angleOut.
    void GetPointOnEdgePanorama(tagPOINT* out, double* angleOut, int& min, int& max, double* closingAxis,
                                PictureCoord p, double closingAngle);
    // Every span of a rect-sized pair of tables at no coverage.
    static void InitialLineSegment(const tagRECT& rc, LineSegment* rows, LineSegment* columns);
    // Bridges the gap between two border points that are not adjacent with
    // what is covered for sure: the rows and columns strictly between get at
    // most the extent of the two end points. Tables as above, of rect rc.
    static void ProcessInterrupt(LineSegment* rows, LineSegment* columns, const tagRECT& rc, int x0, int y0,
                                 int x1, int y1);
    static void ProcessInterruptPanorama(LineSegment* columns, DLineSegment* angles, LineSegment* rows,
                                         const tagRECT& rc, int x0, int y0, double a0, int x1, int y1,
                                         double a1);
    // Tile grids: turns every transform so that the middle of the covered
    // longitudes and latitudes looks along -z.
    void CalcViewPointForTile();

    int m_lLayer;
    int m_lPerimeter = 0;
    double m_dRadius = 0.0;
    int m_lMinCross = 0; // trunc(-5 radius)
    int m_lMaxCross = 0;
    tagRECT* m_pPanoramaRect;
    CScanRegion* m_pScanRegions;
    CStitchOptions* m_pOptions;
    bool m_bOutOfRange = false; // a coded coordinate could not be placed

private:
    void SetPerimeter();
    // Rounds v (ties to even) into out; false for one that is not finite
    // or lies beyond +-2^30.
    bool Place(double v, int* out);
    void Reduce(tagPOINT* pt, int& min, int& max);
    void RepairWrap(tagPOINT* points, int count, int& min, int& max);
    void Widen(CScanRegion& region, int x, int y);
};
