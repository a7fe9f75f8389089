#include "files/IQImageIO.h"

#include "files/IQAreaScaler.h"
#include "files/IQImageDecoders.h"
#include "files/IQImageLimits.h"
#include "files/IQImageStructure.h"
#include "rawplugin/RawIOHandler.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include <memory>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Decoded = IQImageDecoders::Result;

QString tr(const char* text)
{
    return QCoreApplication::translate("IQImageIO", text);
}

void setError(QString* error, const QString& message)
{
    if (error)
        *error = message;
}

// QFile forgets its name when it is opened on a descriptor, and Qt's
// readers pick a decoder by the name's suffix (camera RAW files by it
// alone): the name is given back here.
class NamedFile : public QFile
{
public:
    explicit NamedFile(const QString& name)
        : m_name(name)
    {
    }
    QString fileName() const override { return m_name; }

private:
    QString m_name;
};

// The picture's bytes, open for reading, with what their start says.
struct Input
{
    std::unique_ptr<QIODevice> device;
    QFileDevice* file = nullptr;   // when reading a file
    QByteArray memory;             // when reading bytes in memory
    QByteArray format;             // a format the bytes must be of, or empty
    qint64 bytes = 0;
    QByteArray head;
    IQImageStructure::Kind kind = IQImageStructure::Kind::Unknown;
};

// Opens `path` only when it is a regular file: the descriptor is opened
// without waiting (a FIFO would wait for a writer for ever) and looked at
// before anything is read, so nothing can be swapped in between.
bool openFile(const QString& path, Input* input, QString* error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        setError(error, qt_error_string(errno));
        return false;
    }
    struct stat status{};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        setError(error, IQImageIO::damagedMessage());
        return false;
    }
    // A regular file never waits; its reads may block as usual.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    auto file = std::make_unique<NamedFile>(path);
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        setError(error, file->errorString());
        return false;
    }
    input->bytes = qint64(status.st_size);
    input->head = file->peek(16);
    input->kind = IQImageStructure::kind(input->head, path);
    input->file = file.get();
    input->device = std::move(file);
    return true;
}

void openMemory(const QByteArray& bytes, const QByteArray& format, Input* input)
{
    input->memory = bytes;
    input->format = format.toLower();
    auto buffer = std::make_unique<QBuffer>(&input->memory);
    buffer->open(QIODevice::ReadOnly);
    input->device = std::move(buffer);
    input->bytes = bytes.size();
    input->head = bytes.left(16);
    input->kind = IQImageStructure::kind(input->head, QString());
}

// False when bytes that must be of `format` start as another format we know.
bool formatAgrees(const Input& input)
{
    using Kind = IQImageStructure::Kind;
    if (input.format.isEmpty())
        return true;
    const QByteArray& f = input.format;
    switch (input.kind) {
    case Kind::Jpeg:
        return f == "jpeg" || f == "jpg";
    case Kind::Png:
        return f == "png";
    case Kind::Gif:
        return f == "gif";
    case Kind::Bmp:
        return f == "bmp";
    case Kind::Tiff:
        return f == "tiff" || f == "tif";
    case Kind::WebP:
        return f == "webp";
    default:
        return true;
    }
}

// The format a reader's handler names, or Format_Invalid. A handler meeting
// a broken header can answer with a number that is no format at all: take
// it as a number and keep only real formats.
QImage::Format readerFormat(QImageReader& reader)
{
    const int formatNumber = int(reader.imageFormat());
    return formatNumber > QImage::Format_Invalid && formatNumber < QImage::NImageFormats
               ? QImage::Format(formatNumber)
               : QImage::Format_Invalid;
}

// The user's message for a read of `reader` that gave a null image; call it
// right after the read, on the same thread.
QString readFailure(QImageReader& reader, const Input& input)
{
    const QString rawReason = RawIOHandler::takeLastReadError();
    if (!rawReason.isEmpty())
        return QCoreApplication::translate("IQImageIO", "The camera RAW file cannot be read (%1).").arg(rawReason);
    const QSize size = reader.size();
    if (IQImageLimits::exceedsLimit(size, readerFormat(reader)))
        return IQImageLimits::tooLargeMessage(size);
    // A file that starts as an image of a format we know, with data its
    // decoder could not read: the file is damaged, whatever words the
    // decoder has for it.
    if (reader.error() == QImageReader::InvalidDataError && input.kind != IQImageStructure::Kind::Unknown)
        return IQImageIO::damagedMessage();
    return reader.errorString();
}

