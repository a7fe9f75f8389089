#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

// A look at an image file's own structure, without decoding it: which
// format its first bytes name, the size its header makes a decoder
// allocate, and whether the file holds everything up to the end its
// structure announces. Pure functions over bytes; safe on any thread.
//
// The completeness check exists for the formats whose Qt decoders accept a
// file cut short and fill what never arrived (GIF, BMP). PNG, TIFF and
// WebP decoders fail on such a file by themselves, JPEG is read through
// libjpeg by IQImageIO, which notices the end of the data itself, and
// camera RAW files are checked by LibRaw.
class IQImageStructure
{
public:
    IQImageStructure() = delete;

    enum class Kind {
        Unknown,
        Jpeg,
        Png,
        Gif,
        Bmp,
        Tiff,
        WebP,
        Raw,    // a camera RAW suffix (DNG files start like TIFF files)
        Vector, // SVG: the size is a wish of the document, not stored pixels
    };

    // The format named by the file's first bytes (16 are enough); camera
    // RAW and vector files by the suffix of `path`.
    static Kind kind(const QByteArray& head, const QString& path);

    // The size the decoder allocates, where the header says more than
    // QImageReader::size() reports: a GIF is painted on its logical screen,
    // which may be larger than its first frame. Otherwise `readerSize`.
    static QSize claimedSize(Kind kind, const QByteArray& head, QSize readerSize);

    // True for the formats isComplete() walks.
    static bool hasCompletenessCheck(Kind kind);

    // False when `data` (the whole file) stops before the end its
    // structure announces: a GIF whose first frame's data runs out, a BMP
    // whose rows or run-length codes run out. True for every other format,
    // and for malformed structures the decoder itself refuses.
    static bool isComplete(Kind kind, const uchar* data, qint64 size);
};
