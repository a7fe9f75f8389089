#include "updates/Updater.h"

#include "updates/Downloader.h"
#include "updates/UpdateFeed.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringList>
#include <QTimer>
#include <QUrl>

namespace {

QString oversizedText()
{
    return Updater::tr("The update information is larger than 1 MiB.");
}

QString heading(const QString& text)
{
    return QStringLiteral("<h3>") + text + QStringLiteral("</h3>");
}

int exec(QMessageBox& box)
{
    box.setTextFormat(Qt::RichText);
    box.setIcon(QMessageBox::Information);
    return box.exec();
}

} // namespace

Updater::Updater()
    : m_userAgentString(QStringLiteral("%1/%2").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion()))
    , m_moduleName(QCoreApplication::applicationName())
    , m_moduleVersion(QCoreApplication::applicationVersion())
    , m_downloader(std::make_unique<Downloader>())
    , m_manager(new QNetworkAccessManager(this))
{
    m_downloader->setUserAgentString(m_userAgentString);
    connect(m_downloader.get(), &Downloader::downloadFinished, this, &Updater::downloadFinished);
    connect(m_manager, &QNetworkAccessManager::finished, this, &Updater::onReply);
}

Updater::~Updater()
{
    // Replies go with the manager, after this object's members.
    disconnect(m_manager, nullptr, this, nullptr);
}

bool Updater::useCustomInstallProcedures() const
{
    return m_downloader->useCustomInstallProcedures();
}

bool Updater::compare(const QString& x, const QString& y)
{
    const QStringList xs = x.split(QLatin1Char('.'));
    const QStringList ys = y.split(QLatin1Char('.'));
    const qsizetype common = qMin(xs.size(), ys.size());
    for (qsizetype i = 0; i < common; ++i) {
        // toInt gives 0 for an empty part, a non-number and an int overflow.
        const int a = xs.at(i).toInt(nullptr, 10);
        const int b = ys.at(i).toInt(nullptr, 10);
        if (a != b)
            return a > b;
    }
    return xs.size() > ys.size();
}

void Updater::setUrl(const QString& url) { m_url = url; }
void Updater::setModuleName(const QString& name) { m_moduleName = name; }
void Updater::setNotifyOnUpdate(bool notify) { m_notifyOnUpdate = notify; }
void Updater::setNotifyOnFinish(bool notify) { m_notifyOnFinish = notify; }
void Updater::setModuleVersion(const QString& version) { m_moduleVersion = version; }
void Updater::setDownloaderEnabled(bool enabled) { m_downloaderEnabled = enabled; }
void Updater::setDownloadDir(const QString& dir) { m_downloader->setDownloadDir(dir); }
void Updater::setPlatformKey(const QString& key) { m_platformKey = key; }
void Updater::setUseCustomAppcast(bool customAppcast) { m_customAppcast = customAppcast; }
void Updater::setChannel(int channel) { m_channel = channel; }
void Updater::setUseCustomInstallProcedures(bool custom) { m_downloader->setUseCustomInstallProcedures(custom); }
void Updater::setMandatoryUpdate(bool mandatory) { m_mandatoryUpdate = mandatory; }

void Updater::setUserAgentString(const QString& agent)
{
    m_userAgentString = agent;
    m_downloader->setUserAgentString(agent);
}

void Updater::checkForUpdates()
{
    QNetworkRequest request(QUrl(m_url, QUrl::TolerantMode));
    // Qt follows redirects, never from https to http, and refuses a sixth.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(maximumRedirects);
    if (!m_userAgentString.isEmpty())
        request.setRawHeader("User-Agent", m_userAgentString.toUtf8());

    QNetworkReply* reply = m_manager->get(request);
    // The body is taken as it comes and counted, so Qt never holds more
    // than this ahead of the count.
    reply->setReadBufferSize(readBufferSize);
    m_reads.insert(reply, FeedRead());

    // The clocks are the reply's children: they go with it.
    auto* stall = new QTimer(reply);
    stall->setSingleShot(true);
    const auto stallSeconds = std::chrono::ceil<std::chrono::seconds>(m_stallTimeout).count();
    connect(stall, &QTimer::timeout, this, [this, reply, stallSeconds] {
        stopFeed(reply, tr("The update server sent nothing for %1 seconds.").arg(stallSeconds));
    });
    auto* whole = new QTimer(reply);
    whole->setSingleShot(true);
    const auto wholeSeconds = std::chrono::ceil<std::chrono::seconds>(m_checkTimeout).count();
    connect(whole, &QTimer::timeout, this, [this, reply, wholeSeconds] {
        stopFeed(reply, tr("The update information did not arrive within %1 seconds.").arg(wholeSeconds));
    });
    stall->start(m_stallTimeout);
    whole->start(m_checkTimeout);

    // Any sign of the server's life restarts the stall clock.
    const auto alive = [stall] { stall->start(); };
    connect(reply, &QNetworkReply::redirected, stall, alive);
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply, alive] {
        alive();
        // A feed announcing more than the bound is refused before its body.
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > maximumFeedSize)
            stopFeed(reply, oversizedText());
    });
    connect(reply, &QNetworkReply::readyRead, this, [this, reply, alive] {
        alive();
        readFeed(reply);
    });
}

