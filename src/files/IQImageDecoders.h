#pragma once

// The decoders behind IQImageIO's one road, for use inside src/files only.
// IQImageIO opens the file, refuses what is not a regular file and hands a
// job to the decoder of the format; the decoders here read with the
// format's own library, so that they can tell a damaged file from a good
// one and hold no more than a row or band at full size where the caller
// wants the picture smaller. Everything else goes through Qt's readers in
// IQImageIO itself.

#include "files/IQImageIO.h"
#include "files/IQImageStructure.h"

#include <QImage>
#include <QImageIOHandler>
#include <QSize>
#include <QString>

class QIODevice;

namespace IQImageDecoders {

struct Job
{
    QIODevice* device = nullptr; // open for reading, at its start
    qint64 bytes = 0;            // the whole file's size
    IQImageStructure::Kind kind = IQImageStructure::Kind::Unknown;
    // The size wanted of the upright picture; null for the whole picture.
    const IQImageIO::SizeRule* rule = nullptr;
    // Stop after the header: only `Result::size` is wanted.
    bool headerOnly = false;
    // Bytes a buffer of the picture at its full size may take in this read.
    qint64 wholeLimit = 0;
};

struct Result
{
    enum Status {
        Done,     // `image` (or `size`) is the answer
        Failed,   // `error` says why
        Declined, // this decoder does not read this file's layout: use Qt's
    };
    Status status = Failed;
    QImage image;
    QSize size; // the upright size the header states
    QString error;
};

Result readJpeg(const Job& job);
// Reads rows of a PNG that is not interlaced.
Result readPngRows(const Job& job);
// Reads rows of a TIFF stored in strips of interleaved samples.
Result readTiffRows(const Job& job);

// --- shared by the decoders and IQImageIO -------------------------------

// The turn an EXIF or TIFF orientation value (1 to 8) stands for.
QImageIOHandler::Transformations fromOrientation(int orientation);
// `image` turned by `transformation`, as Qt's readers apply it.
QImage transformed(const QImage& image, QImageIOHandler::Transformations transformation);
// The size the job wants of a picture stored at `stored` and turned by
// `transformation`, in the stored orientation; invalid for the whole
// picture. Each side at least 1.
QSize storedTarget(const Job& job, QSize stored, QImageIOHandler::Transformations transformation);
// The step every decoder takes once it has read the header, before
// anything is allocated: the claimed size judged (the file must be able to
// hold it, and what the read makes must fit the memory cap: the whole
// picture in `format`, or the reduced one at four bytes a pixel;
// `transformation` turns the claim upright for the job's size rule), the
// upright size noted, and for a header-only job the answer. True when the
// decoder goes on to the pixels; otherwise `result` is the answer.
bool judgeHeader(const Job& job, QSize stored, QImage::Format format,
                 QImageIOHandler::Transformations transformation, Result* result);
// `image` brought to `target` (when valid and different), smoothly.
QImage scaledTo(const QImage& image, QSize target);

Result failed(const QString& error);

} // namespace IQImageDecoders
