#include "rawplugin/RawIOHandler.h"

#include "rawplugin/RawImage.h"

#include <QBuffer>
#include <QFileDevice>
#include <QImageReader>
#include <QVariant>
#include <QtDebug>

#include <libraw/libraw.h>

namespace {

struct ProcessedImageFree
{
    void operator()(libraw_processed_image_t* image) const { LibRaw::dcraw_clear_mem(image); }
};
using ProcessedImage = std::unique_ptr<libraw_processed_image_t, ProcessedImageFree>;

// Why the last read() on this thread failed. A handler lives inside a
// QImageReader, which reports no more than "Unable to read image data";
// the reader's owner, on the same thread, takes the reason from here.
thread_local QString lastReadFailure;

} // namespace

class RawIOHandlerPrivate
{
public:
    ~RawIOHandlerPrivate() { close(); }

    // Opens the device's data with LibRaw once; later calls reuse it. On
    // success the device is left after its last byte, on failure where it was.
    bool load(QIODevice* device);
    // Parses `bytes` (kept alive, not copied, while the processor lives).
    bool open(const QByteArray& bytes);
    void close();

    // Decodes the opened data at the wanted size.
    bool decode(QImage* image);
    QImage decodeSensor();
    QImage decodePreview(int flip);
    // Runs LibRaw's unpack step for `part` unless `done`.
    bool unpackOnce(bool& done, int (LibRaw::*step)(), const QString& part);
    // Takes ownership of `processed` (null when LibRaw failed with `code`).
    QImage convert(libraw_processed_image_t* processed, int code, const QString& part);

    bool fail(const QString& why, int librawCode = LIBRAW_SUCCESS);
    bool checkDataErrors(const QString& part);

    static void onDataError(void* self, const char* file, int offset);

    // Declared so that destruction runs processor, stream, bytes.
    QByteArray data;
    std::unique_ptr<LibRaw_buffer_datastream> stream;
    std::unique_ptr<LibRaw> processor;
    QSize defaultSize{-1, -1};
    QSize scaledSize{-1, -1};
    QString error;
    int dataErrors = 0;
    int lastErrorOffset = 0;
    bool rawUnpacked = false;
    bool previewUnpacked = false;
};

bool RawIOHandlerPrivate::fail(const QString& why, int librawCode)
{
    error = why;
    if (librawCode != LIBRAW_SUCCESS)
        error += QStringLiteral(" (%1)").arg(QString::fromLatin1(LibRaw::strerror(librawCode)));
    return false;
}

void RawIOHandlerPrivate::onDataError(void* self, const char* /*file*/, int offset)
{
    auto* d = static_cast<RawIOHandlerPrivate*>(self);
    ++d->dataErrors;
    d->lastErrorOffset = offset;
}

bool RawIOHandlerPrivate::checkDataErrors(const QString& part)
{
    if (dataErrors == 0)
        return true;
    // LibRaw reports a short read as a negative offset.
    return fail(lastErrorOffset < 0 ? QStringLiteral("%1: the file ends early").arg(part)
                                    : QStringLiteral("%1: corrupt data near byte %2").arg(part).arg(lastErrorOffset));
}

bool RawIOHandlerPrivate::load(QIODevice* device)
{
    if (!device)
        return fail(QStringLiteral("no device"));
    if (device->isSequential())
        return fail(QStringLiteral("sequential devices are not supported"));
    if (processor)
        return true;
    const qint64 position = device->pos();
    if (!device->seek(0))
        return fail(QStringLiteral("cannot seek to the start of the data"));
    // A buffer's bytes are shared, not copied.
    auto* buffer = qobject_cast<QBuffer*>(device);
    const QByteArray bytes = buffer ? buffer->data() : device->readAll();
    if (buffer)
        buffer->seek(buffer->size());
    if (!open(bytes)) {
        device->seek(position);
        return false;
    }
    return true;
}

