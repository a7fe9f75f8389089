#include "canvas/PictureRenderJob.h"

#include "canvas/PixelBufferPool.h"
#include "effects/RowBands.h"
#include "effects/ZIZuzaVuvovi.h"

#include <QtGlobal>

#include <cstdint>
#include <cstring>

PictureRenderSource::PictureRenderSource()
    : buffers(std::make_shared<PixelBufferPool>())
{
}

PictureRenderSource::~PictureRenderSource() = default;

namespace {

bool hasTransparentPixel(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return false;
    const bool argb32 = image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage wide = argb32 ? image : image.convertToFormat(QImage::Format_ARGB32);
    if (wide.isNull())
        return true; // treated as transparent: the pixmap keeps its alpha
    for (int y = 0; y < wide.height(); ++y) {
        const auto* line = reinterpret_cast<const quint32*>(wide.constScanLine(y));
        for (int x = 0; x < wide.width(); ++x)
            if ((line[x] & 0xff000000u) != 0xff000000u)
                return true;
    }
    return false;
}

PictureRenderResult failed(PictureRenderResult result, const char* why)
{
    result.ok = false;
    result.failure = QString::fromLatin1(why);
    result.image = QImage();
    result.scaled = QImage();
    return result;
}

// Step 1 of a run: the 24-bit source, made once from the origin.
bool ensureSource(PictureRenderSource& picture)
{
    if (!picture.source.isNull())
        return true;
    if (picture.origin.isNull())
        return false;
    QImage source = picture.origin.format() == QImage::Format_BGR888 ? picture.origin
                                                                     : picture.origin.convertToFormat(QImage::Format_BGR888);
    if (source.isNull())
        return false;
    picture.source = source;
    picture.origin = QImage();
    return true;
}

// Step 4: a full copy of the source, into the kept buffer.
bool copySource(PictureRenderSource& picture)
{
    const QImage& source = picture.source;
    if (picture.work.size() != source.size() || picture.work.format() != source.format()
        || picture.work.bytesPerLine() != source.bytesPerLine())
        picture.work = QImage(source.size(), source.format());
    if (picture.work.isNull())
        return false;
    std::memcpy(picture.work.bits(), source.constBits(), std::size_t(source.sizeInBytes()));
    return true;
}

// The common case of the last step, a 24-bit picture to 0xffRRGGBB, into
// pooled memory: what QImage::convertToFormat gives, without a fresh
// buffer each time.
QImage toRgb32(PixelBufferPool& buffers, const QImage& work)
{
    QImage out = buffers.image(work.size(), QImage::Format_RGB32);
    if (out.isNull())
        return out;
    const int width = work.width();
    // Row pointers taken here: scanLine() on the bands' threads would each
    // detach (and count) the image.
    uchar* const outBits = out.bits();
    const qsizetype outStride = out.bytesPerLine();
    const uchar* const inBits = work.constBits();
    const qsizetype inStride = work.bytesPerLine();
    Effects::runRowBands(work.height(), Effects::rowBandCount(width, work.height(), 0), [&](const Effects::RowBand& band) {
        for (int y = band.first; y < band.last; ++y) {
            const uchar* in = inBits + y * inStride;
            auto* line = reinterpret_cast<quint32*>(outBits + y * outStride);
            for (int x = 0; x < width; ++x, in += 3)
                line[x] = 0xff000000u | quint32(in[2]) << 16 | quint32(in[1]) << 8 | in[0];
        }
    });
    return out;
}

// setAlphaChannel leaves the image as it was when the sizes differ (Qt
// warns); a conversion it cannot allocate leaves a null image.
bool applyMask(QImage& work, const QImage& mask)
{
    if (mask.isNull())
        return true;
    work.setAlphaChannel(mask);
    return !work.isNull();
}

} // namespace

QImage toPixmapFormat(QImage image, QImage::Format opaque, QImage::Format alpha)
{
    if (image.isNull())
        return image;
    const QImage::Format target = hasTransparentPixel(image) ? alpha : opaque;
    if (image.format() == target)
        return image;
    // An alpha format that is really opaque keeps its bytes as RGB32, as
    // the raster pixmap does.
    if (target == QImage::Format_RGB32
        && (image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_ARGB32_Premultiplied)) {
        if (image.reinterpretAsFormat(QImage::Format_RGB32))
            return image;
    }
    return std::move(image).convertToFormat(target);
}

