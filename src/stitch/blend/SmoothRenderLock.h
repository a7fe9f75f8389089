#pragma once

#include "stitch/image/CImage.h"

#include <cstddef>

// Holds an image locked for the life of a scope.
class SmoothRenderLock
{
public:
    explicit SmoothRenderLock(CImage* image) : m_pImage(image), m_bLocked(image && image->Lock() == 0) {}
    ~SmoothRenderLock()
    {
        if (m_bLocked)
            m_pImage->Unlock();
    }
    SmoothRenderLock(const SmoothRenderLock&) = delete;
    SmoothRenderLock& operator=(const SmoothRenderLock&) = delete;

    bool ok() const { return m_bLocked && m_pImage->Bits(); }
    unsigned char* pixel(int x, int y) const
    {
        return m_pImage->Bits() + std::ptrdiff_t(y) * m_pImage->Stride() + std::ptrdiff_t(x) * 3;
    }

private:
    CImage* m_pImage;
    bool m_bLocked;
};
