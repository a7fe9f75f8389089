#pragma once

#include <QImage>
#include <QSize>

#include <memory>
#include <mutex>
#include <vector>

// Pixel memory of one picture's rendered images, handed back when the last
// copy of an image goes (the pixmap it became was replaced) and reused by
// the next render of the same shape. A fresh buffer of a large picture
// costs a page fault per page on first touch, often more than the effect
// run itself. Keeps at most one spare buffer. Any thread.
class PixelBufferPool : public std::enable_shared_from_this<PixelBufferPool>
{
public:
    PixelBufferPool() = default;
    ~PixelBufferPool();
    PixelBufferPool(const PixelBufferPool&) = delete;
    PixelBufferPool& operator=(const PixelBufferPool&) = delete;

    // An image of `size` in `format` (rows 4-byte aligned) over pooled
    // memory, contents undefined; null when memory is short. The pool lives
    // as long as an image made by it.
    QImage image(const QSize& size, QImage::Format format);

private:
    struct Buffer
    {
        uchar* data;
        std::size_t bytes;
    };
    struct Ticket;
    static void giveBack(void* ticket);

    std::mutex mutex;
    std::vector<Buffer> spare;
};
