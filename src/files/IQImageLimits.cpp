#include "files/IQImageLimits.h"

#include "files/IQImageIO.h"
#include "platform/MacOSIO.h"

#include <QCoreApplication>
#include <QImageReader>

#include <limits>

namespace {

QImage platformRead(const QString& filePath, const MacOSIO::SizeRule& size)
{
    return IQImageIO::readImage(filePath, size);
}

} // namespace

void IQImageLimits::install()
{
    QImageReader::setAllocationLimit(allocationLimitMB);
    MacOSIO::setDecoder(platformRead);
}

bool IQImageLimits::exceedsLimit(const QSize& size, QImage::Format format, int limitMB)
{
    if (limitMB <= 0)
        limitMB = QImageReader::allocationLimit();
    if (limitMB <= 0 || !size.isValid())
        return false;
    const int depth = format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
    const double bytes = double(size.width()) * double(size.height()) * double(qMax(depth, 8)) / 8.0;
    return bytes > double(limitMB) * 1024.0 * 1024.0;
}

int IQImageLimits::wholeLimitMB(bool reduced)
{
    const int cap = QImageReader::allocationLimit();
    if (!reduced)
        return cap > 0 ? cap : std::numeric_limits<int>::max();
    return cap > 0 ? qMin(cap, reducedWholeLimitMB) : reducedWholeLimitMB;
}

qint64 IQImageLimits::maxPixelsPerByte(IQImageStructure::Kind kind)
{
    using Kind = IQImageStructure::Kind;
    switch (kind) {
    case Kind::Jpeg:
        return 8192;
    case Kind::Png:
        return 8256;
    case Kind::Gif:
        return 10923;
    case Kind::Bmp:
        return 128;
    case Kind::Tiff:
        return 32768;
    case Kind::Vector:
        return 0;
    case Kind::WebP:
    case Kind::Raw:
    case Kind::Unknown:
        break;
    }
    return 8192;
}

bool IQImageLimits::isPlausible(const QSize& claimed, qint64 fileBytes, IQImageStructure::Kind kind)
{
    if (!claimed.isValid() || claimed.isEmpty())
        return true;
    const qint64 pixels = qint64(claimed.width()) * qint64(claimed.height());
    if (pixels <= plausibleAnywayPixels)
        return true;
    const qint64 perByte = maxPixelsPerByte(kind);
    if (perByte == 0)
        return true;
    // Both factors are below 2^31 and 2^15, so the product cannot overflow
    // for any file below 2^48 bytes.
    return pixels <= qMax<qint64>(fileBytes, 0) * perByte;
}

bool IQImageLimits::isPlausibleSamples(quint64 sampleBytes, qint64 fileBytes)
{
    if (sampleBytes <= quint64(plausibleAnywayPixels) * 4)
        return true;
    // Below 2^51 bytes of file the product cannot overflow.
    return sampleBytes <= quint64(qMax<qint64>(fileBytes, 0)) * quint64(tiffBytesPerByte);
}

QString IQImageLimits::tooLargeMessage(const QSize& size, int limitMB)
{
    return QCoreApplication::translate("IQImageLimits",
                                       "The image of %1 x %2 pixels is too large to open "
                                       "(more than %3 MB of memory).")
        .arg(size.width())
        .arg(size.height())
        .arg(limitMB > 0 ? limitMB : QImageReader::allocationLimit());
}

QString IQImageLimits::implausibleMessage(const QSize& claimed, qint64 fileBytes)
{
    return QCoreApplication::translate("IQImageLimits",
                                       "The file claims an image of %1 x %2 pixels, more than its %3 bytes "
                                       "can hold: it is damaged or incomplete.")
        .arg(claimed.width())
        .arg(claimed.height())
        .arg(fileBytes);
}
