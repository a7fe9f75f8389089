#pragma once

#include "stitch/image/Rect.h"

class CStitchOptions;

// Where a render's results go for the caller; any pointer may be null.
struct StitchOutputs
{
    void** resultDib = nullptr;
    tagRECT* crop = nullptr;
    tagRECT** overlaps = nullptr;
    int* overlapCount = nullptr;
    unsigned short*** paths = nullptr;
    int* pathCount = nullptr;
};

// Hands a finished render out: the result bitmap and crop (both still the
// job's), and for cylindrical and spherical jobs the rebuilt overlap
// rectangles and dividing paths (the job's arrays; the paths are the
// elements'). A null overlap or path array comes out with count 0.
void HandOutStitchResult(CStitchOptions* job, const StitchOutputs& out);