bool RawIOHandlerPrivate::open(const QByteArray& bytes)
{
    close();
    error.clear();
    if (bytes.isEmpty())
        return fail(QStringLiteral("the file is empty"));
    data = bytes;
    stream = std::make_unique<LibRaw_buffer_datastream>(const_cast<char*>(data.constData()), size_t(data.size()));
    processor = std::make_unique<LibRaw>(0);
    processor->set_dataerror_handler(&RawIOHandlerPrivate::onDataError, this);

    libraw_output_params_t& params = processor->imgdata.params;
    params.use_camera_wb = 1;
    params.use_camera_matrix = 1;
    params.four_color_rgb = 1;
    params.output_color = 1; // sRGB
    params.output_tiff = 0;
    params.use_fuji_rotate = 1;
    params.green_matching = 1;
    // LibRaw's own buffers (the unpacked sensor data) under the readers'
    // cap too, where it is below LibRaw's own.
    if (QImageReader::allocationLimit() > 0)
        params.max_raw_memory_mb = qMin(params.max_raw_memory_mb, unsigned(QImageReader::allocationLimit()));

    const int code = processor->open_datastream(stream.get());
    if (code != LIBRAW_SUCCESS) {
        close();
        return fail(QStringLiteral("not a RAW file that LibRaw can read"), code);
    }
    const libraw_image_sizes_t& sizes = processor->imgdata.sizes;
    if (sizes.width == 0 || sizes.height == 0) {
        close();
        return fail(QStringLiteral("the RAW file has no image area"));
    }
    defaultSize = RawImage::orientedSize(QSize(sizes.width, sizes.height), sizes.flip);
    return true;
}

void RawIOHandlerPrivate::close()
{
    processor.reset();
    stream.reset();
    data.clear();
    defaultSize = QSize(-1, -1);
    dataErrors = 0;
    rawUnpacked = false;
    previewUnpacked = false;
}

bool RawIOHandlerPrivate::unpackOnce(bool& done, int (LibRaw::*step)(), const QString& part)
{
    // LibRaw refuses to unpack a part twice; what it unpacked stays usable.
    if (done)
        return true;
    dataErrors = 0;
    const int code = (processor.get()->*step)();
    // A data error says more than the code LibRaw returns after it.
    if (!checkDataErrors(part))
        return false;
    if (code != LIBRAW_SUCCESS)
        return fail(QStringLiteral("cannot unpack the %1").arg(part), code);
    done = true;
    return true;
}

QImage RawIOHandlerPrivate::convert(libraw_processed_image_t* processed, int code, const QString& part)
{
    const ProcessedImage owner(processed);
    if (!processed) {
        fail(QStringLiteral("cannot make the %1").arg(part), code);
        return {};
    }
    QString why;
    const QImage image = RawImage::toQImage(*processed, &why);
    if (image.isNull())
        fail(QStringLiteral("%1: %2").arg(part, why));
    return image;
}

QImage RawIOHandlerPrivate::decodeSensor()
{
    const QString part = QStringLiteral("sensor data");
    if (!unpackOnce(rawUnpacked, &LibRaw::unpack, part))
        return {};
    int code = processor->dcraw_process();
    if (code != LIBRAW_SUCCESS) {
        fail(QStringLiteral("cannot process the sensor data"), code);
        return {};
    }
    code = LIBRAW_SUCCESS;
    libraw_processed_image_t* processed = processor->dcraw_make_mem_image(&code);
    // The 16-bit working image (8 bytes a pixel) is not needed past this
    // point; the next read processes the unpacked data again.
    processor->free_image();
    // LibRaw has already turned the processed image upright.
    return convert(processed, code, part);
}

QImage RawIOHandlerPrivate::decodePreview(int flip)
{
    const QString part = QStringLiteral("embedded preview");
    if (!unpackOnce(previewUnpacked, &LibRaw::unpack_thumb, part))
        return {};
    int code = LIBRAW_SUCCESS;
    libraw_processed_image_t* processed = processor->dcraw_make_mem_thumb(&code);
    const QImage image = convert(processed, code, part);
    return image.isNull() ? image : RawImage::orient(image, flip);
}

