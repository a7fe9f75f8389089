#include "files/IQImageFileItem.h"

#include "files/IQImageIO.h"
#include "rawplugin/RawIOHandler.h"

#include <QFileInfo>
#include <QImageReader>

namespace {

// `size` scaled into `box` with its aspect ratio, but never below one pixel
// a side: a hairline picture still gives a thumbnail.
QSize fitInto(QSize size, QSize box)
{
    return size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

} // namespace

IQImageFileItem::IQImageFileItem(const QString& path)
    : IQFileItem(path)
{
}

QImage IQImageFileItem::thumbnail(QSize size)
{
    m_error.clear();
    if (size.isEmpty())
        return QImage();
    QImageReader reader(path(), QByteArray());
    reader.setAutoTransform(true);
    if (!IQImageIO::checkBeforeDecode(reader, &m_error))
        return QImage();

    // The scaled size applies to the picture as stored, before the
    // orientation turns it; a box turned the same way makes the turned
    // result fit the box the caller asked for.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize box = turned ? size.transposed() : size;
    const QSize stored = reader.size();
    if (stored.isValid() && !stored.isEmpty())
        reader.setScaledSize(fitInto(stored, box));

    RawIOHandler::takeLastReadError();
    QImage image = reader.read();
    if (image.isNull()) {
        m_error = IQImageIO::readFailure(reader);
        return image;
    }
    // A decoder that cannot tell its size up front was read in full.
    if (!image.isNull() && (image.width() > size.width() || image.height() > size.height()))
        image = image.scaled(fitInto(image.size(), size), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

QString IQImageFileItem::text()
{
    return QFileInfo(path()).fileName();
}

QImage IQImageFileItem::image()
{
    m_error.clear();
    return IQImageIO::readImage(path(), &m_error);
}
