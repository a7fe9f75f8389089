#include "canvas/PixelBufferPool.h"

#include <cstdlib>
#include <limits>

struct PixelBufferPool::Ticket
{
    std::shared_ptr<PixelBufferPool> pool;
    Buffer buffer;
};

PixelBufferPool::~PixelBufferPool()
{
    for (const Buffer& buffer : spare)
        std::free(buffer.data);
}

QImage PixelBufferPool::image(const QSize& size, QImage::Format format)
{
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    if (size.isEmpty() || depth <= 0)
        return QImage();
    const qint64 bytesPerLine = (qint64(size.width()) * depth + 31) / 32 * 4;
    if (bytesPerLine > std::numeric_limits<int>::max())
        return QImage();
    const std::size_t bytes = std::size_t(bytesPerLine) * std::size_t(size.height());

    Buffer buffer{nullptr, bytes};
    {
        std::lock_guard<std::mutex> lock(mutex);
        for (auto it = spare.begin(); it != spare.end(); ++it) {
            if (it->bytes == bytes) {
                buffer = *it;
                spare.erase(it);
                break;
            }
        }
    }
    if (!buffer.data)
        buffer.data = static_cast<uchar*>(std::malloc(bytes));
    if (!buffer.data)
        return QImage();
    auto* ticket = new Ticket{shared_from_this(), buffer};
    return QImage(buffer.data, size.width(), size.height(), qsizetype(bytesPerLine), format, &PixelBufferPool::giveBack, ticket);
}

void PixelBufferPool::giveBack(void* info)
{
    auto* ticket = static_cast<Ticket*>(info);
    {
        PixelBufferPool& pool = *ticket->pool;
        std::lock_guard<std::mutex> lock(pool.mutex);
        if (pool.spare.empty()) {
            pool.spare.push_back(ticket->buffer);
            ticket->buffer.data = nullptr;
        }
    }
    std::free(ticket->buffer.data);
    delete ticket;
}
