#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

#include <chrono>
#include <memory>

class Downloader;
class QNetworkAccessManager;
class QNetworkReply;

// One update check of one feed: the request, the feed, the version
// comparison and the prompts. Made with no parent; owns its Downloader and
// its network manager. GUI thread only.
//
// A check ends with exactly one checkingFinished, after the user has answered
// any prompt it showed. A check that fails (network error, HTTP error, a
// refused or sixth redirect, a body that is not JSON or is over 1 MiB, a
// server silent for stallTimeout() or a feed not complete within
// checkTimeout(), a feed entry with an address that is not http or https)
// leaves updateAvailable() false and says why in errorString(); it never
// reads as "up to date". The body is counted as it arrives, so an endless
// feed costs no more memory than the bound.
class Updater : public QObject
{
    Q_OBJECT

public:
    // Largest feed body read; a longer one fails the check.
    static constexpr qint64 maximumFeedSize = 1024 * 1024;
    // Redirects followed before a check fails.
    static constexpr int maximumRedirects = 5;
    // A check whose server sends nothing for this long fails. The feed is a
    // few KB from one request: its whole exchange (name lookup, TLS
    // handshake, answer) rarely takes a second, and half a minute covers
    // the slowest mobile link's round trips many times over.
    static constexpr std::chrono::milliseconds defaultStallTimeout = std::chrono::seconds(30);
    // A check not complete after this long fails, however steadily bytes
    // trickle: it runs in the background, and a minute is more than a
    // working link needs for the largest feed read (1 MiB in 60 s is
    // 140 kbit/s), while a server feeding a byte at a time never ends.
    static constexpr std::chrono::milliseconds defaultCheckTimeout = std::chrono::seconds(60);
    // Most of the feed Qt holds ahead of our count.
    static constexpr qint64 readBufferSize = 64 * 1024;

    Updater();
    ~Updater() override;

    QString url() const { return m_url; }
    QString openUrl() const { return m_openUrl; }
    QString changelog() const { return m_changelog; }
    QString moduleName() const { return m_moduleName; }
    QString platformKey() const { return m_platformKey; }
    QString downloadUrl() const { return m_downloadUrl; }
    QString latestVersion() const { return m_latestVersion; }
    QString userAgentString() const { return m_userAgentString; }
    QString moduleVersion() const { return m_moduleVersion; }
    bool customAppcast() const { return m_customAppcast; }
    bool notifyOnUpdate() const { return m_notifyOnUpdate; }
    bool notifyOnFinish() const { return m_notifyOnFinish; }
    bool mandatoryUpdate() const { return m_mandatoryUpdate; }
    bool updateAvailable() const { return m_updateAvailable; }
    bool downloaderEnabled() const { return m_downloaderEnabled; }
    int channel() const { return m_channel; }
    bool useCustomInstallProcedures() const;
    // Why the last check failed, in the user's language; empty after a check
    // that worked.
    QString errorString() const { return m_errorString; }
    std::chrono::milliseconds stallTimeout() const { return m_stallTimeout; }
    std::chrono::milliseconds checkTimeout() const { return m_checkTimeout; }
    // Both take effect with the next check.
    void setStallTimeout(std::chrono::milliseconds timeout) { m_stallTimeout = timeout; }
    void setCheckTimeout(std::chrono::milliseconds timeout) { m_checkTimeout = timeout; }

    // The downloader this updater starts; owned by the updater.
    Downloader* downloader() const { return m_downloader.get(); }

    // True when version `x` is newer than `y`: dotted parts compared as
    // integers from the left (a part that is not an int reads as 0), and with
    // all common parts equal the one with more parts is newer.
    static bool compare(const QString& x, const QString& y);

signals:
    void checkingFinished(const QString& url);
    void downloadFinished(const QString& url, const QString& filepath);
    void appcastDownloaded(const QString& url, const QByteArray& data);

public slots:
    void setUrl(const QString& url);
    void setModuleName(const QString& name);
    void setNotifyOnUpdate(bool notify);
    void setNotifyOnFinish(bool notify);
    void setModuleVersion(const QString& version);
    void setDownloaderEnabled(bool enabled);
    void setDownloadDir(const QString& dir);
    void setPlatformKey(const QString& key);
    void setUseCustomAppcast(bool customAppcast);
    void setChannel(int channel);
    void setUseCustomInstallProcedures(bool custom);
    void setMandatoryUpdate(bool mandatory);
    void setUserAgentString(const QString& agent);

    void checkForUpdates();
    void onReply(QNetworkReply* reply);
    // Stores the result and prompts as the notify flags say.
    void setUpdateAvailable(bool available);

private:
    // What a running request has given so far, and why it was stopped (empty
    // while it runs or when the network stack ended it).
    struct FeedRead
    {
        QByteArray body;
        QString stopReason;
    };

    void readFeed(QNetworkReply* reply);
    // Aborts `reply`, which then ends the check with `reason`.
    void stopFeed(QNetworkReply* reply, const QString& reason);
    void failCheck(const QString& reason);
    void acceptUpdate();

    QString m_url;
    QString m_userAgentString;
    bool m_customAppcast = false;
    bool m_notifyOnUpdate = true;
    bool m_notifyOnFinish = false;
    bool m_updateAvailable = false;
    bool m_downloaderEnabled = true;
    bool m_mandatoryUpdate = false;
    int m_channel = 0;
    QString m_openUrl;
    // This build's entries; a feed's "osx" entries are macOS packages.
    QString m_platformKey = QStringLiteral("linux");
    QString m_changelog;
    QString m_moduleName;
    QString m_downloadUrl;
    QString m_moduleVersion;
    QString m_latestVersion;
    QString m_errorString;
    std::chrono::milliseconds m_stallTimeout = defaultStallTimeout;
    std::chrono::milliseconds m_checkTimeout = defaultCheckTimeout;
    // The running requests: checks may overlap, each ends on its own.
    QHash<QNetworkReply*, FeedRead> m_reads;
    std::unique_ptr<Downloader> m_downloader;
    QNetworkAccessManager* m_manager;
};
