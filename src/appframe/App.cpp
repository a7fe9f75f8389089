#include "appframe/App.h"

#include <QDebug>
#include <QFile>
#include <QImageReader>

namespace {

bool isRemoteAddress(const QString& path)
{
    return path.startsWith(QLatin1String("http:/"), Qt::CaseInsensitive)
        || path.startsWith(QLatin1String("ftp:/"), Qt::CaseInsensitive);
}

} // namespace

namespace App {

bool isPictureFile(const QString& path)
{
    const QString ext = path.section(QLatin1Char('.'), -1, -1);
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    for (const QByteArray& format : formats) {
        if (QString::fromUtf8(format).compare(ext, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
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
