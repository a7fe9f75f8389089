#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

// Size fitting and an alpha mask, for any thread.
class IQMath
{
public:
    IQMath() = delete;

    // Scales *width x *height so that it covers the target: the factor is the
    // larger of the two target/size ratios. A factor of 1 or more is applied
    // only when `enlarge` is true; otherwise 1.0 is returned and the size
    // stays. New sides are rounded to nearest. Returns the factor, or 0.0
    // with the size unchanged when a side is not positive.
    static double fitOut(int* width, int* height, int targetWidth, int targetHeight, bool enlarge);

    // Scales *width x *height to fit inside the target (the smaller ratio),
    // enlarging too. Returns the factor, or 0.0 with the size unchanged when
    // a side is not positive.
    static double fitIn(int* width, int* height, int targetWidth, int targetHeight);

    // The size that fits `size` into `area` (whose inclusive right and bottom
    // edges count, so its sides are right-left+1 and bottom-top+1), never
    // enlarged, written to the outputs that are not null. Returns 1.0 when it
    // already fits, else the factor applied minus 0.001.
    static double shrinkSizeToFit(QSize size, QRect area, double* width, double* height);

    // A Format_MonoLSB mask of the source's size: colour 0 is opaque white,
    // colour 1 opaque black. A pixel of a 32-bit source gets colour 1 when
    // its alpha is not 0; a source of any other depth gives colour 1 all
    // over. A null source gives a null image.
    static QImage createAlphaMask(const QImage& source);
};
