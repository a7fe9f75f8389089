#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class Updater;

// The process-wide facade of the update checker: one Updater per feed
// address (matched exactly), made on the address's first mention by any
// operation, with the updaters' signals passed on. GUI thread only.
//
// The facade goes with the application object: it is its child and is
// deleted as the application object's destruction begins. It deletes its
// updaters directly: after the event loop a deferred delete would never run,
// and their downloader windows must go while the application object is whole.
class QSimpleUpdater : public QObject
{
    Q_OBJECT

public:
    // Needs the application object; made on the first call.
    static QSimpleUpdater* getInstance();

    ~QSimpleUpdater() override;

    // The updater of `url`, made and registered on the first mention.
    Updater* getUpdater(const QString& url) const;

    bool usesCustomAppcast(const QString& url) const;
    bool getNotifyOnUpdate(const QString& url) const;
    bool getNotifyOnFinish(const QString& url) const;
    bool getUpdateAvailable(const QString& url) const;
    bool getDownloaderEnabled(const QString& url) const;
    bool usesCustomInstallProcedures(const QString& url) const;
    QString getOpenUrl(const QString& url) const;
    QString getChangelog(const QString& url) const;
    QString getModuleName(const QString& url) const;
    QString getDownloadUrl(const QString& url) const;
    QString getPlatformKey(const QString& url) const;
    QString getLatestVersion(const QString& url) const;
    QString getModuleVersion(const QString& url) const;
    QString getUserAgentString(const QString& url) const;
    // Why the last check of `url` failed; empty after one that worked.
    QString getErrorString(const QString& url) const;

signals:
    void checkingFinished(const QString& url);
    void downloadFinished(const QString& url, const QString& filepath);
    void appcastDownloaded(const QString& url, const QByteArray& data);

public slots:
    void checkForUpdates(const QString& url) const;
    void setModuleName(const QString& url, const QString& name) const;
    void setNotifyOnUpdate(const QString& url, bool notify) const;
    void setNotifyOnFinish(const QString& url, bool notify) const;
    void setPlatformKey(const QString& url, const QString& platform) const;
    void setModuleVersion(const QString& url, const QString& version) const;
    void setDownloaderEnabled(const QString& url, bool enabled) const;
    void setDownloadDir(const QString& url, const QString& dir) const;
    void setModuleChannel(const QString& url, int channel) const;
    void setUserAgentString(const QString& url, const QString& agent) const;
    void setUseCustomAppcast(const QString& url, bool customAppcast) const;
    void setUseCustomInstallProcedures(const QString& url, bool custom) const;
    void setMandatoryUpdate(const QString& url, bool mandatory) const;

private:
    explicit QSimpleUpdater(QObject* parent);

    // The registry: an address and its updater at the same index.
    mutable QStringList m_urls;
    mutable QList<Updater*> m_updaters;
};
