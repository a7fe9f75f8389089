#pragma once

#include <QList>
#include <QSettings>
#include <QStringList>
#include <QUrl>

// The user's settings: last folders of the file dialogs, interface language,
// window geometry, recently used projects and the file names given on the
// command line. An INI file "CollageSettings.ini" in the application data
// folder; every other part of the program goes through defaultSettings().
//
// Every setter writes through to the disk at once. GUI thread only, except
// the first call of defaultSettings(), which is safe from any thread.
class Settings : public QSettings
{
    Q_OBJECT

public:
    // Most recent projects kept by addRecentTessoliaUrl().
    static constexpr int maxRecentUrls = 8;

    // The one instance, made on first use and never deleted.
    static Settings* defaultSettings();

    Settings(const QString& fileName, QSettings::Format format, QObject* parent = nullptr);
    ~Settings() override;

    // Recent projects, most recent first. Entries that are no longer an
    // existing local project file are dropped when the file is loaded.
    QList<QUrl> recentTessoliaUrls() const { return m_recentUrls; }
    // Puts `url` first, removing an older equal entry; keeps at most
    // maxRecentUrls entries.
    void addRecentTessoliaUrl(const QUrl& url);
    void removeRecentTessoliaUrl(const QUrl& url);

    // File names taken from the command line, in order; never stored.
    void addCommandlineUrl(const QString& url);
    QStringList commandlineUrls() const { return m_commandlineUrls; }

    // Last-used folders. A getter falls back to the Pictures folder, then
    // Documents, then the current folder when none is stored or the stored
    // one no longer exists. A setter stores the text as given.
    QString backContentDir();
    void setBackContentDir(QString dir);
    QString maskDir();
    void setMaskDir(QString dir);
    QString saveCanvasDir();
    void setCanvasDir(QString dir);
    QString panoramaPicturesDir();
    void setPanoramaPicturesDir(QString dir);
    QString zorivuvPicturesDir();
    void setZorivuvPicturesDir(QString dir);
    QString collagePicturesDir();
    void setCollagePicturesDir(QString dir);
    QString collageProjectDir();
    void setCollageProjectDir(QString dir);
    QString saveCollageProjectDir();
    void setSaveCollageProjectDir(QString dir);

    // Interface language as a QLocale::Language value; 0 when the system
    // language applies.
    int language();
    void setLanguage(int language);

    // The folder a directory getter returns when nothing usable is stored.
    static QString fallbackDir();

private:
    QString directory(const QString& key);
    void setDirectory(const QString& key, const QString& dir);
    void writeRecentUrls();

    QList<QUrl> m_recentUrls;
    QStringList m_commandlineUrls;
};