PictureRenderResult renderPictureJob(PictureRenderSource& picture, const PictureRenderJob& job)
{
    PictureRenderResult result;
    result.serial = job.serial;
    result.kind = job.kind;

    if (job.kind == PictureRenderJob::Scale) {
        if (job.image.isNull() || job.shownSize.isEmpty())
            return failed(result, "nothing to scale");
        result.scaled = toPixmapFormat(job.image.scaled(job.shownSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                                       job.opaqueFormat, job.alphaFormat);
        if (result.scaled.isNull())
            return failed(result, "no memory for the shown copy");
        result.ok = true;
        return result;
    }

    // A first run with nothing to apply shows the picture as it came: the
    // origin is already in the pixmap's format and shares its pixels, so
    // there is neither a 24-bit source to make nor a conversion back.
    const bool untouched = job.kind == PictureRenderJob::Run && !job.fineTune && job.mask.isNull()
        && !job.flipHorizontally && !job.flipVertically;
    if (untouched && !picture.origin.isNull() && !picture.origin.hasAlphaChannel()
        && picture.origin.format() == job.opaqueFormat) {
        result.image = picture.origin;
        if (!job.shownSize.isEmpty())
            result.scaled = toPixmapFormat(
                result.image.scaled(job.shownSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), job.opaqueFormat,
                job.alphaFormat);
        result.ok = true;
        return result;
    }

    if (!ensureSource(picture))
        return failed(result, "no source image (out of memory?)");

    QImage work;
    switch (job.kind) {
    case PictureRenderJob::Clear:
        work = picture.source;
        break;
    case PictureRenderJob::Mask:
        work = picture.source.copy();
        if (work.isNull() || !applyMask(work, job.mask))
            return failed(result, "no memory for the working copy");
        break;
    case PictureRenderJob::Run:
    case PictureRenderJob::Scale:
        if (!job.fineTune) {
            // Nothing to tune: no engine and no working copy, whose full
            // size buffers would sit beside every picture of a project.
            work = picture.source;
            if (!applyMask(work, job.mask))
                return failed(result, "no memory for the mask");
            if (job.flipHorizontally || job.flipVertically) {
                work = work.mirrored(job.flipHorizontally, job.flipVertically);
                if (work.isNull())
                    return failed(result, "no memory for the mirrored copy");
            }
            break;
        }
        if (!picture.engine)
            picture.engine = std::make_unique<ZIZuzaVuvovi>(picture.source.width(), picture.source.height());
        if (!copySource(picture))
            return failed(result, "no memory for the working copy");
        picture.engine->setEngineParam(job.param);
        picture.engine->runLomo(picture.work.bits(), picture.work.width(), picture.work.height(),
                                int(picture.work.bytesPerLine()));
        // Shared until the mask, the mirror or the format conversion makes
        // a new image of it; a result in the source's own format is copied
        // below, so the kept buffer is never handed out.
        work = picture.work;
        if (!applyMask(work, job.mask))
            return failed(result, "no memory for the mask");
        if (job.flipHorizontally || job.flipVertically) {
            work = work.mirrored(job.flipHorizontally, job.flipVertically);
            if (work.isNull())
                return failed(result, "no memory for the mirrored copy");
        }
        break;
    }

    if (work.format() == QImage::Format_BGR888 && job.opaqueFormat == QImage::Format_RGB32)
        result.image = toRgb32(*picture.buffers, work);
    else
        result.image = toPixmapFormat(std::move(work), job.opaqueFormat, job.alphaFormat);
    if (!result.image.isNull() && result.image.constBits() == picture.work.constBits())
        result.image = result.image.copy();
    if (result.image.isNull())
        return failed(result, "no memory for the pixmap's format");
    if (!job.shownSize.isEmpty()) {
        result.scaled = toPixmapFormat(result.image.scaled(job.shownSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                                       job.opaqueFormat, job.alphaFormat);
        // Without it the content scales on its own; the picture itself is good.
    }
    result.ok = true;
    return result;
}
