#include "updates/Downloader.h"

#include "ui_Downloader.h"

#include "platform/uniqueFileName.h"
#include "updates/UpdateFeed.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QStandardPaths>
#include <QUrl>

#include <cmath>

namespace {

// Progress notices are many; they are shown only when asked for. The
// category keeps its first name, so logging rules already written still apply.
Q_LOGGING_CATEGORY(lcDownloader, "vellumar.online.downloader", QtInfoMsg)

qint64 secondsSinceEpoch()
{
    return QDateTime::currentSecsSinceEpoch();
}

// A name is in use when a file, a link (even a dangling one) or the ".part"
// of an earlier or running download has it.
bool nameTaken(const QString& path)
{
    const QFileInfo file(path);
    const QFileInfo part(path + Downloader::partSuffix);
    return file.exists() || file.isSymLink() || part.exists() || part.isSymLink();
}

} // namespace

const QString Downloader::partSuffix = QStringLiteral(".part");
const QString Downloader::defaultFileName = QStringLiteral("QSU_Update.bin");

Downloader::Downloader(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::Downloader>())
    , m_downloadDir(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation))
    , m_manager(new QNetworkAccessManager(this))
{
    m_ui->setupUi(this);
    setWindowIcon(QIcon());
    // A title bar without close, minimise or maximise buttons: the window
    // ends through its own buttons.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    m_ui->openButton->setEnabled(false);
    m_ui->openButton->setVisible(false);
    connect(m_ui->stopButton, &QPushButton::clicked, this, &Downloader::cancelDownload);
    connect(m_ui->openButton, &QPushButton::clicked, this, &Downloader::installUpdate);
    setFixedSize(minimumSizeHint());
    m_stallTimer.setSingleShot(true);
    connect(&m_stallTimer, &QTimer::timeout, this, &Downloader::onStalled);
}

Downloader::~Downloader()
{
    clearUp();
}

QString Downloader::downloadDir() const
{
    return m_downloadDir.absolutePath();
}

void Downloader::setDownloadDir(const QString& dir)
{
    if (m_downloadDir.absolutePath() != dir)
        m_downloadDir.setPath(dir);
}

void Downloader::setUrlId(const QString& url) { m_urlId = url; }
void Downloader::setUserAgentString(const QString& agent) { m_userAgentString = agent; }
void Downloader::setUseCustomInstallProcedures(bool custom) { m_useCustomInstallProcedures = custom; }
void Downloader::setMandatoryUpdate(bool mandatory) { m_mandatoryUpdate = mandatory; }

void Downloader::setFileName(const QString& file)
{
    // The name comes from a web address: it must not climb out of the
    // download folder nor hide itself.
    const bool unusable = file.isEmpty() || file.startsWith(QLatin1Char('.'))
                          || file.contains(QLatin1Char('/')) || file.contains(QLatin1Char('\\'));
    m_fileName = unusable ? defaultFileName : file;
}

double Downloader::round(const double& value)
{
    return std::round(value * 100.0) / 100.0;
}

QString Downloader::sizeText(qint64 bytes)
{
    if (bytes < 1024)
        return tr("%1 bytes").arg(bytes);
    // Integer division first: 3,000,000 bytes read "2 MB".
    const auto shortest = [](qint64 whole) {
        return QString::number(round(double(whole)), 'g', QLocale::FloatingPointShortest);
    };
    if (bytes < 1048576)
        return tr("%1 KB").arg(shortest(bytes / 1024));
    return tr("%1 MB").arg(shortest(bytes / 1048576));
}

QString Downloader::timeRemainingText(double seconds)
{
    if (!std::isfinite(seconds))
        return tr("unknown");
    if (seconds > 7200) {
        const qint64 hours = qint64(seconds / 3600 + 0.5);
        return hours < 2 ? tr("about one hour") : tr("about %1 hours").arg(hours);
    }
    if (seconds > 60) {
        const qint64 minutes = qint64(seconds / 60 + 0.5);
        return minutes < 2 ? tr("1 minute") : tr("%1 minutes").arg(minutes);
    }
    const qint64 whole = qint64(seconds + 0.5);
    return whole < 2 ? tr("1 second") : tr("%1 seconds").arg(whole);
}

