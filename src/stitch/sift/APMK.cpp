#include "stitch/sift/APMK.h"

#include "stitch/interface/StitchEnums.h"
#include "stitch/sift/SIFTMatching.h"
#include "stitch/sift/SIFTObject.h"

#include <new>

SIFTObject* APMK_CreateObject(const _tagPixelArray* pixels)
{
    if (!pixels)
        return nullptr;
    auto* object = new (std::nothrow) SIFTObject;
    if (!object)
        return nullptr;
    // A refused image leaves an empty object; its detection finds nothing.
    GetNormalizedGrayImg(object, pixels);
    object->SetScaleSpaceParam();
    return object;
}

int APMK_SIFTDetecting(SIFTObject* object, int progressStart, int progressEnd, void* user,
                       APMK_ProgressFunc progress)
{
    if (!object || !progress)
        return StitchNullArgument;
    object->progressUser = user;
    object->progress = progress;
    return SIFTDetecting(object, progressStart, progressEnd);
}

int APMK_SIFTMatching(SIFTObject* first, SIFTObject* second, std::vector<tagSIFTPOINT>* out)
{
    if (!first || !second || !out)
        return StitchNullArgument;
    return SIFTMatching(first, second, out);
}

void APMK_ReleaseObject(SIFTObject** object)
{
    if (!object || !*object)
        return;
    delete *object;
    *object = nullptr;
}
