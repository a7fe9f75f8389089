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

class CStitchOptions;

extern "C" {

// A new job, or null for a null table, a table without ShowProgress,
// GetImage or DeleteImage, a style or output size out of range, or when the
// job's temporary folder cannot be made. The table is copied.
CStitchOptions* PSCreateStitch(tagStitchStyle style, tagStitchOutputSize outputSize, STITCHMETHOD method,
                               tagStitchCallbacks* callbacks);
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
