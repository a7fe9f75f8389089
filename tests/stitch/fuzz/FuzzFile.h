#pragma once

// Writes a fuzz input to a file of a private folder, so the library's own
// readers can take it by name.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace FuzzFile {

inline QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

inline bool write(const QString& path, const std::uint8_t* data, std::size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size);
}

} // namespace FuzzFile
