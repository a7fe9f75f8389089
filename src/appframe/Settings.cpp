#include "appframe/Settings.h"

#include "appframe/App.h"

#include <QDir>
#include <QStandardPaths>

#include <mutex>

namespace {

const QString recentUrlsKey = QStringLiteral("Collage/RecentUrls");
// Written with a leading slash; QSettings drops it, so the value shares the
// "app" group with the folders.
const QString languageKey = QStringLiteral("/app/language");

} // namespace

Settings* Settings::defaultSettings()
{
    static Settings* instance = nullptr;
    static std::once_flag once;
    std::call_once(once, [] {
        const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        // The data folder's parents may not exist yet on a fresh account.
        QDir().mkpath(dir);
        instance = new Settings(dir + QStringLiteral("/CollageSettings.ini"), QSettings::IniFormat);
        instance->setAtomicSyncRequired(true);
    });
    return instance;
}

Settings::Settings(const QString& fileName, QSettings::Format format, QObject* parent)
    : QSettings(fileName, format, parent)
{
    const QStringList stored = value(recentUrlsKey, QVariant()).toStringList();
    for (const QString& entry : stored) {
        if (App::validateCollageUrl(entry))
            m_recentUrls.append(QUrl(entry, QUrl::TolerantMode));
    }
}

Settings::~Settings()
{
    writeRecentUrls();
}

void Settings::writeRecentUrls()
{
    if (m_recentUrls.isEmpty()) {
        remove(recentUrlsKey);
    } else {
        QStringList entries;
        entries.reserve(m_recentUrls.size());
        for (const QUrl& url : qAsConst(m_recentUrls))
            entries.append(url.toString());
        setValue(recentUrlsKey, entries);
    }
    sync();
}

void Settings::addRecentTessoliaUrl(const QUrl& url)
{
    m_recentUrls.removeAll(url);
    while (m_recentUrls.size() >= maxRecentUrls)
        m_recentUrls.removeLast();
    m_recentUrls.prepend(url);
    // The instance is never destroyed, so the list goes to the disk now.
    writeRecentUrls();
}

void Settings::removeRecentTessoliaUrl(const QUrl& url)
{
    if (m_recentUrls.removeAll(url) > 0)
        writeRecentUrls();
}

void Settings::addCommandlineUrl(const QString& url)
{
    m_commandlineUrls.append(url);
}

QString Settings::fallbackDir()
{
    const QStringList pictures = QStandardPaths::standardLocations(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty())
        return pictures.last();
    const QStringList documents = QStandardPaths::standardLocations(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty())
        return documents.last();
    return QDir::currentPath();
}

QString Settings::directory(const QString& key)
{
    const QString dir = value(key).toString();
    if (!dir.isEmpty() && QDir(dir).exists())
        return dir;
    return fallbackDir();
}

void Settings::setDirectory(const QString& key, const QString& dir)
{
    setValue(key, dir);
    sync();
}

QString Settings::backContentDir() { return directory(QStringLiteral("app/lastBackgroundDir")); }
void Settings::setBackContentDir(QString dir) { setDirectory(QStringLiteral("app/lastBackgroundDir"), dir); }
QString Settings::maskDir() { return directory(QStringLiteral("app/lastMaskDir")); }
void Settings::setMaskDir(QString dir) { setDirectory(QStringLiteral("app/lastMaskDir"), dir); }
QString Settings::saveCanvasDir() { return directory(QStringLiteral("app/lastCanvasDir")); }
void Settings::setCanvasDir(QString dir) { setDirectory(QStringLiteral("app/lastCanvasDir"), dir); }
QString Settings::panoramaPicturesDir() { return directory(QStringLiteral("panorama/loadPicturesDir")); }
void Settings::setPanoramaPicturesDir(QString dir) { setDirectory(QStringLiteral("panorama/loadPicturesDir"), dir); }
QString Settings::zorivuvPicturesDir() { return directory(QStringLiteral("zorivuv/loadPicturesDir")); }
void Settings::setZorivuvPicturesDir(QString dir) { setDirectory(QStringLiteral("zorivuv/loadPicturesDir"), dir); }
QString Settings::collagePicturesDir() { return directory(QStringLiteral("collage/loadPicturesDir")); }
void Settings::setCollagePicturesDir(QString dir) { setDirectory(QStringLiteral("collage/loadPicturesDir"), dir); }
QString Settings::collageProjectDir() { return directory(QStringLiteral("collage/loadProjectDir")); }
void Settings::setCollageProjectDir(QString dir) { setDirectory(QStringLiteral("collage/loadProjectDir"), dir); }
QString Settings::saveCollageProjectDir() { return directory(QStringLiteral("collage/saveProjectDir")); }
void Settings::setSaveCollageProjectDir(QString dir) { setDirectory(QStringLiteral("collage/saveProjectDir"), dir); }

int Settings::language()
{
    return value(languageKey, 0).toInt();
}

void Settings::setLanguage(int language)
{
    setValue(languageKey, language);
    sync();
}
