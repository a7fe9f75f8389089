#include "stitch/render/CStitchBlend.h"

#include "stitch/interface/StitchEnums.h"
#include "stitch/outline/CScanRegion.h"

CStitchBlend::CStitchBlend(CStitchOptions* job, int layer)
    : m_lLayer(layer)
    , m_pOptions(job)
{
}

CStitchBlend::~CStitchBlend()
{
    delete[] m_pScanRegions;
    delete[] m_pClosingAxis;
}

int CStitchBlend::CheckPanoramaSize(const tagRECT& rc)
{
    const long long width = (long long)rc.right - rc.left;
    const long long height = (long long)rc.bottom - rc.top;
    return width < 32 || height < 32 ? StitchGridOrTempDir : StitchOk;
}
