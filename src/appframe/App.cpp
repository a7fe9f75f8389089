#include "appframe/App.h"

#include <QDebug>
#include <QFile>
#include <QImageReader>
#include <QMutex>
#include <QSet>

namespace {

bool isRemoteAddress(const QString& path)
{
    return path.startsWith(QLatin1String("http:/"), Qt::CaseInsensitive)
        || path.startsWith(QLatin1String("ftp:/"), Qt::CaseInsensitive);
}

// The readers' formats in lower case. Asking the plug-in loader costs tens
// of microseconds, and this runs for every file of a listed folder, so the
// list is kept once it is known (the plug-ins are all in place at start-up).
QSet<QString> readableFormats()
{
    static QMutex mutex;
    static QSet<QString> formats;
    QMutexLocker lock(&mutex);
    if (formats.isEmpty()) {
        const QList<QByteArray> list = QImageReader::supportedImageFormats();
        for (const QByteArray& format : list)
            formats.insert(QString::fromUtf8(format).toLower());
    }
    return formats;
}

} // namespace

namespace App {

bool isPictureFile(const QString& path)
{
    const QString ext = path.section(QLatin1Char('.'), -1, -1).toLower();
    return readableFormats().contains(ext);
}

bool isCollageFile(const QString& path)
{
    return path.endsWith(QLatin1String(".pmp2"), Qt::CaseInsensitive);
}

bool isContentUrl(const QString& path)
{
    if (QFile::exists(path) || isRemoteAddress(path))
        return isCollageFile(path) || isPictureFile(path);
    return false;
}

bool validateCollageUrl(const QString& path)
{
    if (isCollageFile(path) && QFile::exists(path))
        return true;
    if (isRemoteAddress(path))
        qWarning("App::validateCollageUrl: http or ftp urls not allowed for now");
    return false;
}

QString imageFormatPatterns(const QList<QByteArray>& formats)
{
    QString patterns;
    for (const QByteArray& format : formats) {
        const QString f = QString::fromUtf8(format);
        patterns += QStringLiteral("*.") + f + QStringLiteral(" *.") + f.toUpper() + QLatin1Char(' ');
    }
    return patterns;
}

QString supportedImageFormats()
{
    // Built again while empty, so a reader that knows no format yet is asked anew.
    static QString cached;
    if (cached.isEmpty())
        cached = imageFormatPatterns(QImageReader::supportedImageFormats());
    return cached;
}

} // namespace App
