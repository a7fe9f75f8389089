#include "updates/QSimpleUpdater.h"

#include "updates/Updater.h"

#include <QCoreApplication>
#include <QPointer>

namespace {

QPointer<QSimpleUpdater>& instance()
{
    static QPointer<QSimpleUpdater> facade;
    return facade;
}

// Runs at the start of the application object's destruction, while widgets
// may still be deleted; as a child the facade would go only after that.
void deleteInstance()
{
    delete instance().data();
}

} // namespace

QSimpleUpdater* QSimpleUpdater::getInstance()
{
    // Made anew should the application object be replaced (tests do).
    if (!instance()) {
        instance() = new QSimpleUpdater(QCoreApplication::instance());
        qAddPostRoutine(deleteInstance);
    }
    return instance();
}

QSimpleUpdater::QSimpleUpdater(QObject* parent)
    : QObject(parent)
{
}

QSimpleUpdater::~QSimpleUpdater()
{
    m_urls.clear();
    const QList<Updater*> updaters = m_updaters;
    m_updaters.clear();
    qDeleteAll(updaters);
}

Updater* QSimpleUpdater::getUpdater(const QString& url) const
{
    const qsizetype index = m_urls.indexOf(url);
    if (index >= 0)
        return m_updaters.at(index);

    auto* updater = new Updater;
    updater->setUrl(url);
    m_urls.append(url);
    m_updaters.append(updater);
    connect(updater, &Updater::checkingFinished, this, &QSimpleUpdater::checkingFinished);
    connect(updater, &Updater::downloadFinished, this, &QSimpleUpdater::downloadFinished);
    connect(updater, &Updater::appcastDownloaded, this, &QSimpleUpdater::appcastDownloaded);
    return updater;
}

bool QSimpleUpdater::usesCustomAppcast(const QString& url) const { return getUpdater(url)->customAppcast(); }
bool QSimpleUpdater::getNotifyOnUpdate(const QString& url) const { return getUpdater(url)->notifyOnUpdate(); }
bool QSimpleUpdater::getNotifyOnFinish(const QString& url) const { return getUpdater(url)->notifyOnFinish(); }
bool QSimpleUpdater::getUpdateAvailable(const QString& url) const { return getUpdater(url)->updateAvailable(); }
bool QSimpleUpdater::getDownloaderEnabled(const QString& url) const { return getUpdater(url)->downloaderEnabled(); }
bool QSimpleUpdater::usesCustomInstallProcedures(const QString& url) const
{
    return getUpdater(url)->useCustomInstallProcedures();
}
QString QSimpleUpdater::getOpenUrl(const QString& url) const { return getUpdater(url)->openUrl(); }
QString QSimpleUpdater::getChangelog(const QString& url) const { return getUpdater(url)->changelog(); }
QString QSimpleUpdater::getModuleName(const QString& url) const { return getUpdater(url)->moduleName(); }
QString QSimpleUpdater::getDownloadUrl(const QString& url) const { return getUpdater(url)->downloadUrl(); }
QString QSimpleUpdater::getPlatformKey(const QString& url) const { return getUpdater(url)->platformKey(); }
QString QSimpleUpdater::getLatestVersion(const QString& url) const { return getUpdater(url)->latestVersion(); }
QString QSimpleUpdater::getModuleVersion(const QString& url) const { return getUpdater(url)->moduleVersion(); }
QString QSimpleUpdater::getUserAgentString(const QString& url) const { return getUpdater(url)->userAgentString(); }
QString QSimpleUpdater::getErrorString(const QString& url) const { return getUpdater(url)->errorString(); }

void QSimpleUpdater::checkForUpdates(const QString& url) const { getUpdater(url)->checkForUpdates(); }
void QSimpleUpdater::setModuleName(const QString& url, const QString& name) const
{
    getUpdater(url)->setModuleName(name);
}
void QSimpleUpdater::setNotifyOnUpdate(const QString& url, bool notify) const
{
    getUpdater(url)->setNotifyOnUpdate(notify);
}
void QSimpleUpdater::setNotifyOnFinish(const QString& url, bool notify) const
{
    getUpdater(url)->setNotifyOnFinish(notify);
}
void QSimpleUpdater::setPlatformKey(const QString& url, const QString& platform) const
{
    getUpdater(url)->setPlatformKey(platform);
}
void QSimpleUpdater::setModuleVersion(const QString& url, const QString& version) const
{
    getUpdater(url)->setModuleVersion(version);
}
void QSimpleUpdater::setDownloaderEnabled(const QString& url, bool enabled) const
{
    getUpdater(url)->setDownloaderEnabled(enabled);
}
void QSimpleUpdater::setDownloadDir(const QString& url, const QString& dir) const
{
    getUpdater(url)->setDownloadDir(dir);
}
void QSimpleUpdater::setModuleChannel(const QString& url, int channel) const
{
    getUpdater(url)->setChannel(channel);
}
void QSimpleUpdater::setUserAgentString(const QString& url, const QString& agent) const
{
    getUpdater(url)->setUserAgentString(agent);
}
void QSimpleUpdater::setUseCustomAppcast(const QString& url, bool customAppcast) const
{
    getUpdater(url)->setUseCustomAppcast(customAppcast);
}
void QSimpleUpdater::setUseCustomInstallProcedures(const QString& url, bool custom) const
{
    getUpdater(url)->setUseCustomInstallProcedures(custom);
}
void QSimpleUpdater::setMandatoryUpdate(const QString& url, bool mandatory) const
{
    getUpdater(url)->setMandatoryUpdate(mandatory);
}