// False when the bytes stop before the end their structure announces (the
// formats whose Qt decoders fill what never arrived).
bool isComplete(const Input& input)
{
    if (!IQImageStructure::hasCompletenessCheck(input.kind))
        return true;
    if (!input.file) {
        return IQImageStructure::isComplete(input.kind, reinterpret_cast<const uchar*>(input.memory.constData()),
                                            input.memory.size());
    }
    // Mapped where possible: the walk touches each byte once, and a large
    // file costs no copy.
    if (uchar* data = input.bytes > 0 ? input.file->map(0, input.bytes) : nullptr) {
        const bool complete = IQImageStructure::isComplete(input.kind, data, input.bytes);
        input.file->unmap(data);
        return complete;
    }
    const qint64 at = input.file->pos();
    input.file->seek(0);
    const QByteArray all = input.file->readAll();
    input.file->seek(at);
    return IQImageStructure::isComplete(input.kind, reinterpret_cast<const uchar*>(all.constData()), all.size());
}

// `image` (upright) brought down to `target` by averaging areas, in bands
// so that a picture in a compact format is never widened to 32 bits whole;
// enlarged smoothly where the target is larger.
QImage reduced(const QImage& image, QSize target)
{
    if (!target.isValid() || image.size() == target)
        return image;
    const QSize down = target.boundedTo(image.size());
    QImage out = image;
    if (down != image.size()) {
        using Rows = IQAreaScaler::Rows;
        const bool alpha = image.hasAlphaChannel();
        const bool grey = image.format() == QImage::Format_Grayscale8;
        const QImage::Format rows = alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
        IQAreaScaler scaler(image.size(), down, grey ? Rows::Grey : alpha ? Rows::Alpha : Rows::Opaque);
        if (!scaler.isValid())
            return QImage();
        constexpr int band = 64;
        for (int y = 0; y < image.height(); y += band) {
            const int count = qMin(band, image.height() - y);
            if (grey) {
                for (int row = 0; row < count; ++row)
                    scaler.addGreyRow(image.constScanLine(y + row));
                continue;
            }
            QImage part(image.constScanLine(y), image.width(), count, image.bytesPerLine(), image.format());
            part.setColorTable(image.colorTable());
            const QImage converted = part.format() == rows ? part : part.convertToFormat(rows);
            if (converted.isNull())
                return QImage();
            for (int row = 0; row < count; ++row)
                scaler.addRow(reinterpret_cast<const QRgb*>(converted.constScanLine(row)));
        }
        out = scaler.result();
    }
    return IQImageDecoders::scaledTo(out, target);
}

Decoded readWithQt(Input& input, const IQImageDecoders::Job& job)
{
    using Kind = IQImageStructure::Kind;
    input.device->seek(0);
    QImageReader reader(input.device.get(), input.format);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    const QSize claimed = IQImageStructure::claimedSize(input.kind, input.head, stored);
    if (!IQImageLimits::isPlausible(claimed, input.bytes, input.kind))
        return IQImageDecoders::failed(IQImageLimits::implausibleMessage(claimed, input.bytes));

    const auto turn = reader.transformation();
    Decoded result;
    if (job.headerOnly) {
        if (!stored.isValid() || stored.isEmpty()) {
            RawIOHandler::takeLastReadError();
            return IQImageDecoders::failed(input.kind == Kind::Unknown ? reader.errorString()
                                                                       : IQImageIO::damagedMessage());
        }
        result.size = turn & QImageIOHandler::TransformationRotate90 ? stored.transposed() : stored;
        result.status = Decoded::Done;
        return result;
    }
    if (!isComplete(input))
        return IQImageDecoders::failed(IQImageIO::damagedMessage());

    const bool reducedRead = job.rule && *job.rule;
    // RAW files give their camera's preview, vector files render at the
    // size asked: both are asked for the reduced size directly.
    const bool readsScaled = input.kind == Kind::Raw || input.kind == Kind::Vector;
    if (reducedRead && stored.isValid() && !stored.isEmpty()) {
        const QSize target = IQImageDecoders::storedTarget(job, stored, turn);
        if (readsScaled) {
            if (IQImageLimits::exceedsLimit(target, QImage::Format_ARGB32))
                return IQImageDecoders::failed(IQImageLimits::tooLargeMessage(claimed));
            reader.setScaledSize(target);
        } else if (IQImageLimits::exceedsLimit(claimed, readerFormat(reader), int(job.wholeLimit >> 20))) {
            return IQImageDecoders::failed(IQImageLimits::tooLargeMessage(claimed, int(job.wholeLimit >> 20)));
        }
    }

    RawIOHandler::takeLastReadError();
    QImage image = reader.read();
    if (image.isNull())
        return IQImageDecoders::failed(readFailure(reader, input));
    if (reducedRead) {
        const QSize wanted = (*job.rule)(image.size());
        image = reduced(image, wanted.isValid() ? wanted.expandedTo(QSize(1, 1)) : wanted);
        if (image.isNull())
            return IQImageDecoders::failed(IQImageLimits::tooLargeMessage(claimed, int(job.wholeLimit >> 20)));
    }
    result.image = image;
    result.status = Decoded::Done;
    return result;
}

