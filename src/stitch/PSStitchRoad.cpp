#include "stitch/PSStitch.h"

// Placeholders until the main road lands: each reports a failure rather than
// a result it did not make.
int DEZeviDirevi(CStitchOptions* job, unsigned int, int*, int*, QList<QString>&, void** resultDib, tagRECT**, int*,
                 unsigned short***, int*, tagRECT*)
{
    return job && resultDib ? StitchBadArgument : StitchNullArgument;
}

int PSGetBestPoints(CStitchOptions* job, tagPOINT, bool, tagPOINT* pairs)
{
    return job && pairs ? StitchBadArgument : StitchNullArgument;
}

void ReturnDataForAutoStitch(CStitchOptions*, int*, int*, QList<QString>&) {}

void DeleteMemoryForAutoStitch(CStitchOptions*, int, int) {}
