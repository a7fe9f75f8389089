#pragma once

#include "files/IQImageStructure.h"

#include <QImage>
#include <QSize>
#include <QString>

// The process-wide cap on the memory that one image decode may allocate,
// and the plausibility rule that refuses a header claiming more pixels than
// its file can hold.
//
// Qt's own default (128 MB) refuses an ordinary 36-megapixel photograph,
// while switching the cap off lets a few bytes of crafted header ask for
// many gigabytes. The program therefore sets one generous, finite cap once,
// at start-up, before any image is read: main() must call install() right
// after the application object is made. Readers never change it afterwards.
//
// The cap alone still lets a 1 KB file that claims 30000 x 30000 pixels
// allocate 3.5 GB and spend seconds filling it. Every compressed format has
// a least number of bits it spends on a patch of pixels, so a file of N
// bytes can hold at most N x maxPixelsPerByte() pixels; a claim beyond that
// is refused before anything is allocated. The bounds, pixels a byte of
// file, each worked out from the format's most compact coding of a flat
// picture at its smallest pixel depth:
//
// - JPEG, 8192: a Huffman-coded scan spends at least one bit on every 8x8
//   block of a component it codes, and with the largest sampling factors
//   (4:1 in both directions) one block of a subsampled component covers
//   32 x 32 pixels: 1024 pixels a bit.
// - PNG, 8256: deflate's longest match (258 bytes) costs at least a 1-bit
//   length code and a 1-bit distance code, so one byte of stream expands to
//   at most 1032 bytes; at one bit a pixel that is 8256 pixels.
// - GIF, 10923: an LZW code is at least 3 bits and stands for a string no
//   longer than its 4096-entry table: 4096 pixels in 3 bits.
// - BMP, 128: a run-length code of 2 bytes paints at most 255 pixels; plain
//   rows need at least one bit a pixel.
// - TIFF, 32768: TIFF's LZW codes are at least 9 bits for at most 4096
//   bytes, each byte 8 pixels at one bit a pixel: 29127, rounded up.
// - WebP, 8192: a lossy key frame codes every 16 x 16 macroblock's modes
//   with fixed probabilities, at least 2 bits (1024 pixels a byte); the
//   bound leaves eight times that.
// - Camera RAW, and formats not named here, 8192: a RAW's lossless JPEG
//   spends at least a bit a sample, a lossy one is bound like JPEG.
//
// Codings that spend nothing on a pixel (an arithmetic-coded or CCITT-fax
// flat area, a run-length bitmap's end-of-bitmap code, a GIF frame smaller
// than its screen, a lossless WebP of one colour) can exceed the bounds,
// but only for synthetic pictures of one flat colour. Those, and any other
// picture, always pass up to plausibleAnywayPixels: decoding that few
// costs at most 64 MB and well under a second, so a lying header gains
// nothing there. Vector files (SVG) are rendered at the size they ask for
// and are not bound.
class IQImageLimits
{
public:
    IQImageLimits() = delete;

    // Megabytes (MiB) one decoded image may take: a gigapixel at 8 bits a
    // channel with alpha, half of that at 16 bits a channel.
    static constexpr int allocationLimitMB = 4096;

    // Claims up to this many pixels (4096 x 4096) pass whatever the file size.
    static constexpr qint64 plausibleAnywayPixels = qint64(4096) * 4096;

    // Megabytes a read that wants the picture smaller (a thumbnail, a tile,
    // a reduced panorama photo) may hold at the picture's full size: 64
    // megapixels at four bytes. Most formats are decoded a row or band at a
    // time and never come near it; a decoder that can only give the whole
    // picture is refused beyond it, so that many such reads side by side
    // cannot take the memory a few whole pictures would.
    static constexpr int reducedWholeLimitMB = 256;

    // Sets the cap with QImageReader::setAllocationLimit, and hands the
    // platform layer, which sits below the image road, its decoder
    // (MacOSIO::setDecoder). Call on the GUI thread before any worker
    // thread reads an image.
    static void install();

    // True when an image of `size` in `format` would be refused by the cap
    // currently in force (or by `limitMB`, when positive). An unknown format
    // counts as 4 bytes a pixel.
    static bool exceedsLimit(const QSize& size, QImage::Format format = QImage::Format_Invalid, int limitMB = 0);

    // The megabytes one read may hold at the picture's full size: the cap,
    // or for a reduced read the smaller of the cap and reducedWholeLimitMB.
    static int wholeLimitMB(bool reduced);

    // The most pixels one byte of a file of `kind` can hold (see above);
    // 0 when the format has no bound.
    static qint64 maxPixelsPerByte(IQImageStructure::Kind kind);

    // False when a file of `fileBytes` bytes and `kind` cannot hold the
    // `claimed` picture. An invalid or empty claim passes: there is nothing
    // to check, and the decoder refuses it.
    static bool isPlausible(const QSize& claimed, qint64 fileBytes, IQImageStructure::Kind kind);

    // A TIFF's pixels may hold many samples, each of up to 64 bits, so its
    // claim is also weighed in decoded bytes: whatever the pixel depth, one
    // byte of file decodes to at most 4096 bytes of samples (an LZW code of
    // at least 9 bits stands for at most 4096 bytes; deflate gives 1032,
    // PackBits 64). Up to the 64 MB that plausibleAnywayPixels may take any
    // claim passes. False when `sampleBytes` exceed the bound.
    static constexpr qint64 tiffBytesPerByte = 4096;
    static bool isPlausibleSamples(quint64 sampleBytes, qint64 fileBytes);

    // The message for an image refused because of its size, under the cap
    // or under `limitMB` when positive.
    static QString tooLargeMessage(const QSize& size, int limitMB = 0);
    // The message for a header refused by isPlausible().
    static QString implausibleMessage(const QSize& claimed, qint64 fileBytes);
};
