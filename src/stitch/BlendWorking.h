#pragma once

#include "stitch/CImage.h"
#include "stitch/CMask.h"

// One working image of a render with its mask, freed (unlocked first) on
// every path out of the renderer. Owns both.
struct BlendWorking
{
    CImage* image = nullptr;
    CMask* mask = nullptr;
    bool locked = false;

    BlendWorking() = default;
    BlendWorking(const BlendWorking&) = delete;
    BlendWorking& operator=(const BlendWorking&) = delete;
    ~BlendWorking() { Free(); }

    void Free()
    {
        if (image && locked)
            image->Unlock();
        delete image;
        delete mask;
        image = nullptr;
        mask = nullptr;
        locked = false;
    }
    // Takes another image and mask (unlocked) in place of these.
    void Replace(CImage* newImage, CMask* newMask)
    {
        Free();
        image = newImage;
        mask = newMask;
    }
};
