#include "stitch/pyramid/CFileManager.h"

#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"

#include <QFile>
#include <QSaveFile>

#include <cstdint>
#include <new>

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "graph records are read as they lie");

long CFileManager::m_lCounter = 0;

CFileManager::CFileManager() = default;
CFileManager::~CFileManager() = default;

void CFileManager::SetTempDir(const QString& dir)
{
    m_strTempDir = dir;
}

void CFileManager::GetTotalTempFileName(int id, QString& name) const
{
    name = m_strTempDir + QStringLiteral("/Panorama%1").arg(id);
}

int CFileManager::GetFileID()
{
    for (int tries = 0; tries < kMaxTries; ++tries) {
        const long id = m_lCounter++;
        if (id < 0 || id > 0x7FFFFFFF) {
            m_lCounter = 0;
            continue;
        }
        QString name;
        GetTotalTempFileName(int(id), name);
        // Creating exclusively is the check: a name someone else holds fails.
        QFile file(name);
        if (file.open(QIODevice::ReadWrite | QIODevice::NewOnly))
            return int(id);
    }
    return kNoFile;
}

bool CFileManager::SaveImageFile(int id, CImage* image)
{
    QString name;
    GetTotalTempFileName(id, name);
    return image && image->Save(name) == 0;
}

bool CFileManager::LoadImageFile(int id, CImage* image)
{
    QString name;
    GetTotalTempFileName(id, name);
    return image && image->Load(name) == 0;
}

bool CFileManager::SaveMaskFile(int id, CMask* mask)
{
    QString name;
    GetTotalTempFileName(id, name);
    return mask && mask->Save(name);
}

bool CFileManager::LoadMaskFile(int id, CMask* mask)
{
    QString name;
    GetTotalTempFileName(id, name);
    return mask && mask->Load(name);
}

bool CFileManager::SaveGraphFile(int id, const unsigned short* costs, int width, int height)
{
    if (width <= 0 || height <= 0 || !costs)
        return false;
    QString name;
    GetTotalTempFileName(id, name);
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const std::int32_t sizes[2] = {width, height};
    const qint64 bytes = std::int64_t(width) * height * 2;
    if (file.write(reinterpret_cast<const char*>(sizes), sizeof sizes) != qint64(sizeof sizes))
        return false;
    if (file.write(reinterpret_cast<const char*>(costs), bytes) != bytes)
        return false;
    // commit does not report a failed final flush (a full disk).
    if (!file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool CFileManager::LoadGraphFile(int id, unsigned short*& costs, int& width, int& height)
{
    QString name;
    GetTotalTempFileName(id, name);
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    std::int32_t sizes[2] = {0, 0};
    if (file.read(reinterpret_cast<char*>(sizes), sizeof sizes) != qint64(sizeof sizes))
        return false;
    if (sizes[0] <= 0 || sizes[1] <= 0)
        return false;
    const std::int64_t count = std::int64_t(sizes[0]) * sizes[1];
    if (file.size() - qint64(sizeof sizes) != count * 2)
        return false;
    auto* values = new (std::nothrow) unsigned short[size_t(count)];
    if (!values)
        return false;
    if (file.read(reinterpret_cast<char*>(values), count * 2) != count * 2) {
        delete[] values;
        return false;
    }
    costs = values;
    width = sizes[0];
    height = sizes[1];
    return true;
}
