#pragma once

#include <QImage>

// Recolouring of a montage tile towards the colour of its cell, with 10-bit
// fixed-point gains: for each channel gain = (cell << 10) / mean, and every
// byte becomes min((byte x gain) >> 10, 255). A tile whose mean equals its
// cell colour comes out unchanged.
class IQZorivuvRecolour
{
public:
    IQZorivuvRecolour() = delete;

    // Writes `tile` (Format_BGR888) recoloured into `out`, an image of the
    // same size in Format_BGR888 or Format_RGB32 (written opaque; the
    // painter's fast road). `mean` and `cell` are red, green, blue;
    // every mean must be at least 1. With `colourise` false the bytes are
    // copied unchanged.
    static void apply(const QImage& tile, const uchar mean[3], const uchar cell[3], bool colourise, QImage* out);

    // The same rule pixel by pixel, plainly: the reference `apply` is
    // tested against, byte for byte.
    static void applyReference(const QImage& tile, const uchar mean[3], const uchar cell[3], bool colourise,
                               QImage* out);
};
