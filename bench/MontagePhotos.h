#pragma once
// Where the benchmarks find the montage photographs: cut on first use by
// make_montage_photos.py into build/bench/montage-data (beside the bench
// programs' folder) or $VELLUMAR_MONTAGE_DATA. `cut` runs the script
// (it is given the folder) when the folder is not complete yet.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <functional>
#include <unistd.h>

namespace MontagePhotos {

inline QString programDir()
{
    char self[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    return QFileInfo(QString::fromLocal8Bit(self, int(length > 0 ? length : 0))).absolutePath();
}

inline QString folder(const std::function<void(const QString& script, const QString& folder)>& cut)
{
    static const QString dir = [&cut] {
        QString path = qEnvironmentVariable("VELLUMAR_MONTAGE_DATA");
        if (path.isEmpty())
            path = QDir(programDir()).absoluteFilePath(QStringLiteral("../montage-data"));
        path = QDir::cleanPath(path);
        if (!QFile::exists(path + QStringLiteral("/complete")))
            cut(QStringLiteral(VELLUMAR_SOURCE_DIR "/bench/make_montage_photos.py"), path);
        return path;
    }();
    return dir;
}

} // namespace MontagePhotos
