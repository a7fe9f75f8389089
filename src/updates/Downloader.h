#pragma once

#include <QDir>
#include <QFile>
#include <QNetworkReply>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <memory>

class QNetworkAccessManager;
class QUrl;

namespace Ui {
class Downloader;
}

// The update downloader: a small application-modal window that fetches one
// package over http or https into the download folder, shows progress, size
// and remaining time, and then points the user to the saved file. Made with
// no parent (a top-level window); owns its form, its reply and its network
// manager. GUI thread only.
//
// Data goes to "<name>.part" as it arrives, through a read buffer of fixed
// size, so memory stays flat whatever the package's size; the finished file
// gets the first free name by the program's rule ("pkg.zip", "pkg_1.zip",
// ...), so a file of the user's is never replaced or deleted. A package
// larger than maximumDownloadSize() or a server that sends nothing for
// stallTimeout() stops the download. Any failure or a cancel removes our
// ".part" and emits nothing. The package is never run: "Open" shows the
// download folder.
class Downloader : public QWidget
{
    Q_OBJECT

public:
    // Suffix of the file that holds a download while it runs.
    static const QString partSuffix;
    // Name used when the package address ends in a name we will not use.
    static const QString defaultFileName;
    // Redirects followed before a download fails.
    static constexpr int maximumRedirects = 5;
    // Largest package saved: 4 GiB. This program's installers weigh some
    // hundred MB; ten times that is still far below the cap, while a body
    // past it is no installer but a server filling the user's disk. 4 GiB is
    // also the most a FAT32 download folder (a USB stick) can hold in a file.
    static constexpr qint64 defaultMaximumDownloadSize = qint64(4) * 1024 * 1024 * 1024;
    // A download that receives nothing for this long is stopped. A minute
    // outlasts the pauses of a working connection (a Wi-Fi roam, a busy
    // mirror, a mobile link changing cells); a server silent for longer has
    // in practice dropped the transfer, and the user should not have to
    // notice a frozen progress bar and press Stop.
    static constexpr std::chrono::milliseconds defaultStallTimeout = std::chrono::seconds(60);
    // Most of the body Qt holds ahead of the writer: 1 MiB keeps a fast link
    // at full speed with few wake-ups and costs nothing to hold.
    static constexpr qint64 readBufferSize = 1024 * 1024;

    explicit Downloader(QWidget* parent = nullptr);
    ~Downloader() override;

    // Absolute path of the download folder (by default the user's download
    // location).
    QString downloadDir() const;
    void setDownloadDir(const QString& dir);
    bool useCustomInstallProcedures() const { return m_useCustomInstallProcedures; }
    // The name asked for; the saved file may carry a counter (see above).
    QString fileName() const { return m_fileName; }
    // Full path of the last finished download; empty before one finished.
    QString savedFilePath() const { return m_savedPath; }
    qint64 maximumDownloadSize() const { return m_maximumDownloadSize; }
    // Takes effect with the next download.
    void setMaximumDownloadSize(qint64 bytes) { m_maximumDownloadSize = bytes; }
    std::chrono::milliseconds stallTimeout() const { return m_stallTimeout; }
    // Takes effect with the next download.
    void setStallTimeout(std::chrono::milliseconds timeout) { m_stallTimeout = timeout; }

    // One size of the label: "%1 bytes" below 1024, "%1 KB" below 1048576,
    // else "%1 MB", each after integer division (so always a whole number).
    static QString sizeText(qint64 bytes);
    // The time part of the label for `seconds` left; "unknown" when it is not
    // a finite number.
    static QString timeRemainingText(double seconds);
    // `value` rounded to two decimals, halves away from zero.
    static double round(const double& value);

signals:
    void downloadFinished(const QString& url, const QString& filepath);

public slots:
    void setUrlId(const QString& url);
    void startDownload(const QUrl& url);
    // A name that is empty, ".", "..", starts with "." or holds a path
    // separator becomes defaultFileName.
    void setFileName(const QString& file);
    void setUserAgentString(const QString& agent);
    void setUseCustomInstallProcedures(bool custom);
    void setMandatoryUpdate(bool mandatory);

    void finished();
    // Shows the download folder; false when the file is gone or the folder
    // cannot be shown.
    bool openDownload();
    void installUpdate();
    void cancelDownload();

    void writeFile(qint64 received, qint64 total);
    void calculateSizes(qint64 received, qint64 total);
    void updateProgress(qint64 received, qint64 total);
    void calculateTimeRemaining(qint64 received, qint64 total);
    void onReadyRead();
    void onError(QNetworkReply::NetworkError error);
    // Drops the running reply, if any, and removes its ".part".
    void clearUp();

private:
    bool createPartFile();
    // Fails the download when the announced length is over the cap.
    void checkAnnouncedSize();
    QString tooLargeText() const;
    // Forgets the reply (aborted first when asked, deleted later) and stops
    // its timer.
    void releaseReply(bool abort);
    void onStalled();
    // Progress bar and labels for `received` of `total` bytes (below 1: no
    // length known).
    void showProgress(qint64 received, qint64 total);
    void fail(const QString& reason);
    void endApplication();

    std::unique_ptr<Ui::Downloader> m_ui;
    QString m_urlId;
    qint64 m_startTime = 0;
    QDir m_downloadDir;
    QString m_fileName;
    QNetworkReply* m_reply = nullptr;
    QString m_userAgentString;
    bool m_useCustomInstallProcedures = false;
    bool m_mandatoryUpdate = false;
    QNetworkAccessManager* m_manager;

    // The running download's ".part" and the name it will get.
    QFile m_partFile;
    QString m_targetPath;
    qint64 m_written = 0;
    // Holds one read of the reply: the body is copied through it to the file.
    QByteArray m_readBuffer;
    qint64 m_maximumDownloadSize = defaultMaximumDownloadSize;
    std::chrono::milliseconds m_stallTimeout = defaultStallTimeout;
    // Restarted by every sign of life of the reply.
    QTimer m_stallTimer;
    // The last progress notice: bytes received and announced (below 1 when
    // the server gave no length).
    qint64 m_received = 0;
    qint64 m_total = 0;
    QString m_savedPath;
};
