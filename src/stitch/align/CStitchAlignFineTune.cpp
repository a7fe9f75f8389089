#include "stitch/align/CStitchAlign.h"

#include "stitch/render/CStitchBlend.h"

// The fine-tune render happens on the working layer, right after the
// alignment that the fine-tune changed.
int CStitchAlign::RenderFineTune(int working)
{
    CStitchBlend blend(m_pOptions, working);
    return blend.Run(false);
}
