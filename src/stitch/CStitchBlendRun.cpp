#include "stitch/CStitchBlend.h"

#include "stitch/StitchEnums.h"

// Placeholder until the renderers land: a render that cannot happen says so.
int CStitchBlend::Run(bool fineTune)
{
    (void)fineTune;
    return StitchBadArgument;
}
