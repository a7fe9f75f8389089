#include "stitch/pyramid/CStitchPyramid.h"

#include "stitch/image/CImage.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/threads/StitchThreads.h"

#include <algorithm>
#include <cstdint>

int CStitchPyramid::ZoomImageBy2x2(CImage* source, CImage* target, int progressStart, int progressEnd,
                                   CStitchOptions*)
{
    if (CStitchOptions::ShowProgress(progressStart))
        return StitchCancelled;
    if (!source || !target)
        return StitchNullArgument;
    // The size is read under the lock the pixels are read under: a refused
    // lock is -3, not a layer of nothing.
    if (source->Lock() != 0)
        return StitchBadArgument;
    const int width = source->Width() / 2;
    const int height = source->Height() / 2;
    if (target->Create(width, height, 24) != 0) {
        source->Unlock();
        return StitchNullArgument;
    }
    if (target->Lock() != 0) {
        source->Unlock();
        return StitchBadArgument;
    }
    const std::int64_t sourceStride = source->Stride();
    const std::int64_t targetStride = target->Stride();
    const int span = progressEnd - progressStart;
    // Bands of rows halved side by side first; the per-row reports follow
    // on this thread, as many and in the same order, and a cancel among
    // them still drops the layer.
    const unsigned char* sourceBits = source->Bits();
    unsigned char* targetBits = target->Bits();
    constexpr int kBand = 16;
    StitchThreads::For((height + kBand - 1) / kBand, [&](int band) {
        const int last = std::min(height, (band + 1) * kBand);
        for (int r = band * kBand; r < last; ++r) {
            const unsigned char* upper = sourceBits + 2 * r * sourceStride;
            const unsigned char* lower = upper + sourceStride;
            unsigned char* out = targetBits + r * targetStride;
            for (int c = 0; c < width; ++c, upper += 6, lower += 6, out += 3) {
                for (int k = 0; k < 3; ++k)
                    out[k] = static_cast<unsigned char>((upper[k] + upper[k + 3] + lower[k] + lower[k + 3] + 2) >> 2);
            }
        }
    }, 2);
    int result = 0;
    for (int r = 0; r < height; ++r) {
        if (CStitchOptions::ShowProgress(progressStart + int(std::int64_t(r) * span / height))) {
            result = StitchCancelled;
            break;
        }
    }
    target->Unlock();
    source->Unlock();
    if (result != 0)
        return result;
    return CStitchOptions::ShowProgress(progressEnd) ? StitchCancelled : 0;
}

int CStitchPyramid::BuildPyramid(CStitchOptions* job, int progressStart, int progressEnd)
{
    if (CStitchOptions::ShowProgress(progressStart))
        return StitchCancelled;
    if (!job || m_strName.isEmpty() || job->m_lDeepestLayer < 0)
        return StitchBadArgument;
    auto getImage = CStitchOptions::m_pfnGetImage;
    if (!getImage)
        return StitchBadArgument;
    void* photo = nullptr;
    const int fetched = getImage(&m_strName, &photo, CStitchOptions::m_pUserData);
    if (fetched != 0)
        return fetched;
    // A host that reports success without a photo has not delivered one.
    if (!photo)
        return StitchBadArgument;
    auto giveBack = [&photo]() {
        if (photo && CStitchOptions::m_pfnDeleteImage)
            CStitchOptions::m_pfnDeleteImage(&photo, CStitchOptions::m_pUserData);
        photo = nullptr;
    };
    if (CStitchOptions::ShowProgress(progressStart + 2)) {
        giveBack();
        return StitchCancelled;
    }
    {
        // Depth and size under one lock: a size read under a refused lock
        // would be 0, a photo of nothing.
        CImage image;
        if (image.Attach(photo) != 0 || image.Lock() != 0) {
            image.Detach();
            giveBack();
            return StitchBadArgument;
        }
        const bool usable = image.BitCount() == 24;
        if (usable) {
            m_lWidth = image.Width();
            m_lHeight = image.Height();
        }
        image.Unlock();
        image.Detach();
        if (!usable) {
            giveBack();
            return StitchBadArgument;
        }
    }
    if (m_lWidth > m_lMaxW)
        m_lMaxW = m_lWidth;
    if (m_lHeight > m_lMaxH)
        m_lMaxH = m_lHeight;
    if (!AllocateLayers(job->m_lDeepestLayer + 1)) {
        giveBack();
        return StitchNullArgument;
    }
    m_phLayers[0] = photo;
    photo = nullptr;
    m_lBuilt = 1;
    SetName(m_strName);

    const int span = progressEnd - progressStart;
    double t = 0.0;
    double step = 0.5;
    while (m_lBuilt <= job->m_lDeepestLayer) {
        const int from = progressStart + int(t * span);
        const int to = progressStart + int((t + step) * span);
        if (CStitchOptions::ShowProgress(from)) {
            ReleaseLayer(0);
            return StitchCancelled;
        }
        CImage source;
        CImage halved;
        if (source.Attach(LockHDib(m_lBuilt - 1)) != 0)
            return StitchBadArgument;
        const int zoomed = ZoomImageBy2x2(&source, &halved, from, to, job);
        source.Detach();
        if (zoomed != 0)
            return zoomed;
        m_phLayers[m_lBuilt] = halved.Detach();
        ++m_lBuilt;
        // The photo goes back as soon as it is no longer needed; for quarter
        // output layer 1 has served once layer 2 exists.
        if (m_lBuilt == 2)
            ReleaseLayer(0);
        if (m_lBuilt == 3 && job->m_OutputSize == StitchOutputQuarter)
            ReleaseLayer(1);
        t += step;
        step /= 2;
    }
    return 0;
}
