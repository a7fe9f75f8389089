#include "effects/AceTone.h"

#include <cstring>

namespace {

template <typename T>
bool take(T*& block, std::size_t count)
{
    block = Effects::allocate<T>(count).release();
    if (block)
        std::memset(block, 0, count * sizeof(T));
    return block != nullptr;
}

template <typename T>
void give(T*& block)
{
    delete[] block;
    block = nullptr;
}

} // namespace

int ACE_EXP_Init(ACE_EXP_CONTEXT** out)
{
    if (!out)
        return EffectNoContext;
    *out = nullptr;
    auto* context = new (std::nothrow) ACE_EXP_CONTEXT{};
    if (!context)
        return EffectNoMemory;
    const bool complete = take(context->encode8, 4096) && take(context->decode8, 256)
        && take(context->encode16, 65536) && take(context->decode16, 65536)
        && take(context->exposureCurve, 4096) && take(context->brightnessCurve8, 4096)
        && take(context->contrastTable8, 256) && take(context->brightnessCurve16, 65536)
        && take(context->contrastTable16, 65536) && take(context->histogramB, 256)
        && take(context->histogramG, 256) && take(context->histogramR, 256)
        && take(context->histogramLuma, 256);
    if (!complete) {
        ACE_EXP_Uninit(context);
        return EffectNoMemory;
    }
    Effects::fillSrgbEncode12To8(context->encode8);
    Effects::fillSrgbDecode8To12(context->decode8);
    Effects::fillSrgbEncode16(context->encode16);
    Effects::fillSrgbDecode16(context->decode16);
    // A correction run before any analysis must not read an unset curve:
    // start from the result of analysing nothing (gain 1, identity).
    context->exposureGain = 1.0;
    for (int i = 0; i < 4096; ++i)
        context->exposureCurve[i] = std::uint16_t(i);
    *out = context;
    return EffectOk;
}

int ACE_EXP_Uninit(ACE_EXP_CONTEXT* context)
{
    if (!context)
        return EffectOk;
    give(context->encode8);
    give(context->decode8);
    give(context->encode16);
    give(context->decode16);
    give(context->exposureCurve);
    give(context->brightnessCurve8);
    give(context->contrastTable8);
    give(context->brightnessCurve16);
    give(context->contrastTable16);
    give(context->histogramB);
    give(context->histogramG);
    give(context->histogramR);
    give(context->histogramLuma);
    delete context;
    return EffectOk;
}
