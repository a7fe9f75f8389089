#pragma once

// The stitching library's programming interface: plain functions with
// unmangled names. A job runs on the caller's thread; its callbacks are
// process-wide, so one job is in use at a time.
//
// Codes: 0 success, -1 cancelled through ShowProgress, -2 null handle or
// out-pointer, -3 bad argument or an image that cannot be fetched, -4 grid,
// temporary folder or size failure, -5 no order found, -6 neighbouring
// photos that do not show one scene where they are joined (they do not
// overlap enough to be joined). Codes of the inner components reach the
// caller unchanged.

#include "stitch/image/BitmapInfo.h"
#include "stitch/image/Rect.h"
#include "stitch/interface/StitchCallbacks.h"
#include "stitch/interface/StitchEnums.h"

#include <QList>
#include <QString>

class CStitchElement;
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
// pointer, -3 a grid below 1 or larger than the loaded photos, or a row or
// ring of more than one row or a column of more than one column; -4 no
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

// Re-stitches after the user placed three point pairs (element point,
// neighbour point, three times; layer-0 pixels) between the element at
// (x column, y row) and its right (horizontal) or lower neighbour: those
// become the pair's only twins, calibration (method 0), motion and the
// render run again. The outputs are filled as by DEZeviDirevi. -2 null job
// or pairs; -3 no such element or neighbour; -4 the pairs' distances
// differ by more than 300 pixels (on the working layer) between the two
// photos, nothing changed; else the stages' codes, with the twins, method,
// focal length and pair transforms as they were. No progress 100 on
// failure.
int PSFineTune(CStitchOptions* job, tagPOINT* pairs, tagPOINT element, bool horizontal, void** resultDib,
               tagRECT** overlaps, int* overlapCount, unsigned short*** paths, int* pathCount, tagRECT* crop);
// The same with pairCount pairs (3 to 40; else -3); the first three are
// checked for distance.
int PSFineTuneEx(CStitchOptions* job, tagPOINT* pairs, int pairCount, tagPOINT element, bool horizontal,
                 void** resultDib, tagRECT** overlaps, int* overlapCount, unsigned short*** paths, int* pathCount,
                 tagRECT* crop);
// Moves the dividing path between the element and its right (horizontal)
// or lower neighbour through the user's points (the moved point, then the
// start and end bounds; -1 coordinates for none; overlap pixels of the
// working layer). *path is the path slot, *changed tells whether the path
// moved; unless pathOnly, the neighbour's pixels are copied over the
// overlap into the result, which *resultDib then receives. An empty path
// slot or a first point on the overlap's border leaves *changed false and
// returns 0. -2 null job, changed or path, a warped file that cannot be
// read or a result that cannot be attached; -3 no element or neighbour, or
// no result to draw into.
int PSAdjustPath(CStitchOptions* job, tagPOINT element, bool horizontal, tagPOINT* points, bool pathOnly,
                 bool* changed, unsigned short** path, void** resultDib);
// Five point pairs (ten points, element point then neighbour point) of the
// overlap with the right (horizontal) or lower neighbour, in layer-0
// pixels; *count becomes 5. A block of five twins is handed out as stored,
// a larger one by the extremes of its element points; a smaller one is
// completed with the centroid and midpoints of its element points, carried
// into the neighbour by the pair model and kept inside the pair's overlap.
// -2 null job, pairs or count; -3 no element, no neighbour or no twin.
int PSGetBestPointsEx(CStitchOptions* job, tagPOINT element, bool horizontal, tagPOINT* pairs, int* count);
// Snaps a user's point pair (layer-0 pixels): the block around
// *inNeighbour is searched within min(32 / scale, 100) pixels of
// *inElement, which moves to the match. -3 null job, a scale of zero or
// below, no element, neighbour or point.
int PSAutoMatch(CStitchOptions* job, tagPOINT element, bool horizontal, tagPOINT* inNeighbour, tagPOINT* inElement,
                double scale);
// Drops the elements at the listed array indices with everything they
// own; the others keep their order. A tile grid keeps its size, a column
// becomes 1 x the new count, a row the new count x 1. -3 null job or
// indices, a count below 0 or above the element count, an index out of
// range or listed twice (nothing changed then).
int PSDeleteImages(CStitchOptions* job, int count, int* indices);
// Reorders the elements so that element i carries names[i]: for each i in
// turn the first element from place i onward with that name is swapped
// into place i; names not found leave the rest in their order. -2 null job.
int PSAdjustOrder(CStitchOptions* job, QList<QString>& names);
// Loads cols x rows photos (names and sizes as for PSLoadImages), chooses
// their style, grid and order, aligns and renders. *styleOut receives the
// style; cols, rows and names (rewritten in grid order) the grid; the
// other outputs are filled as by DEZeviDirevi. -3 null job, result, cols,
// rows or sizes, a grid below 1 x 1, or fewer names than cells; -4 no
// temporary folder; -5 no order found; else the stages' codes (after
// progress 100).
int PSAutoStyleStitch(CStitchOptions* job, unsigned int fillColour, tagPOINT* sizes, int* cols, int* rows,
                      QList<QString>& names, int* styleOut, void** resultDib, tagRECT* crop, tagRECT** overlaps,
                      int* overlapCount, unsigned short*** paths, int* pathCount);

// The default memory functions: malloc'd blocks whose handle is their address.
void* PSMemAlloc(unsigned int size);
void* PSMemLock(void* handle);
bool PSMemUnlock(void* handle);
void PSMemFree(void* handle);

} // extern "C"

// Deletes every element's temporary files, releases their working layers,
// paths and pyramids and frees the element array (count 0).
void ReleaseElementMemory(CStitchOptions* job);
// After a fresh element array: layer depths, every photo's pyramid (the
// host's images fetched once), the telephoto flag, a 35 mm focal length made
// pixels and the ordering layer. 0, or the pyramid build's code (-1 on
// cancel, the host's user data then put back) with progress at 100.
int BuildLoadedPyramids(CStitchOptions* job, int count, tagPOINT* sizes);
// True when the three points lie on one line (within one pixel of length).
bool IsColine(tagPOINT a, tagPOINT b, tagPOINT c);
// Puts a grid of cols x rows back, every element in the grid again, element
// i carrying the i-th name (names the array lacks leave their place be).
void ReturnDataForAutoStitch(CStitchOptions* job, int* cols, int* rows, QList<QString>& names);
// Releases the elements that fell out of a grid of oldCols x oldRows.
void DeleteMemoryForAutoStitch(CStitchOptions* job, int oldCols, int oldRows);
// Deletes the element's temporary files and frees its working layers and
// its layer table.
void DeleteMemoryForOneElement(CStitchOptions* job, CStitchElement* element);
