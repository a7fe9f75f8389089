#include "files/IQImageLimits.h"

#include <QCoreApplication>
#include <QImageReader>

void IQImageLimits::install()
{
    QImageReader::setAllocationLimit(allocationLimitMB);
}

bool IQImageLimits::exceedsLimit(const QSize& size, QImage::Format format)
{
    const int limitMB = QImageReader::allocationLimit();
    if (limitMB <= 0 || !size.isValid())
        return false;
    const int depth = format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
    const double bytes = double(size.width()) * double(size.height()) * double(qMax(depth, 8)) / 8.0;
    return bytes > double(limitMB) * 1024.0 * 1024.0;
}

QString IQImageLimits::tooLargeMessage(const QSize& size)
{
    return QCoreApplication::translate("IQImageLimits",
                                       "The image of %1 x %2 pixels is too large to open "
                                       "(more than %3 MB of memory).")
        .arg(size.width())
        .arg(size.height())
        .arg(QImageReader::allocationLimit());
}
