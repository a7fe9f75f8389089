#include "files/IQImageIO.h"

#include "files/IQImageLimits.h"

#include <QCoreApplication>
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

} // namespace

QImage IQImageIO::readImage(const QString& path, QString* error)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // Asked before reading, while the header is at hand, to tell a refusal
    // by the allocation limit from a broken file.
    const QSize size = reader.size();
    // A handler meeting a broken header can answer with a number that is no
    // format at all: take it as a number and keep only real formats.
    const int formatNumber = int(reader.imageFormat());
    const QImage::Format format = formatNumber > QImage::Format_Invalid && formatNumber < QImage::NImageFormats
                                      ? QImage::Format(formatNumber)
                                      : QImage::Format_Invalid;
    QImage image = reader.read();
    if (image.isNull()) {
        if (IQImageLimits::exceedsLimit(size, format))
            setError(error, IQImageLimits::tooLargeMessage(size));
        else
            setError(error, reader.errorString());
    }
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
