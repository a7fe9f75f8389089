#include "files/IQImageFileItem.h"

#include "files/IQImageIO.h"

#include <QFileInfo>
#include <QImageReader>

IQImageFileItem::IQImageFileItem(const QString& path)
    : IQFileItem(path)
{
}

QImage IQImageFileItem::thumbnail(QSize size)
{
    if (size.isEmpty())
        return QImage();
    QImageReader reader(path(), QByteArray());
    reader.setAutoTransform(true);

    // The scaled size applies to the picture as stored, before the
    // orientation turns it; a box turned the same way makes the turned
    // result fit the box the caller asked for.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize box = turned ? size.transposed() : size;
    const QSize stored = reader.size();
    if (stored.isValid() && !stored.isEmpty())
        reader.setScaledSize(stored.scaled(box, Qt::KeepAspectRatio));

    QImage image = reader.read();
    // A decoder that cannot tell its size up front was read in full.
    if (!image.isNull() && (image.width() > size.width() || image.height() > size.height()))
        image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

QString IQImageFileItem::text()
{
    return QFileInfo(path()).fileName();
}

QImage IQImageFileItem::image()
{
    return IQImageIO::readImage(path());
}
