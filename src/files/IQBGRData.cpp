#include "files/IQBGRData.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>

IQBGRData::~IQBGRData()
{
    std::free(m_data);
}

bool IQBGRData::allocate(int width, int height, qint64 bytesPerLine)
{
    if (width <= 0 || height <= 0 || bytesPerLine > std::numeric_limits<int>::max())
        return false;
    const qint64 bytes = bytesPerLine * height;
    if (quint64(bytes) > std::numeric_limits<size_t>::max() / 2)
        return false;
    uchar* data = static_cast<uchar*>(std::malloc(size_t(bytes)));
    if (!data)
        return false;
    std::free(m_data);
    m_data = data;
    m_width = width;
    m_height = height;
    m_bytesPerLine = int(bytesPerLine);
    return true;
}

bool IQBGRData::copyFrom(const IQBGRData& other)
{
    if (!other.m_data)
        return true; // an empty buffer copies to an empty one
    if (!allocate(other.m_width, other.m_height, other.m_bytesPerLine))
        return false;
    std::memcpy(m_data, other.m_data, size_t(other.byteCount()));
    return true;
}

IQBGRData* IQBGRData::bgrData(int width, int height)
{
    auto buffer = std::make_unique<IQBGRData>();
    if (!buffer->allocate(width, height, (qint64(width) * 24 + 31) / 32 * 4))
        return nullptr;
    return buffer.release();
}

IQBGRData* IQBGRData::clone() const
{
    auto copy = std::make_unique<IQBGRData>();
    return copy->copyFrom(*this) ? copy.release() : nullptr;
}

IQBGRAData* IQBGRAData::bgraData(int width, int height)
{
    auto buffer = std::make_unique<IQBGRAData>();
    if (!buffer->allocate(width, height, qint64(width) * 4))
        return nullptr;
    return buffer.release();
}

IQBGRAData* IQBGRAData::clone() const
{
    auto copy = std::make_unique<IQBGRAData>();
    return copy->copyFrom(*this) ? copy.release() : nullptr;
}