// The road every read takes once its bytes are open.
Decoded read(Input& input, const IQImageIO::SizeRule* rule, bool headerOnly)
{
    using Kind = IQImageStructure::Kind;
    if (input.bytes <= 0 || !formatAgrees(input))
        return IQImageDecoders::failed(IQImageIO::damagedMessage());

    IQImageDecoders::Job job;
    job.device = input.device.get();
    job.bytes = input.bytes;
    job.kind = input.kind;
    job.rule = rule && *rule ? rule : nullptr;
    job.headerOnly = headerOnly;
    job.wholeLimit = qint64(IQImageLimits::wholeLimitMB(job.rule != nullptr)) << 20;

    Decoded decoded;
    decoded.status = Decoded::Declined;
    switch (input.kind) {
    case Kind::Jpeg:
        return IQImageDecoders::readJpeg(job);
    case Kind::Png:
        decoded = IQImageDecoders::readPngRows(job);
        break;
    case Kind::Tiff:
        decoded = IQImageDecoders::readTiffRows(job);
        break;
    default:
        break;
    }
    if (decoded.status != Decoded::Declined)
        return decoded;
    return readWithQt(input, job);
}

QImage finish(const Decoded& decoded, QString* error)
{
    if (decoded.status == Decoded::Done && !decoded.image.isNull())
        return decoded.image;
    setError(error, decoded.error.isEmpty() ? IQImageIO::damagedMessage() : decoded.error);
    return QImage();
}

QSize finishSize(const Decoded& decoded, QString* error)
{
    if (decoded.status == Decoded::Done && decoded.size.isValid())
        return decoded.size;
    setError(error, decoded.error.isEmpty() ? IQImageIO::damagedMessage() : decoded.error);
    return QSize();
}

} // namespace

QImage IQImageIO::readImage(const QString& path, QString* error)
{
    return readImage(path, SizeRule(), error);
}

QImage IQImageIO::readImage(const QString& path, const SizeRule& size, QString* error)
{
    Input input;
    if (!openFile(path, &input, error))
        return QImage();
    return finish(read(input, &size, false), error);
}

QImage IQImageIO::readImage(const QByteArray& bytes, const QByteArray& format, const SizeRule& size, QString* error)
{
    Input input;
    openMemory(bytes, format, &input);
    return finish(read(input, &size, false), error);
}

QSize IQImageIO::readSize(const QString& path, QString* error)
{
    Input input;
    if (!openFile(path, &input, error))
        return QSize();
    return finishSize(read(input, nullptr, true), error);
}

QSize IQImageIO::readSize(const QByteArray& bytes, const QByteArray& format, QString* error)
{
    Input input;
    openMemory(bytes, format, &input);
    return finishSize(read(input, nullptr, true), error);
}

QString IQImageIO::damagedMessage()
{
    return tr("The file is damaged or incomplete.");
}

bool IQImageIO::writeImage(const QImage& image, const QString& path, QString* error)
{
    if (image.isNull()) {
        setError(error, tr("There is no image to save."));
        return false;
    }
    const QString suffix = QFileInfo(path).suffix();
    const QByteArray format = suffix.toLower().toLatin1();
    if (format.isEmpty()) {
        setError(error, tr("The file name has no suffix to tell the image type."));
        return false;
    }
    if (!QImageWriter::supportedImageFormats().contains(format)) {
        setError(error, tr("Images cannot be saved as \"%1\" files.").arg(suffix));
        return false;
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, file.errorString());
        return false;
    }
    QImageWriter writer(&file, format);
    if (!writer.write(image)) {
        // The encoders leave their reason in the log and report no more than
        // "unknown error".
        setError(error, writer.error() == QImageWriter::UnknownError
                            ? tr("The image could not be encoded as \"%1\".").arg(suffix)
                            : writer.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}