void Updater::readFeed(QNetworkReply* reply)
{
    const auto read = m_reads.find(reply);
    if (read == m_reads.end() || !read->stopReason.isEmpty())
        return;
    read->body += reply->readAll();
    if (read->body.size() > maximumFeedSize)
        stopFeed(reply, oversizedText());
}

void Updater::stopFeed(QNetworkReply* reply, const QString& reason)
{
    const auto read = m_reads.find(reply);
    if (read == m_reads.end() || !read->stopReason.isEmpty())
        return;
    read->stopReason = reason;
    // Frees the body at once; the abort ends the check through onReply.
    read->body = QByteArray();
    reply->abort();
}

void Updater::onReply(QNetworkReply* reply)
{
    reply->deleteLater();
    // Once taken, the reply's clocks and notices find nothing to stop.
    FeedRead read = m_reads.take(reply);

    if (!read.stopReason.isEmpty()) {
        failCheck(read.stopReason);
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        failCheck(reply->errorString());
        return;
    }
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299)) {
        failCheck(tr("The server answered with HTTP status %1.").arg(status.toInt()));
        return;
    }
    // What came after the last notice, if anything.
    read.body += reply->read(maximumFeedSize + 1 - read.body.size());
    const QByteArray& body = read.body;
    if (body.size() > maximumFeedSize) {
        failCheck(oversizedText());
        return;
    }

    if (m_customAppcast) {
        m_errorString.clear();
        emit appcastDownloaded(m_url, body);
        emit checkingFinished(m_url);
        return;
    }

    UpdateFeedEntry entry;
    switch (UpdateFeed::read(body, m_platformKey, m_moduleName, m_channel, &entry)) {
    case UpdateFeed::NotJson:
        failCheck(tr("The update information is not readable."));
        return;
    case UpdateFeed::NoMatch:
        break;
    case UpdateFeed::Matched:
        // Only web addresses are opened or downloaded.
        for (const QString& address : {entry.openUrl, entry.downloadUrl}) {
            if (!address.isEmpty() && !UpdateFeed::isWebAddress(address)) {
                failCheck(tr("The update information names an address that is not a web address: %1")
                              .arg(address));
                return;
            }
        }
        m_openUrl = entry.openUrl;
        m_changelog = entry.changelog;
        m_downloadUrl = entry.downloadUrl;
        m_latestVersion = entry.latestVersion;
        if (entry.hasMandatory)
            m_mandatoryUpdate = entry.mandatory;
        break;
    }

    m_errorString.clear();
    setUpdateAvailable(compare(m_latestVersion, m_moduleVersion));
    emit checkingFinished(m_url);
}

void Updater::failCheck(const QString& reason)
{
    m_errorString = reason;
    m_updateAvailable = false;
    if (m_notifyOnFinish) {
        QMessageBox box;
        box.setText(heading(tr("Could not check for updates of %1").arg(m_moduleName)));
        box.setInformativeText(reason.toHtmlEscaped());
        box.setStandardButtons(QMessageBox::Close);
        exec(box);
    }
    emit checkingFinished(m_url);
}

void Updater::setUpdateAvailable(bool available)
{
    m_updateAvailable = available;

    if (!available) {
        if (!m_notifyOnFinish)
            return;
        QMessageBox box;
        box.setText(heading(tr("Congratulations! You are running the latest version of %1").arg(m_moduleName)));
        box.setInformativeText(tr("No updates are available for the moment"));
        box.setStandardButtons(QMessageBox::Close);
        exec(box);
        return;
    }

    if (!m_notifyOnUpdate && !m_notifyOnFinish)
        return;
    QMessageBox box;
    box.setText(heading(tr("Version %1 of %2 has been released!").arg(m_latestVersion, m_moduleName)));
    box.setInformativeText(m_mandatoryUpdate
                               ? tr("Would you like to download the update now? This is a mandatory update, "
                                    "exiting now will close the application.")
                               : tr("Would you like to download the update now?"));
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    if (exec(box) == QMessageBox::Yes)
        acceptUpdate();
    else if (m_mandatoryUpdate)
        // Closing the windows lets the main window ask about unsaved work;
        // the user may still keep the program open.
        QApplication::closeAllWindows();
}

void Updater::acceptUpdate()
{
    if (!m_openUrl.isEmpty()) {
        QDesktopServices::openUrl(QUrl(m_openUrl, QUrl::TolerantMode));
    } else if (m_downloaderEnabled) {
        m_downloader->setUrlId(m_url);
        m_downloader->setFileName(m_downloadUrl.split(QLatin1Char('/')).constLast());
        m_downloader->setMandatoryUpdate(m_mandatoryUpdate);
        m_downloader->startDownload(QUrl(m_downloadUrl));
    } else {
        QDesktopServices::openUrl(QUrl(m_downloadUrl, QUrl::TolerantMode));
    }
}
