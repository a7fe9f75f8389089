#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>

// Writes small, valid DNG files for the RAW tests, the fuzz corpus and the
// benchmark: a 16-bit RGGB colour-filter-array image in a sub-IFD and an
// embedded preview in IFD 0, both stored in sensor orientation under one
// TIFF Orientation tag.
//
// The pictures are chosen so that a test can tell which road a decoder took
// and whether it turned the result upright: seen upright, the sensor picture
// has red, green, blue and white quadrants (top left, top right, bottom
// left, bottom right) and the preview has cyan, magenta, yellow and black.
namespace DngFixture {

enum class Preview {
    None,
    Jpeg,       // baseline JPEG (compression 7)
    Rgb,        // uncompressed 8-bit RGB
    BrokenJpeg, // marked as JPEG, bytes that do not decode
};

struct Options
{
    QSize size{160, 120};       // upright size of the sensor picture
    int orientation = 1;        // TIFF Orientation, 1..8
    Preview preview = Preview::Jpeg;
    QSize previewSize{40, 30};  // upright size of the preview
    // When valid, the sensor directory's width and length claim this size
    // (as stored) while its data stay those of `size`: a lying header.
    QSize claimedSize;
};

QByteArray make(const Options& options = Options());

// The four quadrant colours, upright, in the order top left, top right,
// bottom left, bottom right.
QList<QColor> sensorColors();
QList<QColor> previewColors();

// The upright picture with those quadrants.
QImage quadrants(QSize size, const QList<QColor>& colors);

// `upright` as a camera stores it under `orientation` (the pixels that,
// turned by the TIFF orientation, give `upright`).
QImage stored(const QImage& upright, int orientation);

} // namespace DngFixture
