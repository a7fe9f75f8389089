#pragma once

#include <QDir>
#include <QFile>
#include <QNetworkReply>
#include <QString>
#include <QWidget>

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
// Data goes to "<name>.part" as it arrives; the finished file gets the first
// free name by the program's rule ("pkg.zip", "pkg_1.zip", ...), so a file of
// the user's is never replaced or deleted. Any failure or a cancel removes
// our ".part" and emits nothing. The package is never run: "Open" shows the
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
    // The last progress notice: bytes received and announced (below 1 when
    // the server gave no length).
    qint64 m_received = 0;
    qint64 m_total = 0;
    QString m_savedPath;
};
