#include "files/IQImageIO.h"

#include "files/IQImageLimits.h"
#include "files/IQImageStructure.h"
#include "rawplugin/RawIOHandler.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("IQImageIO", text);
}

void setError(QString* error, const QString& message)
{
    if (error)
        *error = message;
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

} // namespace

bool IQImageIO::checkBeforeDecode(QImageReader& reader, QString* error)
{
    QFile file(reader.fileName());
    // A file that cannot be opened is the reader's to report.
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const qint64 bytes = file.size();
    const QByteArray head = file.peek(16);
    const IQImageStructure::Kind kind = IQImageStructure::kind(head, file.fileName());
    const QSize claimed = IQImageStructure::claimedSize(kind, head, reader.size());

    if (!IQImageLimits::isPlausible(claimed, bytes, kind)) {
        setError(error, IQImageLimits::implausibleMessage(claimed, bytes));
        return false;
    }
    if (!IQImageStructure::hasCompletenessCheck(kind))
        return true; // the decoder reports a short file itself
    // Mapped where possible: the walk touches each byte once, and a large
    // photo costs no copy.
    bool complete = false;
    if (uchar* data = bytes > 0 ? file.map(0, bytes) : nullptr) {
        complete = IQImageStructure::isComplete(kind, data, bytes);
        file.unmap(data);
    } else {
        const QByteArray all = file.readAll();
        complete = IQImageStructure::isComplete(kind, reinterpret_cast<const uchar*>(all.constData()), all.size());
    }
    if (!complete) {
        setError(error, damagedMessage());
        return false;
    }
    return true;
}

QString IQImageIO::readFailure(QImageReader& reader)
{
    const QString rawReason = RawIOHandler::takeLastReadError();
    if (!rawReason.isEmpty())
        return tr("The camera RAW file cannot be read (%1).").arg(rawReason);
    const QSize size = reader.size();
    if (IQImageLimits::exceedsLimit(size, readerFormat(reader)))
        return IQImageLimits::tooLargeMessage(size);
    // A file that starts as an image of a format we know, with data its
    // decoder could not read: the file is damaged, whatever words the
    // decoder has for it.
    if (reader.error() == QImageReader::InvalidDataError) {
        QFile file(reader.fileName());
        if (file.open(QIODevice::ReadOnly)
            && IQImageStructure::kind(file.peek(16), file.fileName()) != IQImageStructure::Kind::Unknown)
            return damagedMessage();
    }
    return reader.errorString();
}

QString IQImageIO::damagedMessage()
{
    return tr("The file is damaged or incomplete.");
}

QImage IQImageIO::readImage(const QString& path, QString* error)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (!checkBeforeDecode(reader, error))
        return QImage();
    RawIOHandler::takeLastReadError();
    QImage image = reader.read();
    if (image.isNull())
        setError(error, readFailure(reader));
    return image;
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
