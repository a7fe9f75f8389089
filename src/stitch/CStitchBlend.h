#pragma once

#include "stitch/Rect.h"

class CImage;
class CMask;
class CScanRegion;
class CStitchElement;
class CStitchOptions;

// Turns an aligned job into the finished panorama. Lives for one render on
// the caller's stack and runs on the caller's thread.
//
// Lengths are in pixels of the working layer (layer 0 = full size; a layer-L
// pixel spans 2^L source pixels). The blend owns its scan regions (cols x
// rows, row-major, allocated with new[]) and its closing axis (three
// doubles, new[]; 360 jobs only); the job is not owned.
class CStitchBlend
{
public:
    CStitchBlend(CStitchOptions* job, int layer);
    ~CStitchBlend();
    CStitchBlend(const CStitchBlend&) = delete;
    CStitchBlend& operator=(const CStitchBlend&) = delete;

    // The element warps. Each makes out (24 bits, the scan region's size,
    // cleared with the job's fill colour, locked: locked is set) and outMask
    // (same size); both belong to the caller as soon as they are made, also
    // when the warp then fails. A mask bit is set exactly where a pixel was
    // resampled. 0, -1 cancelled, -2 no output bitmap (nothing returned),
    // -3 a cell without scan region or a source that is not 24 bits.
    // cell is row x cols + col. Rays that meet the source from behind, and
    // positions that are not finite, leave the pixel at the background. The horizontal cylinder serves rows and 360
    // rings, the vertical one columns, the sphere tile grids.
    int Project2Cylinder(CImage* src, CStitchElement* e, int cell, CImage*& out, CMask*& outMask, bool& locked,
                         int progressLow, int progressHigh);
    int Project2CylinderVert(CImage* src, CStitchElement* e, int cell, CImage*& out, CMask*& outMask,
                             bool& locked, int progressLow, int progressHigh);
    int Project2Sphere(CImage* src, CStitchElement* e, int cell, CImage*& out, CMask*& outMask, bool& locked,
                       int progressLow, int progressHigh);

    // Telephoto (planar) jobs: the feather bands of an element towards its
    // in-use neighbours. rcOuter's right and bottom are inclusive; a side
    // without a neighbour lies at +-kOpenSide. rcRegion is clipped to rcOuter.
    void CalcBoundaryTelephoto(CStitchElement* e, int col, int row, tagRECT& rcRegion, tagRECT& rcOuter,
                               tagRECT& rcInner);
    // Draws the element straight into pano (the panorama rectangle's size),
    // blending over what is already set inside the left and upper bands.
    // 0, -1 cancelled, -3 the layer bitmap cannot be had, -2 it cannot be
    // attached. A singular planar map draws nothing.
    int ProjectForTelephoto(CStitchElement* e, int col, int row, const tagRECT& rcRegion, const tagRECT& rcOuter,
                            const tagRECT& rcInner, CImage* pano, CMask* panoMask, int progressLow,
                            int progressHigh);

    static constexpr int kOpenSide = 1073741823;

    int m_lLayer;
    int m_lPerimeter = 0;  // the full circle of the cylinder or sphere
    double m_dRadius = 0.0; // m_lPerimeter / (2 pi)
    tagRECT m_PanoramaRect = {0, 0, 0, 0};
    CScanRegion* m_pScanRegions = nullptr;
    double* m_pClosingAxis = nullptr;
    CStitchOptions* m_pOptions;

private:
    enum class Surface { Cylinder, CylinderVertical, Sphere };
    int Warp(Surface surface, CImage* src, CStitchElement* e, int cell, CImage*& out, CMask*& outMask,
             bool& locked, int progressLow, int progressHigh);
};
