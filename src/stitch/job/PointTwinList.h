#pragma once

#include "stitch/image/Rect.h"

// Point twins between an image and one neighbour: twin i is m_Twins[i][0]
// in this image and m_Twins[i][1] in the neighbour, in pixels of the layer
// last matched.
struct PointTwinList
{
    static constexpr int kCapacity = 40;

    int m_lCount = 0;
    tagPOINT m_Twins[kCapacity][2] = {};
};
