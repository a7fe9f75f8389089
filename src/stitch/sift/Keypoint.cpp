#include "stitch/sift/Keypoint.h"

#include <QtGlobal>

int Keypoint::distSquared(const Keypoint* k) const
{
    Q_ASSERT_X(itsOriFV.size() == k->itsOriFV.size(), "distSquared", "itsOriFV.size() == k->itsOriFV.size()");
    // 128 x 255^2 stays far below 2^31.
    int sum = 0;
    const unsigned char* a = itsOriFV.data();
    const unsigned char* b = k->itsOriFV.data();
    for (size_t i = 0, n = itsOriFV.size(); i < n; ++i) {
        const int d = int(a[i]) - int(b[i]);
        sum += d * d;
    }
    return sum;
}
