#pragma once

// The stitching library's programming interface: plain functions with
// unmangled names. A job runs on the caller's thread; its callbacks are
// process-wide, so one job is in use at a time.
//
// Codes: 0 success, -1 cancelled through ShowProgress, -2 null handle or
// out-pointer, -3 bad argument or an image that cannot be fetched, -4 grid,
// temporary folder or size failure, -5 no order found. Codes of the inner
// components reach the caller unchanged.

#include "stitch/BitmapInfo.h"
#include "stitch/Rect.h"
#include "stitch/StitchCallbacks.h"
#include "stitch/StitchEnums.h"

#include <QList>
#include <QString>

class CStitchOptions;

extern "C" {

// A new job, or null for a null table, a table without ShowProgress,
// GetImage or DeleteImage, a style or output size out of range, or when the
// job's temporary folder cannot be made. The table is copied.
CStitchOptions* PSCreateStitch(tagStitchStyle style, tagStitchOutputSize outputSize, STITCHMETHOD method,
                               tagStitchCallbacks* callbacks);
// Registers count photos (names and their sizes as GetImage delivers them,
// x width and y height) in a row or column and builds their pyramids,
// progress 0 to 100. -3 for a null job or sizes, an empty list, a count
// other than the list's length or a size that is not positive; else the
// pyramids' code (-1 cancelled puts back the user data of before the job).
// For method 2 the job's focal field holds the 35 mm focal length (set
// through the handle before loading) and becomes pixels; 0 makes the job
// method 0, so calibration finds it.
int PSLoadImages(CStitchOptions* job, int count, const QList<QString>& names, tagPOINT* sizes);
// Orders the loaded photos (row, column, ring, or the cells of a tile grid)
// and fills names with the photos' names in their new element order. For a
// tile job whose grid no longer fits the count, the first grid of 2 to
// maxCols columns the count fills (at most maxRows rows) is taken. With
// autoGrid the ordering may choose the tile grid (cols and rows receive it);
// without, cols x rows must equal the count. -2 for a null job, cols or rows;
// -4 for a grid that does not fit or would hold fewer cells than photos (the
// order and the grid stay as they were); -1 cancelled; else the ordering's
// code. Without a better order found the load order stays and 0 is returned.
int PSAutoOrder(CStitchOptions* job, QList<QString>& names, int* cols, int* rows, bool autoGrid, int maxCols,
                int maxRows);
// Aligns and renders the ordered job over the caller's grid, progress 0
// to 100 once (alignment to 70, the render from there). On success
// *resultDib is the job's result bitmap (still the job's), crop its crop
// rectangle, and for cylindrical and spherical jobs the overlap rectangles
// and dividing paths (both the job's) are handed out when asked for. When
// the grid changed, cols and rows receive it and names the photos' names in
// grid order. A failure (a cancel too) after alignment dropped or moved a
// photo puts the call's grid and order back. -2 null job, grid or result
// pointer, -3 a grid below 1 or larger than the loaded photos, -4 no
// temporary folder; else the stages' codes.
int DEZeviDirevi(CStitchOptions* job, unsigned int fillColour, int* cols, int* rows, QList<QString>& names,
                 void** resultDib, tagRECT** overlaps, int* overlapCount, unsigned short*** paths, int* pathCount,
                 tagRECT* crop);
// Three point pairs (element point, neighbour point, three times) of the
// overlap between the element at (x column, y row) and its right (or
// lower) neighbour, in layer-0 pixels. -2 null job or pairs, -3 no such
// element or neighbour, or a block of fewer than three twins.
int PSGetBestPoints(CStitchOptions* job, tagPOINT element, bool horizontal, tagPOINT* pairs);
// Frees the job's result bitmap; a second call does nothing.
void PSReleaseResultDIB(CStitchOptions* job);
// Frees the elements, their files and the job with its folder; null does nothing.
void PSReleaseStitch(CStitchOptions* job);

// The default memory functions: malloc'd blocks whose handle is their address.
void* PSMemAlloc(unsigned int size);
void* PSMemLock(void* handle);
bool PSMemUnlock(void* handle);
void PSMemFree(void* handle);

} // extern "C"

// Deletes every element's temporary files, releases their working layers,
// paths and pyramids and frees the element array (count 0).
void ReleaseElementMemory(CStitchOptions* job);
// True when the three points lie on one line (within one pixel of length).
bool IsColine(tagPOINT a, tagPOINT b, tagPOINT c);
// Puts a grid of cols x rows back, every element in the grid again, element
// i carrying the i-th name (names the array lacks leave their place be).
void ReturnDataForAutoStitch(CStitchOptions* job, int* cols, int* rows, QList<QString>& names);
// Releases the elements that fell out of a grid of oldCols x oldRows.
void DeleteMemoryForAutoStitch(CStitchOptions* job, int oldCols, int oldRows);
