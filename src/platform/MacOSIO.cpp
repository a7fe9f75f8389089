#include "platform/MacOSIO.h"

#include <algorithm>
#include <atomic>
#include <cmath>

namespace {

std::atomic<MacOSIO::Decoder> s_decoder{nullptr};

QImage decode(const QString& filePath, const MacOSIO::SizeRule& size)
{
    const MacOSIO::Decoder decoder = s_decoder.load();
    return decoder ? decoder(filePath, size) : QImage();
}

} // namespace

void MacOSIO::setDecoder(Decoder decoder)
{
    s_decoder = decoder;
}

QImage MacOSIO::readImage(const QString& filePath)
{
    return decode(filePath, SizeRule());
}

QSize MacOSIO::fittedSize(const QSize& size, const QSize& bounds)
{
    if (size.isEmpty() || bounds.isEmpty())
        return QSize();
    if (size.width() <= bounds.width() && size.height() <= bounds.height())
        return size;
    const double scale = std::min(double(bounds.width()) / size.width(), double(bounds.height()) / size.height());
    const int width = std::clamp(int(std::lround(size.width() * scale)), 1, bounds.width());
    const int height = std::clamp(int(std::lround(size.height() * scale)), 1, bounds.height());
    return QSize(width, height);
}

QImage MacOSIO::readImageByQL(const QString& filePath, const QSize& maximumSize)
{
    if (maximumSize.isEmpty())
        return QImage();
    // The box applies to the upright picture.
    return decode(filePath, [maximumSize](const QSize& upright) { return fittedSize(upright, maximumSize); });
}
