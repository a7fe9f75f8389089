#include "stitch/pyramid/CStitchPyramid.h"

#include "stitch/job/CStitchOptions.h"

#include <QDir>
#include <QFileInfo>

#include <new>
#include <utility>

bool CStitchPyramid::m_bTelephoto = false;
int CStitchPyramid::m_lMaxW = 0;
int CStitchPyramid::m_lMaxH = 0;

CStitchPyramid::CStitchPyramid() = default;

CStitchPyramid::~CStitchPyramid()
{
    // Layers are normally released one by one before; whatever is left must
    // not leak.
    ReleaseAllLayers();
    delete[] m_phLayers;
}

bool CStitchPyramid::AllocateLayers(int layers)
{
    ReleaseAllLayers();
    delete[] m_phLayers;
    m_phLayers = nullptr;
    m_lLayerCount = 0;
    if (layers <= 0)
        return false;
    m_phLayers = new (std::nothrow) void*[size_t(layers)]();
    if (!m_phLayers)
        return false;
    m_lLayerCount = layers;
    return true;
}

void CStitchPyramid::ReleaseAllLayers()
{
    for (int layer = 0; layer < m_lLayerCount; ++layer)
        ReleaseLayer(layer);
}

bool CStitchPyramid::IsHeld(int layer) const
{
    return layer >= 0 && layer < m_lLayerCount && m_phLayers && m_phLayers[layer];
}

void CStitchPyramid::SetName(const QString& name)
{
    m_strName = name;
    const QFileInfo info(name);
    m_strSiblingName = info.absolutePath() + QLatin1Char('/') + info.completeBaseName() + QLatin1String("0.")
        + info.suffix();
}

QString CStitchPyramid::SuppliedLayerName(int layer) const
{
    if (layer == 0)
        return m_strName;
    // The sibling name with the last character of its base name replaced by
    // the layer number.
    const QFileInfo info(m_strSiblingName);
    QString base = info.completeBaseName();
    if (!base.isEmpty())
        base.chop(1);
    return QStringLiteral("%1/%2%3.%4").arg(info.absolutePath(), base, QString::number(layer), info.suffix());
}

void* CStitchPyramid::LockHDib(int layer)
{
    if (layer < 0 || layer >= m_lLayerCount || !m_phLayers)
        return nullptr;
    if (m_phLayers[layer])
        return m_phLayers[layer];
    // Built layers stay held until released; only supplied ones are fetched.
    if (layer >= m_lSupplied && layer != 0)
        return nullptr;
    auto getImage = CStitchOptions::m_pfnGetImage;
    if (!getImage)
        return nullptr;
    const QString name = SuppliedLayerName(layer);
    void* handle = nullptr;
    if (getImage(&name, &handle, CStitchOptions::m_pUserData) != 0 || !handle)
        return nullptr;
    m_phLayers[layer] = handle;
    return handle;
}

void CStitchPyramid::UnlockHDib(int layer)
{
    if (layer < 0 || layer >= m_lLayerCount || !m_phLayers || !m_phLayers[layer])
        return;
    if (layer < m_lSupplied || layer == 0)
        ReleaseLayer(layer);
}

void CStitchPyramid::ReleaseLayer(int layer)
{
    if (layer < 0 || layer >= m_lLayerCount || !m_phLayers || !m_phLayers[layer])
        return;
    if (layer == 0) {
        if (CStitchOptions::m_pfnDeleteImage)
            CStitchOptions::m_pfnDeleteImage(&m_phLayers[0], CStitchOptions::m_pUserData);
    } else {
        CStitchOptions::MemFree(m_phLayers[layer]);
    }
    m_phLayers[layer] = nullptr;
}

void CStitchPyramid::PermuteData(CStitchPyramid* other)
{
    if (!other || other == this)
        return;
    std::swap(m_phLayers, other->m_phLayers);
    std::swap(m_lBuilt, other->m_lBuilt);
    std::swap(m_lWidth, other->m_lWidth);
    std::swap(m_lHeight, other->m_lHeight);
    std::swap(m_lSupplied, other->m_lSupplied);
    std::swap(m_lReserved, other->m_lReserved);
    std::swap(m_strName, other->m_strName);
    std::swap(m_strSiblingName, other->m_strSiblingName);
    std::swap(m_lLayerCount, other->m_lLayerCount);
}
