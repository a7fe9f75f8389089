#pragma once

#include <vector>

class SIFTObject;

// The caller's image for SIFT detection; not owned.
struct _tagPixelArray
{
    int format; // 0: 24 bits per pixel (blue, green, red); nothing else is read
    int width;
    int height;
    int stride; // bytes from one row to the next
    const unsigned char* data; // image row 0 first
};

// A pixel position; match results come in pairs (first image, second image).
struct tagSIFTPOINT
{
    int x;
    int y;
};

// percent 0..100; set *cancel to true to stop the detection (-1)
using APMK_ProgressFunc = void (*)(int percent, bool* cancel, void* user);

// Codes: 0 success, -1 cancelled, -2 null argument or no memory, -3 a pixel
// format other than 0.

// A new object holding the grey copy of the image (the caller owns it and
// frees it with APMK_ReleaseObject); null for a null argument. A refused
// image leaves an empty object that finds nothing.
SIFTObject* APMK_CreateObject(const _tagPixelArray* pixels);
// Detects the keypoints once; progress is required and is called on the
// caller's thread with percentages from progressStart to progressEnd.
int APMK_SIFTDetecting(SIFTObject* object, int progressStart, int progressEnd, void* user,
                       APMK_ProgressFunc progress);
// Matches two detected objects. Returns the number of point pairs written to
// out (above 4), else 0 with out empty; -2 for a null object, out untouched.
int APMK_SIFTMatching(SIFTObject* first, SIFTObject* second, std::vector<tagSIFTPOINT>* out);
// Destroys *object and sets it to null.
void APMK_ReleaseObject(SIFTObject** object);