bool RawIOHandlerPrivate::decode(QImage* result)
{
    const QSize wanted = (scaledSize.width() >= 0 && scaledSize.height() >= 0) ? scaledSize : defaultSize;
    if (wanted.isEmpty())
        return fail(QStringLiteral("the requested size %1 x %2 is empty").arg(wanted.width()).arg(wanted.height()));
    // Qt's own check of the readers' allocation limit, before any decoding:
    // the result is allocated at this size in the end.
    QImage probe;
    if (!QImageIOHandler::allocateImage(wanted, QImage::Format_RGB32, &probe))
        return fail(QStringLiteral("a %1 x %2 image exceeds the allocation limit of %3 MB")
                        .arg(wanted.width()).arg(wanted.height()).arg(QImageReader::allocationLimit()));
    probe = QImage();

    const int flip = processor->imgdata.sizes.flip;
    const libraw_thumbnail_t& thumbnail = processor->imgdata.thumbnail;
    // Both sizes upright, so that portrait files compare like with like.
    const QSize preview = RawImage::orientedSize(QSize(thumbnail.twidth, thumbnail.theight), flip);

    QImage image;
    if (!preview.isEmpty() && (wanted.width() < preview.width() || wanted.height() < preview.height())) {
        qDebug("Using thumbnail");
        image = decodePreview(flip);
        // A broken preview is no reason to show nothing: the sensor data
        // gives the same picture, only slower.
        if (image.isNull())
            qWarning("RawIOHandler::read: %s; decoding the sensor data instead", qPrintable(error));
    }
    if (image.isNull()) {
        qDebug("Decoding raw data");
        image = decodeSensor();
        if (image.isNull())
            return false;
    }
    if (image.size() != wanted) {
        image = image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (image.isNull())
            return fail(QStringLiteral("cannot scale the image to %1 x %2").arg(wanted.width()).arg(wanted.height()));
    }
    error.clear();
    *result = image;
    return true;
}

RawIOHandler::RawIOHandler()
    : d(std::make_unique<RawIOHandlerPrivate>())
{
}

RawIOHandler::~RawIOHandler() = default;

bool RawIOHandler::canRead(QIODevice* device)
{
    if (!device)
        return false;
    RawIOHandlerPrivate probe;
    const qint64 position = device->pos();
    bool recognised = false;
    // A file is probed through a mapping: LibRaw reads only the headers of
    // most files, so a large non-RAW file is not read in full.
    auto* file = qobject_cast<QFileDevice*>(device);
    const qint64 size = file ? file->size() : 0;
    uchar* mapped = (file && size > 0) ? file->map(0, size) : nullptr;
    if (mapped) {
        recognised = probe.open(QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), size));
        probe.close();
        file->unmap(mapped);
    } else {
        recognised = probe.load(device);
        probe.close();
    }
    device->seek(position);
    return recognised;
}

bool RawIOHandler::canRead() const
{
    QIODevice* device = this->device();
    if (!device)
        return false;
    const qint64 position = device->pos();
    const bool recognised = d->load(device);
    if (!device->isSequential())
        device->seek(position);
    if (recognised)
        setFormat("raw");
    return recognised;
}

bool RawIOHandler::read(QImage* image)
{
    lastReadFailure.clear();
    if (!d->load(device()) || !d->decode(image)) {
        lastReadFailure = d->error;
        qWarning("RawIOHandler::read: %s", qPrintable(d->error));
        return false;
    }
    return true;
}

QString RawIOHandler::takeLastReadError()
{
    QString reason;
    reason.swap(lastReadFailure);
    return reason;
}

QVariant RawIOHandler::option(ImageOption option) const
{
    switch (option) {
    case Size:
        return d->load(device()) ? d->defaultSize : QSize(-1, -1);
    case ScaledSize:
        return d->scaledSize;
    case ImageFormat:
        return int(QImage::Format_RGB32);
    default:
        return {};
    }
}

void RawIOHandler::setOption(ImageOption option, const QVariant& value)
{
    if (option == ScaledSize)
        d->scaledSize = value.toSize();
}

bool RawIOHandler::supportsOption(ImageOption option) const
{
    return option == Size || option == ScaledSize || option == ImageFormat;
}

QString RawIOHandler::errorString() const
{
    return d->error;
}