void Downloader::startDownload(const QUrl& url)
{
    m_ui->progressBar->setRange(0, 100);
    m_ui->progressBar->setValue(0);
    m_ui->stopButton->setText(tr("Stop"));
    m_ui->downloadLabel->setText(tr("Downloading updates"));
    m_ui->timeLabel->setText(tr("Time remaining") + QStringLiteral(": ") + tr("unknown"));
    m_ui->openButton->setEnabled(false);
    m_ui->openButton->setVisible(false);

    clearUp();
    m_savedPath.clear();
    m_received = 0;
    m_total = 0;
    showNormal();

    if (!UpdateFeed::isWebAddress(url.toString())) {
        fail(tr("Only web addresses (http, https) can be downloaded."));
        return;
    }
    if (!m_downloadDir.exists() && !m_downloadDir.mkpath(QStringLiteral("."))) {
        fail(tr("The folder %1 could not be made.").arg(QDir::toNativeSeparators(downloadDir())));
        return;
    }
    if (!createPartFile())
        return;

    QNetworkRequest request(url);
    // Qt follows redirects, never from https to http, and refuses a sixth.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(maximumRedirects);
    if (!m_userAgentString.isEmpty())
        request.setRawHeader("User-Agent", m_userAgentString.toUtf8());
    m_reply = m_manager->get(request);
    // Qt stops reading from the server while this much waits for us, so a
    // body never piles up in memory ahead of the file.
    m_reply->setReadBufferSize(readBufferSize);
    m_startTime = secondsSinceEpoch();
    m_stallTimer.start(m_stallTimeout);

    // Qt spaces its progress notices; data is written whenever it comes.
    connect(m_reply, &QNetworkReply::readyRead, this, &Downloader::onReadyRead);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &Downloader::checkAnnouncedSize);
    connect(m_reply, &QNetworkReply::redirected, this, [this] { m_stallTimer.start(); });
    connect(m_reply, &QNetworkReply::downloadProgress, this, &Downloader::updateProgress);
    connect(m_reply, &QNetworkReply::finished, this, &Downloader::finished);
    connect(m_reply, &QNetworkReply::errorOccurred, this, &Downloader::onError);
}

bool Downloader::createPartFile()
{
    const QString dir = downloadDir();
    // Another program may take the name between the look and the creation;
    // the exclusive creation notices, and the walk starts again.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString target = uniqueFileName(m_fileName, dir, nameTaken);
        m_partFile.setFileName(target + partSuffix);
        if (m_partFile.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            m_targetPath = target;
            m_written = 0;
            return true;
        }
        if (!nameTaken(target)) {
            fail(tr("The file %1 could not be written: %2")
                     .arg(QDir::toNativeSeparators(m_partFile.fileName()), m_partFile.errorString()));
            return false;
        }
    }
    fail(tr("The file %1 could not be written: %2")
             .arg(QDir::toNativeSeparators(m_partFile.fileName()), m_partFile.errorString()));
    return false;
}

void Downloader::clearUp()
{
    releaseReply(true);
    // Our own ".part" only: it was created exclusively by this download.
    if (m_partFile.isOpen()) {
        m_partFile.close();
        m_partFile.remove();
    }
}

void Downloader::releaseReply(bool abort)
{
    m_stallTimer.stop();
    // An idle window holds no buffer.
    m_readBuffer = QByteArray();
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    // Unheard: an abort finishes the reply at once.
    reply->disconnect(this);
    if (abort)
        reply->abort();
    reply->deleteLater();
}

void Downloader::fail(const QString& reason)
{
    clearUp();
    QMessageBox box(QMessageBox::Critical, tr("Error"), tr("The update could not be downloaded."),
                    QMessageBox::Close, this);
    box.setInformativeText(reason);
    box.exec();
    hide();
    if (m_mandatoryUpdate)
        endApplication();
}

