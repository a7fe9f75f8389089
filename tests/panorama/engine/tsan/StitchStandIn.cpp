#include "StitchStandIn.h"

#include "stitch/interface/PSStitch.h"

#include <cstring>

namespace StitchStandIn {

std::vector<Fetched> fetched;

namespace {

tagStitchCallbacks callbacks{};
char job; // the handle handed out: only its address is used

quint32 u32(const unsigned char* p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

} // namespace

} // namespace StitchStandIn

using namespace StitchStandIn;

CStitchOptions* PSCreateStitch(tagStitchStyle, tagStitchOutputSize, STITCHMETHOD, tagStitchCallbacks* table)
{
    if (!table)
        return nullptr;
    callbacks = *table;
    return reinterpret_cast<CStitchOptions*>(&job);
}

int PSLoadImages(CStitchOptions*, int count, const QList<QString>& names, tagPOINT* sizes)
{
    fetched.clear();
    for (int i = 0; i < count; ++i) {
        void* dib = nullptr;
        const int code = callbacks.GetImage(&names.at(i), &dib, callbacks.pUserData);
        if (code != 0)
            return code;
        const auto* bits = static_cast<const unsigned char*>(callbacks.MemLock(dib));
        const qsizetype bytes = qsizetype(u32(bits)) + qsizetype(u32(bits + 20));
        fetched.push_back({names.at(i), QByteArray(reinterpret_cast<const char*>(bits), bytes), sizes[i]});
        callbacks.MemUnlock(dib);
        callbacks.DeleteImage(&dib, callbacks.pUserData);
    }
    return LoadCode;
}

int PSAutoOrder(CStitchOptions*, QList<QString>&, int*, int*, bool, int, int)
{
    return LoadCode;
}

int DEZeviDirevi(CStitchOptions*, unsigned int, int*, int*, QList<QString>&, void**, tagRECT**, int*,
                 unsigned short***, int*, tagRECT*)
{
    return LoadCode;
}

int PSGetBestPoints(CStitchOptions*, tagPOINT, bool, tagPOINT*)
{
    return LoadCode;
}

void PSReleaseResultDIB(CStitchOptions*) {}

void PSReleaseStitch(CStitchOptions*) {}

int PSFineTune(CStitchOptions*, tagPOINT*, tagPOINT, bool, void**, tagRECT**, int*, unsigned short***, int*,
               tagRECT*)
{
    return LoadCode;
}

int PSAdjustPath(CStitchOptions*, tagPOINT, bool, tagPOINT*, bool, bool*, unsigned short**, void**)
{
    return LoadCode;
}
