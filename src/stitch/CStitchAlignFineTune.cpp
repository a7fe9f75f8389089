#include "stitch/CStitchAlign.h"

#include "stitch/StitchEnums.h"

// The fine-tune render belongs to the blend driver, which the library does
// not hold yet: until it does, a fine-tune alignment reports a failure
// rather than claiming a render that never happened.
int CStitchAlign::RenderFineTune(int working)
{
    (void)working;
    return StitchBadArgument;
}