void Downloader::endApplication()
{
    // Closing the windows lets the main window ask about unsaved work, and
    // the user may keep the program open; quitting would drop that work.
    QApplication::closeAllWindows();
}

void Downloader::writeFile(qint64 received, qint64 total)
{
    Q_UNUSED(received);
    Q_UNUSED(total);
    if (!m_reply || !m_partFile.isOpen())
        return;
    if (m_readBuffer.isEmpty())
        m_readBuffer = QByteArray(readBufferSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = m_reply->read(m_readBuffer.data(), m_readBuffer.size());
        if (got <= 0)
            return;
        if (got > m_maximumDownloadSize - m_written) {
            fail(tooLargeText());
            return;
        }
        if (m_partFile.write(m_readBuffer.constData(), got) != got) {
            fail(tr("The file %1 could not be written: %2")
                     .arg(QDir::toNativeSeparators(m_partFile.fileName()), m_partFile.errorString()));
            return;
        }
        m_written += got;
    }
}

QString Downloader::tooLargeText() const
{
    return tr("The download is larger than %1, more than any update needs.").arg(sizeText(m_maximumDownloadSize));
}

void Downloader::checkAnnouncedSize()
{
    m_stallTimer.start();
    if (!m_reply)
        return;
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > m_maximumDownloadSize)
        fail(tooLargeText());
}

void Downloader::onStalled()
{
    if (!m_reply)
        return;
    const auto seconds = std::chrono::ceil<std::chrono::seconds>(m_stallTimer.intervalAsDuration());
    fail(tr("The server sent nothing for %1 seconds.").arg(seconds.count()));
}

void Downloader::calculateSizes(qint64 received, qint64 total)
{
    m_ui->downloadLabel->setText(tr("Downloading updates") + QStringLiteral(" (") + sizeText(received)
                                 + QLatin1Char(' ') + tr("of") + QLatin1Char(' ') + sizeText(total)
                                 + QLatin1Char(')'));
}

void Downloader::calculateTimeRemaining(qint64 received, qint64 total)
{
    const qint64 elapsed = secondsSinceEpoch() - m_startTime;
    if (elapsed <= 0)
        return;
    const double remaining = double(total - received) / (double(received) / double(elapsed));
    m_ui->timeLabel->setText(tr("Time remaining") + QStringLiteral(": ") + timeRemainingText(remaining));
}

void Downloader::updateProgress(qint64 received, qint64 total)
{
    qCDebug(lcDownloader) << "updateProgress" << received << total;
    m_received = received;
    m_total = total;

    // Data goes to the file as it comes, whether or not a length was given.
    const bool running = m_reply != nullptr;
    writeFile(received, total);
    if (running && !m_reply)
        return; // writing failed, and the download with it
    showProgress(received, total);
}

void Downloader::showProgress(qint64 received, qint64 total)
{
    if (total < 1) {
        m_ui->progressBar->setRange(0, 0);
        m_ui->progressBar->setValue(-1);
        m_ui->downloadLabel->setText(tr("Downloading Updates") + QStringLiteral("..."));
        m_ui->timeLabel->setText(QStringLiteral("%1: %2").arg(tr("Time Remaining"), tr("Unknown")));
        return;
    }
    m_ui->progressBar->setRange(0, 100);
    m_ui->progressBar->setValue(int(qMin(received, total) * 100 / total));
    calculateSizes(received, total);
    calculateTimeRemaining(received, total);
}

void Downloader::onReadyRead()
{
    qCDebug(lcDownloader) << "onReadyRead";
    m_stallTimer.start();
    writeFile(m_received, m_total);
    // Qt's progress notices come at most every 100 ms and not at all for a
    // reply that stalls soon after its start; what was written shows now.
    if (m_reply) {
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        showProgress(qMax(m_received, m_written), length.isValid() ? length.toLongLong() : -1);
    }
}

