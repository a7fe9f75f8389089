#pragma once

#include "stitch/image/Rect.h"

struct BlendWorking;
class CFinestColorCorrection;
class CImage;
class CMask;
class CScanRegion;
class CSmoothRender;
class CStitchElement;
class CStitchOptions;

// What a fine-tune render may change in one grid cell's element, kept to be
// put back when that render fails.
struct FTDataMemo
{
    double m_Transform[9] = {};
    tagRECT m_Placement = {0, 0, 0, 0};
    int m_lBrightness[3] = {};
    unsigned char m_ColorTable[768] = {};
};

// The previous render's files and paths of one element, held aside while a
// new render writes fresh ones. m_bHeld marks a record that took an
// element's files over; the record then owns both paths.
struct PathDataMemo
{
    bool m_bHeld = false;
    tagRECT m_Placement = {0, 0, 0, 0};
    int m_lFileIds[10] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1}; // CStitchElement::FileId order
    tagRECT m_RowStrip = {0, 0, 0, 0};
    tagRECT m_WrapPlacement = {0, 0, 0, 0};
    unsigned short* m_pRightPath = nullptr;
    unsigned short* m_pLowerPath = nullptr;
};

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

    // Renders the aligned job into its result bitmap with its crop; 0 or a
    // PS code. With fineTune a failure leaves the elements as they were.
    int Run(bool fineTune);

    // The renderers, one per render kind; each leaves the job's result
    // bitmap and crop rectangle as the new render's on success, and on
    // failure the previous render's result, crop, files and paths. 0 or a
    // PS code.
    // Rows, columns and 360 rings on a cylinder: each element warped,
    // colour-matched to what is placed, trimmed when a third element
    // overlaps the first two, kept as temporary files, seamed and blended
    // in; a ring's end is seamed over its start last. -3 for tile grids and
    // for a grid without an element in use.
    int RenderAuto();
    // Tile grids on a sphere: the elements of each row warped, kept as
    // temporary files and seamed left to right into a strip of their own
    // (row 0 straight into the panorama), then each strip seamed against
    // the rows above it; the row strip rectangles are kept on each row's
    // first element. -5 (nothing made or touched) when a row has no
    // element in use; -3 for other styles.
    int RenderWideAngle();
    // Planar (telephoto) jobs: elements drawn straight into the panorama
    // with feathered joins; no seams, no temporary files.
    int RenderTelephoto();

    // --- The older two-pass rendering (nothing in the library calls it) ---
    // First pass: every element warped as RenderAuto warps it, colour-
    // matched, kept as temporary files and averaged into the panorama where
    // it overlaps what is there (a ring's part past the circle's end over
    // its start); result, crop and files as RenderAuto leaves them, and on
    // failure the previous ones.
    int RenderProject();
    // Like CopySubImage, but where dstMask is already set each byte becomes
    // the truncated mean of source and destination. 0, or -3 as there.
    int BlendSubImage(const tagRECT& rcArea, const tagRECT& rcSrc, const tagRECT& rcDst, CImage* src,
                      CMask* srcMask, CImage* dst, CMask* dstMask);
    // Second pass, on the files of RenderProject: the third of three
    // mutually overlapping elements trimmed (files and placement, as
    // RenderAuto trims), every element read back and seamed against what is
    // placed, a ring closed over its start, and the result and crop
    // replaced. On failure the previous result stays; trims already made
    // stay too (their files and placements agree). -3 when an element's
    // files are missing or not of its placement's size.
    int RenderSmooth();
    // The trims of RenderSmooth with progress low..high: 0 or -1.
    int ModifyWarpImagesInTwoOverlaps(int progressLow, int progressHigh);
    // The element at cut, preceded by second and first (in a ring an
    // element past the end of the row counts a turn back), cut as
    // ModifyOneWarpImageForeward cuts, on its files: read back, cut, saved
    // over under the same ids, placement moved. True when it was cut; false
    // when there is nothing to cut or the files cannot be read or written
    // (files and placement then stay as they were).
    bool ModifyOneWarpImage(tagPOINT cut, tagPOINT second, tagPOINT first, bool horizontal);
    // RenderSmooth's ring closure on its working picture (lying at rcWork,
    // origin the panorama's): the part past the circle's end becomes the
    // last element's wrap copy (trimmed, kept as files) and is seamed
    // against the first element read back from its files. 0, -1, -2, -3
    // (files not written, or not readable, or of another size).
    int SmoothExtraImagePanoramaManual(const tagRECT& rcWork, CImage* work, CMask* workMask, int progressLow,
                                       int progressHigh);
    // Cuts RenderSmooth's working picture (unlocked, lying at rcWork) to
    // the panorama rectangle: work and workMask are replaced. 0 or -2.
    int CropBlendResultPanorama(const tagRECT& rcWork, CImage*& work, CMask*& workMask);
    // Frees the job's result bitmap and every seam of the elements in use:
    // paths, seam graphs and strip overlaps, files removed; the job's path
    // list goes with them.
    void ReleaseForSmooth();
    // A tile element's seam: horizontal against its left neighbour (overlap
    // with its scan rectangle, image A lying at rcA); vertical against the
    // row above, kept on that row's first element (overlap rcA with rcCur,
    // image A lying at the panorama rectangle). 0 without a partner.
    int StartUpSmoothStitchTile(int col, int row, const tagRECT& rcCur, const tagRECT& rcA,
                                CSmoothRender* renderer, bool horizontal, int progressLow, int progressHigh);

    // Fine colour correction of the element at (col, row) against its
    // predecessor (left in a row, above in a column) over their overlap;
    // cc holds the warped image and mask and the panorama image and mask.
    // 0 without predecessor, for other styles or without a panorama yet.
    int StartUpColorCorrection(int col, int row, const tagRECT& rcCur, const tagRECT& rcOther,
                               CFinestColorCorrection* cc, bool flag);
    // When the elements two and one before (col, row) overlap each other
    // and the second overlaps this one, this one is cut so that it starts
    // where the first two's overlap ends: *newImg (unlocked) and *newMask
    // get the cut copy and the element's placement moves; true then. img
    // and mask lie at the element's placement. In a ring, (1, 0) trims the
    // last element's wrap copy instead (img lying at its wrap placement):
    // it ends where the first two elements begin to overlap.
    // False also when the cut copy cannot be made: *failure (when given)
    // then receives the code (-2 no bitmap, -3 an image that cannot be
    // locked), else 0; nothing is moved then.
    bool ModifyOneWarpImageForeward(int col, int row, bool horizontal, CImage* img, CMask* mask, CImage** newImg,
                                    CMask** newMask, int* failure = nullptr);
    // The seam of the element at (col, row) against its predecessor,
    // blended across; toPanorama joins the panorama (first pair) and the
    // warped element (second pair). 0 without predecessor. A tile element
    // is seamed against its left neighbour (widened by the elements above
    // it) and then, through toExtra when given, against the row above
    // (widened along that row).
    int StartUpSmoothStitch(int col, int row, const tagRECT& rcCur, const tagRECT& rcExtra,
                            CSmoothRender* toPanorama, CSmoothRender* toExtra, int progressLow, int progressHigh);
    // Rings: the extra image's part on the circle goes into the panorama;
    // the part past the circle's end, moved back by the circumference,
    // becomes the last element's wrap copy (trimmed, kept as files) and is
    // seamed against the first element, whose warped files are read back.
    // 0, -1, -2 no bitmap, -3 a file that cannot be written or read, or the
    // seam's code; -3 also when the first element's files are not of its
    // placement's size.
    int SmoothExtraImagePanorama(const tagRECT& rcExtra, CImage* extra, CMask* extraMask, const tagRECT& rcPanorama,
                                 CImage* pano, CMask* panoMask, int progressLow, int progressHigh);
    // Rings: the extra image (made as AllocImageAndMask does) over rc, from
    // the first to the last scan region of row 0 that reaches past the
    // circle's end, the panorama's height.
    int AllocExtraImagePanorama(CImage*& img, CMask*& mask, tagRECT& rc, bool& locked);
    // A 24-bit image (locked, filled with the job's fill colour; locked
    // set) and a clear mask of rc's size. -2 (nothing left allocated) when
    // either cannot be had or the size does not fit a bitmap; -3 (nothing
    // left either) when the host will not lock the new bitmap.
    int AllocImageAndMask(CImage*& img, CMask*& mask, const tagRECT& rc, bool& locked);
    // Copies every pixel of rcArea (panorama coordinates) whose srcMask bit
    // is set from src (lying at rcSrc) to dst (lying at rcDst) and sets its
    // bit in dstMask. Pixels off either image are skipped. -3 (nothing
    // copied) when either image cannot be locked, else 0.
    int CopySubImage(const tagRECT& rcArea, const tagRECT& rcSrc, const tagRECT& rcDst, CImage* src,
                     CMask* srcMask, CImage* dst, CMask* dstMask);

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
    // attached; -3 also for a singular planar map, which cannot be drawn.
    int ProjectForTelephoto(CStitchElement* e, int col, int row, const tagRECT& rcRegion, const tagRECT& rcOuter,
                            const tagRECT& rcInner, CImage* pano, CMask* panoMask, int progressLow,
                            int progressHigh);

    // A panorama under 32 pixels wide or high at the working layer is not
    // rendered: -4; else 0. Sizes are taken in 64 bits.
    static int CheckPanoramaSize(const tagRECT& rc);

    // The fine-tune memo: *memo becomes a new[] array of cols x rows records
    // (row-major) holding every element's transform, placement, brightness
    // values and colour table; both layout rectangles go to savedSecond and
    // savedFirst. Then the colour tables are remade for the new alignment;
    // when that fails they are put back and its code returned (the memo
    // stays for the caller to delete[]). -2 when the memo cannot be had.
    int BackupForFineTune(FTDataMemo** memo, tagRECT* savedSecond, tagRECT* savedFirst);
    // Puts transforms, placements, brightness values, colour tables and both
    // layout rectangles back from the memo.
    void ReturnOriginData(FTDataMemo* memo, tagRECT* savedSecond, tagRECT* savedFirst);
    // The path memo: *memo becomes a new[] array of cols x rows records; each
    // element in use hands its placement, rectangles, ten file ids and two
    // paths over (its ids become -1, its paths null) so that a render writes
    // fresh files beside the old ones. 0, or -2 when the memo cannot be had.
    int BackupForAdjustPath(PathDataMemo** memo);
    // After a failed render: the new files and paths go, the held ones come
    // back. The records are emptied; the caller deletes the array.
    void ReturnOriginFile(PathDataMemo* memo);
    // After a successful render: the held files and paths go.
    void DeleteOldTempFile(PathDataMemo* memo);

    // The rectangle of the finished picture inside the panorama mask (right
    // and bottom exclusive, rows in stored order): rows and columns that the
    // photos cover without gaps, searched within the outer fifths. Empty
    // without a mask or for a style other than 0 to 3. A 360 panorama keeps
    // its full width.
    tagRECT CropPictureRect(CMask* panoMask);
    // Cuts the job's result bitmap to the job's crop rectangle in place.
    // -3 when the result cannot be attached, else CropPictureImage's code.
    int CropPictureRun();
    // Replaces img's bitmap with rc's part of it (24 bits; parts of rc off
    // the bitmap take the fill colour). The old bitmap is freed only once
    // the new one is attached: on failure img keeps its bitmap. 0, -2 no
    // bitmap for the cut, -3 img is not a 24-bit bitmap or the cut cannot
    // be attached.
    int CropPictureImage(CImage* img, const tagRECT& rc);
    // A one-pixel green frame along rc's edges (24-bit images; pixels off
    // the bitmap are skipped).
    void DrawCropRect(CImage* img, const tagRECT& rc);

    static constexpr int kOpenSide = 1073741823;

    int m_lLayer;
    int m_lPerimeter = 0;  // the full circle of the cylinder or sphere
    double m_dRadius = 0.0; // m_lPerimeter / (2 pi)
    tagRECT m_PanoramaRect = {0, 0, 0, 0};
    CScanRegion* m_pScanRegions = nullptr;
    double* m_pClosingAxis = nullptr;
    CStitchOptions* m_pOptions;

