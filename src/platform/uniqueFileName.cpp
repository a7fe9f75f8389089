#include "platform/uniqueFileName.h"

#include <QFile>

QString uniqueFileName(const QString& fileName, const QString& dir)
{
    return uniqueFileName(fileName, dir, [](const QString& path) { return QFile::exists(path); });
}

QString uniqueFileName(const QString& fileName, const QString& dir,
                       const std::function<bool(const QString& path)>& taken)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? fileName : fileName.left(dot);
    const QString suffix = dot < 0 ? QString() : fileName.mid(dot); // with its dot

    QString candidate = dir + QLatin1Char('/') + base + suffix;
    for (qint64 counter = 1; taken(candidate); ++counter)
        candidate = QStringLiteral("%1/%2_%3%4").arg(dir, base, QString::number(counter), suffix);
    return candidate;
}
