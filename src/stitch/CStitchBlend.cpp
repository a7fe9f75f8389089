#include "stitch/CStitchBlend.h"

#include "stitch/CScanRegion.h"

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