void Downloader::onError(QNetworkReply::NetworkError error)
{
    qCDebug(lcDownloader) << "onError" << error;
}

void Downloader::finished()
{
    if (!m_reply)
        return;
    if (m_reply->error() != QNetworkReply::NoError) {
        qCDebug(lcDownloader) << "finished" << m_reply->errorString();
        fail(m_reply->errorString());
        return;
    }
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299)) {
        fail(tr("The server answered with HTTP status %1.").arg(status.toInt()));
        return;
    }

    writeFile(m_received, m_total);
    if (!m_reply)
        return;
    if (m_total > 0 && m_received < m_total) {
        fail(tr("The download ended after %1 of %2 bytes.").arg(m_received).arg(m_total));
        return;
    }
    m_partFile.close();
    if (m_partFile.error() != QFileDevice::NoError) {
        fail(tr("The file %1 could not be written: %2")
                 .arg(QDir::toNativeSeparators(m_partFile.fileName()), m_partFile.errorString()));
        return;
    }
    // rename never replaces: a file that took the name meanwhile stays.
    if (!m_partFile.rename(m_targetPath)) {
        const QString reason = tr("The file %1 could not be saved.").arg(QDir::toNativeSeparators(m_targetPath));
        QFile::remove(m_partFile.fileName());
        fail(reason);
        return;
    }
    m_savedPath = m_targetPath;
    releaseReply(false);

    emit downloadFinished(m_urlId, m_savedPath);
    installUpdate();
    // The window stays while it offers "Open".
    if (!m_ui->openButton->isVisibleTo(this))
        hide();
}

void Downloader::installUpdate()
{
    if (m_useCustomInstallProcedures)
        return;

    m_ui->stopButton->setText(tr("Close"));
    m_ui->downloadLabel->setText(tr("Download complete!"));
    m_ui->timeLabel->setText(tr("The installer will open separately") + QStringLiteral("..."));

    QMessageBox box;
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    box.setInformativeText(tr("Click \"OK\" to begin installing the update"));
    box.setText(QStringLiteral("<h3>")
                + (m_mandatoryUpdate
                       ? tr("In order to install the update, you may need to quit the application. This is a "
                            "mandatory update, exiting now will close the application")
                       : tr("In order to install the update, you may need to quit the application."))
                + QStringLiteral("</h3>"));

    if (box.exec() == QMessageBox::Ok) {
        if (openDownload())
            endApplication();
        return;
    }
    if (m_mandatoryUpdate)
        endApplication();
    m_ui->openButton->setEnabled(true);
    m_ui->openButton->setVisible(true);
    m_ui->timeLabel->setText(tr("Click the \"Open\" button to apply the update"));
}

bool Downloader::openDownload()
{
    if (m_fileName.isEmpty() || m_savedPath.isEmpty() || !QFileInfo::exists(m_savedPath)) {
        QMessageBox::critical(this, tr("Error"), tr("Cannot find downloaded update!"), QMessageBox::Close);
        return false;
    }
    // The package is shown, never run: the user decides what to do with it.
    const QUrl folder = QUrl::fromLocalFile(QFileInfo(m_savedPath).absolutePath());
    if (!QDesktopServices::openUrl(folder)) {
        QMessageBox::critical(this, tr("Error"), tr("The download folder could not be opened."),
                              QMessageBox::Close);
        return false;
    }
    return true;
}

void Downloader::cancelDownload()
{
    if (!m_reply || m_reply->isFinished()) {
        if (m_mandatoryUpdate)
            endApplication();
        hide();
        return;
    }
    QMessageBox box;
    box.setWindowTitle(tr("Updater"));
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setText(m_mandatoryUpdate ? tr("Are you sure you want to cancel the download? This is a mandatory update, "
                                       "exiting now will close the application")
                                  : tr("Are you sure you want to cancel the download?"));
    if (box.exec() != QMessageBox::Yes)
        return;
    hide();
    clearUp();
    if (m_mandatoryUpdate)
        endApplication();
}
