#pragma once

#include "stitch/image/Rect.h"

class CImage;

#pragma pack(push, 1)
struct tagRGBTRIPLE
{
    unsigned char rgbtBlue;
    unsigned char rgbtGreen;
    unsigned char rgbtRed;
};
#pragma pack(pop)

// A detector of well-spread, strongly curved points in a region of a 24-bit
// image, for the block matcher. Rows are in the bitmap's memory order.
class CCornerDetector
{
public:
    // Both ends included.
    struct ImageRegion
    {
        int left;
        int right;
        int top;
        int bottom;
    };

    virtual ~CCornerDetector() = default;
    // At most maxCount corners, strongest first, in image coordinates.
    virtual int GetCornerList(int maxCount, tagPOINT* out) = 0;
    // Finds the corners; false when there are none.
    virtual bool Run() = 0;

    // The region's grey image (117 B + 601 G + 306 R) >> 10, blurred by
    // [1 2 1] / 4 along rows and then along columns, edges repeated: width
    // x height bytes, row-major. The image must be locked.
    static void BlurGrayImage(CImage* image, unsigned char* out, const ImageRegion& region);
    static void RGB2GrayImageLine(const tagRGBTRIPLE* in, unsigned char* out, int n);
    // A line of one value stays as it is.
    static void BlurHImageLine(const unsigned char* in, unsigned char* out, int n);
};