private:
    // The cylinder's circumference and radius from the job's focal length.
    void SetPerimeter();
    // After a finished render: the result (unlocked) handed to the job
    // with its crop, the previous render's files dropped (memo may be
    // null), progress 100 and the layers nothing needs any more released.
    void FinishRender(CImage* pano, CMask* panoMask, PathDataMemo* memo);
    // StartUpSmoothStitch for tile grids.
    int SmoothStitchTileGrid(int col, int row, const tagRECT& rcCur, CSmoothRender* horizontalSeam,
                             CSmoothRender* verticalSeam, int progressLow, int progressHigh);
    // The cut of the third of three elements (rcN after rcB after rcA) when
    // all three overlap: false when they do not or nothing would be cut.
    static bool CutThird(const tagRECT& rcA, const tagRECT& rcB, const tagRECT& rcN, bool horizontal,
                         tagRECT* cut);
    // The ring's case of ModifyOneWarpImageForeward.
    bool TrimWrap(int row, CImage* img, CMask* mask, CImage** newImg, CMask** newMask, int* failure);
    // -2 when an element in use was given no span tables by the outline.
    int CheckScanTables() const;
    enum class Surface { Cylinder, CylinderVertical, Sphere };
    int Warp(Surface surface, CImage* src, CStitchElement* e, int cell, CImage*& out, CMask*& outMask,
             bool& locked, int progressLow, int progressHigh);
    // The element's working layer warped through carrier into out; the
    // layer is locked only meanwhile. 0, -3 no layer, -2 it cannot be
    // attached, or the warp's code (out then belongs to the caller).
    int WarpElement(Surface surface, CImage& carrier, CStitchElement* e, int cell, BlendWorking& out,
                    int progressLow, int progressHigh);
    // New ids for the element's warped image and mask, both saved: 0, or -3
    // when either cannot be written.
    int SaveWarpedFiles(CStitchElement* e, CImage* image, CMask* mask);
};
