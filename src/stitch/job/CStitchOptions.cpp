#include "stitch/job/CStitchOptions.h"

#include "stitch/image/CImage.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/NeighbourPairs.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <new>

void* CStitchOptions::m_pUserData = nullptr;
void* CStitchOptions::m_pUserDataMemo = nullptr;
void (*CStitchOptions::m_pfnShowProgress)(int, bool*, void*) = nullptr;
int (*CStitchOptions::m_pfnGetImage)(const QString*, void**, void*) = nullptr;
void (*CStitchOptions::m_pfnDeleteImage)(void**, void*) = nullptr;
int (*CStitchOptions::m_pfnGetResultDIBData)(void*, void*) = nullptr;
void* (*CStitchOptions::m_pfnMemAlloc)(unsigned int) = PSMemAlloc;
void* (*CStitchOptions::m_pfnMemLock)(void*) = PSMemLock;
bool (*CStitchOptions::m_pfnMemUnlock)(void*) = PSMemUnlock;
void (*CStitchOptions::m_pfnMemFree)(void*) = PSMemFree;

CStitchOptions::CStitchOptions() = default;

CStitchOptions::~CStitchOptions()
{
    delete[] m_pOverlapRects;
    m_pOverlapRects = nullptr;
    delete[] m_ppPaths; // the paths themselves belong to the elements
    m_ppPaths = nullptr;
    m_lPathCount = 0;
    Release();
    if (!m_strTempDir.isEmpty())
        QDir(m_strTempDir).removeRecursively();
}

bool CStitchOptions::ShowProgress(int percent)
{
    bool cancel = false;
    if (m_pfnShowProgress)
        m_pfnShowProgress(percent, &cancel, m_pUserData);
    return cancel;
}

void* CStitchOptions::MemAlloc(unsigned int size)
{
    return m_pfnMemAlloc(size);
}

void* CStitchOptions::MemLock(void* handle)
{
    return handle ? m_pfnMemLock(handle) : nullptr;
}

bool CStitchOptions::MemUnlock(void* handle)
{
    return handle ? m_pfnMemUnlock(handle) : false;
}

void CStitchOptions::MemFree(void* handle)
{
    if (handle)
        m_pfnMemFree(handle);
}

void CStitchOptions::SetCallbacks(const tagStitchCallbacks* callbacks)
{
    m_pUserData = callbacks->pUserData;
    m_pfnShowProgress = callbacks->ShowProgress;
    m_pfnGetImage = callbacks->GetImage;
    m_pfnDeleteImage = callbacks->DeleteImage;
    m_pfnGetResultDIBData = callbacks->GetResultDIBData;
    const bool allMemory = callbacks->MemAlloc && callbacks->MemLock && callbacks->MemUnlock && callbacks->MemFree;
    m_pfnMemAlloc = allMemory ? callbacks->MemAlloc : PSMemAlloc;
    m_pfnMemLock = allMemory ? callbacks->MemLock : PSMemLock;
    m_pfnMemUnlock = allMemory ? callbacks->MemUnlock : PSMemUnlock;
    m_pfnMemFree = allMemory ? callbacks->MemFree : PSMemFree;
}

void CStitchOptions::Release()
{
    MemFree(m_hWorkDib);
    m_hWorkDib = nullptr;
    MemFree(m_hResultDib);
    m_hResultDib = nullptr;
    DeleteTempFiles();
}

void CStitchOptions::DeleteTempFiles()
{
    if (!m_Matrix.m_pElements)
        return;
    for (int i = 0; i < m_Matrix.ArrayLength(); ++i)
        DeleteOneElementTempFiles(&m_Matrix.m_pElements[i]);
}

bool CStitchOptions::CreateTempDir()
{
    if (!m_strTempDir.isEmpty() && QDir(m_strTempDir).exists())
        return true;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty())
        return false;
    const QString base = cache + QStringLiteral("/Panorama");
    if (!QDir().mkpath(base))
        return false;
    // A folder of the job's own: two jobs, or two running programs, never
    // share (and so never delete) each other's files.
    QTemporaryDir dir(base + QStringLiteral("/job-XXXXXX"));
    if (!dir.isValid())
        return false;
    dir.setAutoRemove(false);
    m_strTempDir = QDir(dir.path()).absolutePath();
    m_FileManager.SetTempDir(m_strTempDir);
    return true;
}

void CStitchOptions::DeleteOneElementTempFiles(CStitchElement* element)
{
    if (!element)
        return;
    for (int i = 0; i < CStitchElement::kFileIdCount; ++i) {
        int* id = element->FileId(i);
        if (*id != -1)
            RemoveFile(*id);
        *id = -1;
    }
}

void CStitchOptions::RemoveFile(int id)
{
    QString name;
    m_FileManager.GetTotalTempFileName(id, name);
    QFile::remove(name);
}

int CStitchOptions::OverlapCount() const
{
    // A tile grid's rows are joined twice over: their placements, and the
    // strips the rows were rendered into.
    const NeighbourPairs pairs(m_Matrix);
    if (m_Matrix.m_Style == StitchStyleTile && pairs.SeamCount() > 0)
        return pairs.SeamCount() + m_Matrix.m_lRows - 1;
    return pairs.SeamCount();
}

int CStitchOptions::PathCount() const
{
    return NeighbourPairs(m_Matrix).SeamCount();
}
