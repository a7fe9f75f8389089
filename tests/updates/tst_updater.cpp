#include "updates/Downloader.h"
#include "updates/QSimpleUpdater.h"
#include "updates/UpdateFeed.h"
#include "updates/Updater.h"

#include "BoxDriver.h"
#include "LoopbackServer.h"
#include "MemoryProbeMain.h"
#include "StandInWindows.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <memory>

namespace {

// Generous: a loaded two-core machine under sanitizers is slow.
constexpr int waitMs = 30000;

QByteArray entry(const QString& module, int channel, const QString& version, const QString& extra = QString())
{
    return QStringLiteral("{\"module-name\": \"%1\", \"channel\": %2, \"latest-version\": \"%3\", "
                          "\"download-url\": \"https://127.0.0.1:1/pkg.zip\"%4}")
        .arg(module)
        .arg(channel)
        .arg(version, extra.isEmpty() ? QString() : QStringLiteral(", ") + extra)
        .toUtf8();
}

QByteArray feedBody(const QList<QByteArray>& entries, const char* platform = "linux")
{
    QByteArray body = "{\"" + QByteArray(platform) + "\": [";
    for (qsizetype i = 0; i < entries.size(); ++i)
        body += (i ? "," : "") + entries.at(i);
    return body + "]}";
}

// The child of endlessFeedKeepsMemoryFlat: checks `warm` (the network
// stack's first use), notes the peak resident size, checks `url` and
// reports.
int feedChild(const QStringList& arguments)
{
    if (arguments.size() != 3)
        return 2;
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    Updater updater;
    updater.setNotifyOnUpdate(false);
    const auto check = [&](const QString& url) {
        QSignalSpy finished(&updater, &Updater::checkingFinished);
        updater.setUrl(url);
        updater.checkForUpdates();
        return MemoryProbe::waitUntil([&] { return finished.count() > 0; }, 300000);
    };
    if (!check(arguments.at(1)) || !updater.errorString().isEmpty())
        return 3;
    const MemoryProbe::Peak peak;
    if (!check(arguments.at(2)))
        return 4;
    QTextStream out(stdout);
    out << "grown " << peak.grownKiB() << "\n";
    out << "error " << updater.errorString() << "\n";
    return 0;
}

} // namespace

class TestUpdater : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void compare_data();
    void compare();
    void defaults();

    void feed_data();
    void feed();
    void customAppcast();
    void prompts_data();
    void prompts();
    void failedChecks_data();
    void failedChecks();
    void userAgentIsSent();
    void slowFeeds_data();
    void slowFeeds();
    void endlessFeedKeepsMemoryFlat();

    void acceptOpensWebPage();
    void acceptWithoutDownloaderOpensPackageAddress();
    void acceptDownloadsIntoFolder();
    void refusedMandatoryUpdateAsksToSave();
    void olderMandatoryVersionIsNotOffered();

    void facadeRegistersEachAddressOnce();
    void facadeGoesWithItsUpdatersAtOnce();

private:
    // Runs one check of `updater` and waits for its end; the boxes it shows
    // are answered with `answers`.
    // False (with a warning) unless exactly one checkingFinished came, for
    // the updater's address. The boxes shown go to `seen`.
    bool check(Updater& updater, QList<QMessageBox::StandardButton> answers, QList<BoxDriver::Seen>* seen,
               int* finishedBeforeAnswer = nullptr);

    QTemporaryDir m_dir;
    QSslConfiguration m_trustedTls;
    QSslConfiguration m_untrustedTls;
    std::unique_ptr<LoopbackServer> m_http;
    std::unique_ptr<LoopbackServer> m_https;
    std::unique_ptr<LoopbackServer> m_untrusted;
    std::unique_ptr<Updater> m_updater;
    UrlCatcher m_catcher;
};

void TestUpdater::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Loopback traffic never goes through a proxy of the environment.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QCoreApplication::setApplicationName(QStringLiteral("Vellumar"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.9.9"));

    QString error;
    m_trustedTls = LoopbackServer::selfSigned(m_dir.path(), QStringLiteral("trusted"), &error);
    QVERIFY2(!m_trustedTls.localCertificate().isNull(), qPrintable(error));
    m_untrustedTls = LoopbackServer::selfSigned(m_dir.path(), QStringLiteral("untrusted"), &error);
    QVERIFY2(!m_untrustedTls.localCertificate().isNull(), qPrintable(error));
    LoopbackServer::trust(m_trustedTls.localCertificate());

    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_catcher, "open");
}

void TestUpdater::cleanupTestCase()
{
    for (const char* scheme : {"https", "http", "file"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void TestUpdater::init()
{
    m_http = std::make_unique<LoopbackServer>();
    m_https = std::make_unique<LoopbackServer>();
    m_untrusted = std::make_unique<LoopbackServer>();
    QVERIFY(m_http->listen());
    QVERIFY(m_https->listen(m_trustedTls));
    QVERIFY(m_untrusted->listen(m_untrustedTls));
    m_updater = std::make_unique<Updater>();
    m_updater->setNotifyOnUpdate(false);
    m_catcher.urls.clear();
}

void TestUpdater::cleanup()
{
    m_updater.reset();
    m_http.reset();
    m_https.reset();
    m_untrusted.reset();
}

bool TestUpdater::check(Updater& updater, QList<QMessageBox::StandardButton> answers, QList<BoxDriver::Seen>* seen,
                        int* finishedBeforeAnswer)
{
    QSignalSpy finished(&updater, &Updater::checkingFinished);
    BoxDriver driver(std::move(answers));
    if (finishedBeforeAnswer)
        driver.onBox = [&](QMessageBox*) { *finishedBeforeAnswer = int(finished.count()); };
    updater.checkForUpdates();
    if (!finished.wait(waitMs)) {
        qWarning("no checkingFinished");
        return false;
    }
    // A second signal would follow at once; give it a moment to show itself.
    QTest::qWait(50);
    *seen = driver.seen();
    if (finished.count() != 1) {
        qWarning("checkingFinished came %d times", int(finished.count()));
        return false;
    }
    if (finished.at(0).at(0).toString() != updater.url()) {
        qWarning("checkingFinished names another address");
        return false;
    }
    return true;
}

void TestUpdater::compare_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<bool>("newer");

    // Parts are integers, not text: 10 > 9.
    QTest::newRow("1.2.10 vs 1.2.9") << "1.2.10" << "1.2.9" << true;
    QTest::newRow("1.2.9 vs 1.2.10") << "1.2.9" << "1.2.10" << false;
    // Equal common parts: more parts wins.
    QTest::newRow("1.2.0 vs 1.2") << "1.2.0" << "1.2" << true;
    QTest::newRow("1.2 vs 1.2.0") << "1.2" << "1.2.0" << false;
    QTest::newRow("equal") << "1.2" << "1.2" << false;
    QTest::newRow("2.0 vs 1.9.9") << "2.0" << "1.9.9" << true;
    // "" splits into one empty part, read as 0: never newer than 0 or more.
    QTest::newRow("empty vs 0") << "" << "0" << false;
    QTest::newRow("empty vs 1.0") << "" << "1.0" << false;
    QTest::newRow("1 vs empty") << "1" << "" << true;
    // Non-numbers and int overflow read as 0.
    QTest::newRow("letters read as 0") << "1.b" << "1.0" << false;
    QTest::newRow("overflow reads as 0") << "2147483648" << "1" << false;
    QTest::newRow("int maximum") << "2147483647" << "2147483646" << true;
    QTest::newRow("empty part kept") << "1..1" << "1.0" << true;
    QTest::newRow("leading zeros") << "1.02" << "1.2" << false;
}

void TestUpdater::compare()
{
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(bool, newer);
    QCOMPARE(Updater::compare(x, y), newer);
}

void TestUpdater::defaults()
{
    Updater updater;
    QCOMPARE(updater.url(), QString());
    QCOMPARE(updater.userAgentString(), QStringLiteral("Vellumar/1.9.9"));
    QCOMPARE(updater.downloader()->fileName(), QString());
    QCOMPARE(updater.moduleName(), QStringLiteral("Vellumar"));
    QCOMPARE(updater.moduleVersion(), QStringLiteral("1.9.9"));
    QCOMPARE(updater.platformKey(), QStringLiteral("linux"));
    QCOMPARE(updater.channel(), 0);
    QVERIFY(!updater.customAppcast());
    QVERIFY(updater.notifyOnUpdate());
    QVERIFY(!updater.notifyOnFinish());
    QVERIFY(!updater.updateAvailable());
    QVERIFY(updater.downloaderEnabled());
    QVERIFY(!updater.mandatoryUpdate());
    QVERIFY(!updater.useCustomInstallProcedures());
    QCOMPARE(updater.errorString(), QString());
    QCOMPARE(updater.downloader()->downloadDir(),
             QDir(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation)).absolutePath());
}

void TestUpdater::feed_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("channel");
    QTest::addColumn<bool>("mandatoryBefore");
    QTest::addColumn<int>("redirects");
    QTest::addColumn<bool>("tls");
    QTest::addColumn<bool>("available");
    QTest::addColumn<QString>("latest");
    QTest::addColumn<bool>("mandatory");

    QTest::newRow("newer version") << feedBody({entry("Vellumar", 0, "2.0")}) << 0 << false << 0 << false << true
                                   << "2.0" << false;
    QTest::newRow("same version") << feedBody({entry("Vellumar", 0, "1.9.9")}) << 0 << false << 0 << false << false
                                  << "1.9.9" << false;
    // The first entry of the module on the updater's channel, in feed order.
    QTest::newRow("channel 0 skips channel 1")
        << feedBody({entry("Vellumar", 1, "3.0"), entry("Vellumar", 0, "2.1")}) << 0 << false << 0 << false << true
        << "2.1" << false;
    QTest::newRow("channel 1") << feedBody({entry("Vellumar", 1, "3.0"), entry("Vellumar", 0, "2.1")}) << 1 << false
                               << 0 << false << true << "3.0" << false;
    QTest::newRow("missing channel counts as 0")
        << QByteArray("{\"linux\": [{\"module-name\": \"Vellumar\", \"latest-version\": \"2.2\"}]}") << 0 << false << 0
        << false << true << "2.2" << false;
    QTest::newRow("letter case differs") << feedBody({entry("vellumar", 0, "2.0")}) << 0 << false << 0 << false
                                         << false << "" << false;
    QTest::newRow("macOS entries only") << feedBody({entry("Vellumar", 0, "2.0")}, "osx") << 0 << false << 0
                                        << false << false << "" << false;
    QTest::newRow("mandatory kept when absent") << feedBody({entry("Vellumar", 0, "2.0")}) << 0 << true << 0
                                                << false << true << "2.0" << true;
    QTest::newRow("mandatory from feed") << feedBody({entry("Vellumar", 0, "2.0", "\"mandatory-update\": true")}) << 0
                                         << false << 0 << false << true << "2.0" << true;
    QTest::newRow("mandatory false from feed")
        << feedBody({entry("Vellumar", 0, "2.0", "\"mandatory-update\": false")}) << 0 << true << 0 << false << true
        << "2.0" << false;
    QTest::newRow("JSON array document") << QByteArray("[1, 2]") << 0 << false << 0 << false << false << ""
                                         << false;
    QTest::newRow("over https") << feedBody({entry("Vellumar", 0, "2.0")}) << 0 << false << 0 << true << true << "2.0"
                                << false;
    QTest::newRow("five redirects") << feedBody({entry("Vellumar", 0, "2.0")}) << 0 << false << 5 << false << true
                                    << "2.0" << false;
    QTest::newRow("https to https redirects") << feedBody({entry("Vellumar", 0, "2.0")}) << 0 << false << 2 << true
                                              << true << "2.0" << false;
}

void TestUpdater::feed()
{
    QFETCH(QByteArray, body);
    QFETCH(int, channel);
    QFETCH(bool, mandatoryBefore);
    QFETCH(int, redirects);
    QFETCH(bool, tls);
    QFETCH(bool, available);
    QFETCH(QString, latest);
    QFETCH(bool, mandatory);

    LoopbackServer& server = tls ? *m_https : *m_http;
    server.serve(QStringLiteral("/feed.json"), body);
    for (int i = 0; i < redirects; ++i) {
        const QString next = i + 1 == redirects ? QStringLiteral("/feed.json") : QStringLiteral("/r%1").arg(i + 1);
        server.redirect(QStringLiteral("/r%1").arg(i), server.url(next));
    }
    const QString start = redirects ? QStringLiteral("/r0") : QStringLiteral("/feed.json");
    m_updater->setUrl(server.url(start));
    m_updater->setChannel(channel);
    m_updater->setMandatoryUpdate(mandatoryBefore);

    QList<BoxDriver::Seen> seen;
    QVERIFY(check(*m_updater, {}, &seen));
    QCOMPARE(seen.size(), 0);
    QCOMPARE(m_updater->errorString(), QString());
    QCOMPARE(m_updater->updateAvailable(), available);
    QCOMPARE(m_updater->latestVersion(), latest);
    QCOMPARE(m_updater->mandatoryUpdate(), mandatory);
    // The address stays the one the caller gave, redirects or not.
    QCOMPARE(m_updater->url(), server.url(start));
    // Each hop of the chain asked once, in order. The network stack may
    // resend a GET whose connection closed under it (seen under load), so
    // repeats of one hop are not a second request of the updater's.
    QStringList chain;
    for (int i = 0; i < redirects; ++i)
        chain << QStringLiteral("/r%1").arg(i);
    chain << QStringLiteral("/feed.json");
    QStringList asked = server.requestedPaths();
    asked.removeDuplicates();
    QCOMPARE(asked, chain);
}

void TestUpdater::customAppcast()
{
    const QByteArray body("<rss>not our feed format</rss>");
    m_http->serve(QStringLiteral("/appcast.xml"), body);
    m_updater->setUrl(m_http->url(QStringLiteral("/appcast.xml")));
    m_updater->setUseCustomAppcast(true);
    m_updater->setNotifyOnFinish(true);
    m_updater->setNotifyOnUpdate(true);
    // The flag of an earlier result stays as it was.
    {
        BoxDriver driver({QMessageBox::No});
        m_updater->setUpdateAvailable(true);
    }

    QSignalSpy appcast(m_updater.get(), &Updater::appcastDownloaded);
    int appcastsBeforeFinish = -1;
    connect(m_updater.get(), &Updater::checkingFinished, this,
            [&] { appcastsBeforeFinish = int(appcast.count()); });
    QList<BoxDriver::Seen> seen;
    QVERIFY(check(*m_updater, {}, &seen));
    QCOMPARE(seen.size(), 0);
    QCOMPARE(appcastsBeforeFinish, 1);
    QCOMPARE(appcast.count(), 1);
    QCOMPARE(appcast.at(0).at(0).toString(), m_updater->url());
    QCOMPARE(appcast.at(0).at(1).toByteArray(), body);
    QVERIFY(m_updater->updateAvailable());
}

void TestUpdater::prompts_data()
{
    QTest::addColumn<bool>("newer");
    QTest::addColumn<bool>("notifyOnUpdate");
    QTest::addColumn<bool>("notifyOnFinish");
    QTest::addColumn<bool>("mandatory");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("informative");

    const QString released("<h3>Version 2.0 of Vellumar has been released!</h3>");
    const QString ask("Would you like to download the update now?");
    QTest::newRow("update, notify on update") << true << true << false << false << released << ask;
    QTest::newRow("update, notify on finish") << true << false << true << false << released << ask;
    QTest::newRow("update, no notice") << true << false << false << false << QString() << QString();
    QTest::newRow("mandatory update")
        << true << true << false << true << released
        << "Would you like to download the update now? This is a mandatory update, exiting now will close the "
           "application.";
    QTest::newRow("latest, notify on update") << false << true << false << false << QString() << QString();
    QTest::newRow("latest, notify on finish")
        << false << true << true << false << "<h3>Congratulations! You are running the latest version of Vellumar</h3>"
        << "No updates are available for the moment";
}

void TestUpdater::prompts()
{
    QFETCH(bool, newer);
    QFETCH(bool, notifyOnUpdate);
    QFETCH(bool, notifyOnFinish);
    QFETCH(bool, mandatory);
    QFETCH(QString, text);
    QFETCH(QString, informative);

    // A refused mandatory update closes the windows; keep one that stays.
    UnsavedWindow window;
    window.show();

    m_http->serve(QStringLiteral("/feed.json"), feedBody({entry("Vellumar", 0, newer ? "2.0" : "1.0")}));
    m_updater->setUrl(m_http->url(QStringLiteral("/feed.json")));
    m_updater->setNotifyOnUpdate(notifyOnUpdate);
    m_updater->setNotifyOnFinish(notifyOnFinish);
    m_updater->setMandatoryUpdate(mandatory);

    int finishedBeforeAnswer = -1;
    QList<BoxDriver::Seen> seen;
    QVERIFY(check(*m_updater, {QMessageBox::No}, &seen, &finishedBeforeAnswer));
    QCOMPARE(m_updater->updateAvailable(), newer);
    if (text.isEmpty()) {
        QCOMPARE(seen.size(), 0);
        return;
    }
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.at(0).text, text);
    QCOMPARE(seen.at(0).informativeText, informative);
    QCOMPARE(seen.at(0).icon, QMessageBox::Information);
    // The signal follows the user's answer.
    QCOMPARE(finishedBeforeAnswer, 0);
    QCOMPARE(window.closeRequests, mandatory ? 1 : 0);
}

void TestUpdater::failedChecks_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("reason");

    QTest::newRow("404") << "404" << "Not Found";
    QTest::newRow("500") << "500" << "Internal Server Error";
    QTest::newRow("not JSON") << "not JSON" << "not readable";
    QTest::newRow("body over 1 MiB") << "oversized" << "larger than 1 MiB";
    QTest::newRow("chunked body over 1 MiB") << "oversized chunked" << "larger than 1 MiB";
    QTest::newRow("endless chunked body") << "endless" << "larger than 1 MiB";
    QTest::newRow("untrusted certificate") << "untrusted" << "self-signed";
    QTest::newRow("six redirects") << "six redirects" << "Too many redirects";
    QTest::newRow("https to http") << "https to http" << "Insecure redirect";
    QTest::newRow("file: download address") << "file download" << "file:///etc/passwd";
    QTest::newRow("file: web page") << "file page" << "file:///home";
    QTest::newRow("no server") << "no server" << "Connection refused";
}

void TestUpdater::failedChecks()
{
    QFETCH(QString, setup);
    QFETCH(QString, reason);

    const QByteArray good = feedBody({entry("Vellumar", 0, "2.0")});
    QString address = m_http->url(QStringLiteral("/feed.json"));
    if (setup == "404") {
        // Nothing served at the path.
    } else if (setup == "500") {
        m_http->serve(QStringLiteral("/feed.json"), good, 500);
    } else if (setup == "not JSON") {
        m_http->serve(QStringLiteral("/feed.json"), "<html>maintenance</html>");
    } else if (setup.startsWith("oversized")) {
        // Valid JSON with a newer version, padded past 1 MiB with spaces.
        LoopbackServer::Response response;
        response.body = good + QByteArray(Updater::maximumFeedSize, ' ');
        response.framing = setup.endsWith("chunked") ? LoopbackServer::Chunked : LoopbackServer::Sized;
        m_http->serve(QStringLiteral("/feed.json"), response);
    } else if (setup == "endless") {
        LoopbackServer::Response response;
        response.framing = LoopbackServer::Endless;
        m_http->serve(QStringLiteral("/feed.json"), response);
    } else if (setup == "untrusted") {
        m_untrusted->serve(QStringLiteral("/feed.json"), good);
        address = m_untrusted->url(QStringLiteral("/feed.json"));
    } else if (setup == "six redirects") {
        m_http->serve(QStringLiteral("/feed.json"), good);
        for (int i = 0; i < 6; ++i)
            m_http->redirect(QStringLiteral("/r%1").arg(i),
                             m_http->url(i == 5 ? QStringLiteral("/feed.json") : QStringLiteral("/r%1").arg(i + 1)));
        address = m_http->url(QStringLiteral("/r0"));
    } else if (setup == "https to http") {
        m_http->serve(QStringLiteral("/feed.json"), good);
        m_https->redirect(QStringLiteral("/feed.json"), m_http->url(QStringLiteral("/feed.json")));
        address = m_https->url(QStringLiteral("/feed.json"));
    } else if (setup == "file download") {
        m_http->serve(QStringLiteral("/feed.json"),
                      feedBody({"{\"module-name\": \"Vellumar\", \"latest-version\": \"2.0\", \"download-url\": \"file:///etc/passwd\"}"}));
    } else if (setup == "file page") {
        m_http->serve(QStringLiteral("/feed.json"),
                      feedBody({entry("Vellumar", 0, "2.0", "\"open-url\": \"file:///home\"")}));
    } else if (setup == "no server") {
        LoopbackServer gone;
        QVERIFY(gone.listen());
        address = gone.url(QStringLiteral("/feed.json"));
    }

    // An earlier result said "update"; a failed check must not keep it.
    m_updater->setNotifyOnUpdate(false);
    m_updater->setUpdateAvailable(true);
    m_updater->setNotifyOnFinish(true);
    m_updater->setUrl(address);

    QList<BoxDriver::Seen> seen;
    QVERIFY(check(*m_updater, {QMessageBox::Close}, &seen));
    QVERIFY(!m_updater->updateAvailable());
    QVERIFY(!m_updater->errorString().isEmpty());
    QVERIFY2(m_updater->errorString().contains(reason), qPrintable(m_updater->errorString()));
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.at(0).text, QStringLiteral("<h3>Could not check for updates of Vellumar</h3>"));
    QVERIFY2(seen.at(0).informativeText.contains(reason), qPrintable(seen.at(0).informativeText));
    QVERIFY(!seen.at(0).text.contains(QLatin1String("Congratulations")));
    // Nothing was offered, nothing opened.
    QVERIFY(m_catcher.urls.isEmpty());
    QVERIFY(!m_updater->downloader()->isVisible());
}

void TestUpdater::userAgentIsSent()
{
    m_http->serve(QStringLiteral("/feed.json"), feedBody({}));
    m_updater->setUrl(m_http->url(QStringLiteral("/feed.json")));
    QList<BoxDriver::Seen> seen;
    QVERIFY(check(*m_updater, {}, &seen));
    QCOMPARE(seen.size(), 0);
    QCOMPARE(m_http->lastUserAgent(), QByteArray("Vellumar/1.9.9"));

    m_updater->setUserAgentString(QStringLiteral("Tester/7"));
    QVERIFY(check(*m_updater, {}, &seen));
    QCOMPARE(seen.size(), 0);
    QCOMPARE(m_http->lastUserAgent(), QByteArray("Tester/7"));
}

void TestUpdater::slowFeeds_data()
{
    QTest::addColumn<int>("framing");
    QTest::addColumn<int>("intervalMs");
    QTest::addColumn<int>("stallMs");
    QTest::addColumn<int>("checkMs");
    QTest::addColumn<QString>("reason");

    const QString silent("The update server sent nothing for 2 seconds.");
    QTest::newRow("no answer") << int(LoopbackServer::Silent) << 0 << 2000 << 30000 << silent;
    QTest::newRow("half the feed, then nothing") << int(LoopbackServer::Hold) << 0 << 2000 << 30000 << silent;
    // Each byte restarts the stall clock; only the whole check's limit
    // ends a feed that trickles.
    QTest::newRow("a byte every 250 ms")
        << int(LoopbackServer::Trickle) << 250 << 2000 << 3000
        << "The update information did not arrive within 3 seconds.";
    // A short feed that way ends well within both limits (13 bytes, 1.3 s),
    // though its whole time is longer than the stall limit.
    QTest::newRow("short feed, a byte every 100 ms") << int(LoopbackServer::Trickle) << 100 << 1000 << 30000 << "";
}

void TestUpdater::slowFeeds()
{
    QFETCH(int, framing);
    QFETCH(int, intervalMs);
    QFETCH(int, stallMs);
    QFETCH(int, checkMs);
    QFETCH(QString, reason);

    LoopbackServer::Response response;
    response.framing = LoopbackServer::Framing(framing);
    response.body = reason.isEmpty() ? QByteArray("{\"linux\": []}") : feedBody({entry("Vellumar", 0, "2.0")});
    response.trickleIntervalMs = intervalMs;
    m_http->serve(QStringLiteral("/feed.json"), response);
    m_updater->setUrl(m_http->url(QStringLiteral("/feed.json")));
    m_updater->setNotifyOnFinish(true);
    m_updater->setStallTimeout(std::chrono::milliseconds(stallMs));
    m_updater->setCheckTimeout(std::chrono::milliseconds(checkMs));

    QElapsedTimer clock;
    clock.start();
    QList<BoxDriver::Seen> seen;
    QVERIFY(check(*m_updater, {QMessageBox::Close}, &seen));
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(m_updater->errorString(), reason);
    if (reason.isEmpty()) {
        QVERIFY(seen.at(0).text.contains(QLatin1String("Congratulations")));
        return;
    }
    QCOMPARE(seen.at(0).informativeText, reason);
    QVERIFY(!m_updater->updateAvailable());
    // Ended by the clock that ran out: not before it (timers may fire 5 %
    // early), and soon after it.
    const int limit = framing == LoopbackServer::Trickle ? checkMs : stallMs;
    QVERIFY2(elapsed >= limit * 95 / 100 && elapsed <= limit + 2000, qPrintable(QString::number(elapsed)));
    m_http->release();
}

void TestUpdater::endlessFeedKeepsMemoryFlat()
{
    m_http->serve(QStringLiteral("/warm.json"), feedBody({}));
    LoopbackServer::Response endless;
    endless.framing = LoopbackServer::Endless;
    m_http->serve(QStringLiteral("/feed.json"), endless);

    const MemoryProbe::Report report = MemoryProbe::run(
        QStringLiteral("feed"), {m_http->url(QStringLiteral("/warm.json")), m_http->url(QStringLiteral("/feed.json"))},
        120000);
    QVERIFY2(report.ran, qPrintable(report.problem));
    const qint64 grownKiB = report.value(QStringLiteral("grown")).toLongLong();
    qInfo("peak resident size grew by %lld KiB", grownKiB);
    QVERIFY2(!report.value(QStringLiteral("grown")).isEmpty() && grownKiB < 16 * 1024,
             qPrintable(report.lines.join(QLatin1Char('\n'))));
    QCOMPARE(report.value(QStringLiteral("error")), QStringLiteral("The update information is larger than 1 MiB."));
}

void TestUpdater::acceptOpensWebPage()
{
    const QString page = m_https->url(QStringLiteral("/news.html"));
    m_http->serve(QStringLiteral("/feed.json"),
                  feedBody({entry("Vellumar", 0, "2.0", QStringLiteral("\"open-url\": \"%1\"").arg(page))}));
    m_updater->setUrl(m_http->url(QStringLiteral("/feed.json")));
    m_updater->setNotifyOnUpdate(true);

    QList<BoxDriver::Seen> seen;
    QVERIFY(check(*m_updater, {QMessageBox::Yes}, &seen));
    QCOMPARE(seen.size(), 1);
    QCOMPARE(m_catcher.urls, QList<QUrl>{QUrl(page)});
    QVERIFY(!m_updater->downloader()->isVisible());
}

void TestUpdater::acceptWithoutDownloaderOpensPackageAddress()
{
    m_http->serve(QStringLiteral("/feed.json"), feedBody({entry("Vellumar", 0, "2.0")}));
    m_updater->setUrl(m_http->url(QStringLiteral("/feed.json")));
    m_updater->setNotifyOnUpdate(true);
    m_updater->setDownloaderEnabled(false);

    QList<BoxDriver::Seen> seen;
    QVERIFY(check(*m_updater, {QMessageBox::Yes}, &seen));
    QCOMPARE(seen.size(), 1);
    QCOMPARE(m_catcher.urls, QList<QUrl>{QUrl(QStringLiteral("https://127.0.0.1:1/pkg.zip"))});
}

void TestUpdater::acceptDownloadsIntoFolder()
{
    // A download address ending in "/" gives the downloader an empty name,
    // saved under the fallback name.
    const QByteArray package("package bytes");
    m_http->serve(QStringLiteral("/pkg/"), package);
    const QString downloadUrl = m_http->url(QStringLiteral("/pkg/"));
    m_http->serve(QStringLiteral("/feed.json"),
                  feedBody({QStringLiteral("{\"module-name\": \"Vellumar\", \"latest-version\": \"2.0\", \"download-url\": \"%1\"}")
                            .arg(downloadUrl)
                            .toUtf8()}));
    const QString address = m_http->url(QStringLiteral("/feed.json"));
    QTemporaryDir folder;
    QVERIFY(folder.isValid());

    QSimpleUpdater* facade = QSimpleUpdater::getInstance();
    facade->setModuleChannel(address, 0);
    facade->setNotifyOnUpdate(address, true);
    facade->setDownloadDir(address, folder.path());
    facade->setUseCustomInstallProcedures(address, true);
    QSignalSpy downloaded(facade, &QSimpleUpdater::downloadFinished);

    QList<BoxDriver::Seen> seen;
    QVERIFY(check(*facade->getUpdater(address), {QMessageBox::Yes}, &seen));
    QCOMPARE(seen.size(), 1);
    QVERIFY(downloaded.count() == 1 || downloaded.wait(waitMs));
    const QString saved = folder.filePath(Downloader::defaultFileName);
    QCOMPARE(downloaded.count(), 1);
    QCOMPARE(downloaded.at(0).at(0).toString(), address);
    QCOMPARE(downloaded.at(0).at(1).toString(), saved);
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), package);
    QVERIFY(facade->getUpdater(address)->downloader()->isHidden());
    delete facade;
}

void TestUpdater::refusedMandatoryUpdateAsksToSave()
{
    UnsavedWindow window;
    window.show();
    m_http->serve(QStringLiteral("/feed.json"), feedBody({entry("Vellumar", 0, "2.0", "\"mandatory-update\": true")}));
    m_updater->setUrl(m_http->url(QStringLiteral("/feed.json")));
    m_updater->setNotifyOnUpdate(true);

    QList<BoxDriver::Seen> seen;
    QVERIFY(check(*m_updater, {QMessageBox::No}, &seen));
    QCOMPARE(seen.size(), 1);
    // The main window was asked to close (its save question); Cancel there
    // keeps the program running.
    QCOMPARE(window.closeRequests, 1);
    QVERIFY(window.isVisible());
}

void TestUpdater::olderMandatoryVersionIsNotOffered()
{
    UnsavedWindow window;
    window.show();
    m_http->serve(QStringLiteral("/feed.json"), feedBody({entry("Vellumar", 0, "1.9.9", "\"mandatory-update\": true")}));
    m_updater->setUrl(m_http->url(QStringLiteral("/feed.json")));
    m_updater->setNotifyOnUpdate(true);

    QList<BoxDriver::Seen> seen;
    QVERIFY(check(*m_updater, {}, &seen));
    QCOMPARE(seen.size(), 0);
    QVERIFY(!m_updater->updateAvailable());
    QVERIFY(m_updater->mandatoryUpdate());
    QCOMPARE(window.closeRequests, 0);
}

void TestUpdater::facadeRegistersEachAddressOnce()
{
    QSimpleUpdater* facade = QSimpleUpdater::getInstance();
    QCOMPARE(QSimpleUpdater::getInstance(), facade);
    QCOMPARE(facade->parent(), QCoreApplication::instance());

    const QString a = m_http->url(QStringLiteral("/a.json"));
    const QString upper = m_http->url(QStringLiteral("/A.json"));
    Updater* first = facade->getUpdater(a);
    QCOMPARE(facade->getUpdater(a), first);
    QVERIFY(facade->getUpdater(upper) != first);
    QCOMPARE(first->url(), a);

    // Any operation on a new address registers it.
    const QString b = m_http->url(QStringLiteral("/b.json"));
    facade->setModuleName(b, QStringLiteral("Other"));
    QCOMPARE(facade->getUpdater(b)->moduleName(), QStringLiteral("Other"));
    QCOMPARE(facade->getModuleName(b), QStringLiteral("Other"));

    facade->setNotifyOnFinish(a, true);
    facade->setPlatformKey(a, QStringLiteral("osx"));
    facade->setModuleVersion(a, QStringLiteral("3.1"));
    facade->setDownloaderEnabled(a, false);
    facade->setUserAgentString(a, QStringLiteral("Agent/1"));
    facade->setUseCustomAppcast(a, true);
    facade->setUseCustomInstallProcedures(a, true);
    facade->setMandatoryUpdate(a, true);
    facade->setModuleChannel(a, 4);
    QVERIFY(facade->getNotifyOnFinish(a));
    QCOMPARE(facade->getPlatformKey(a), QStringLiteral("osx"));
    QCOMPARE(facade->getModuleVersion(a), QStringLiteral("3.1"));
    QVERIFY(!facade->getDownloaderEnabled(a));
    QCOMPARE(facade->getUserAgentString(a), QStringLiteral("Agent/1"));
    QVERIFY(facade->usesCustomAppcast(a));
    QVERIFY(facade->usesCustomInstallProcedures(a));
    QVERIFY(first->mandatoryUpdate());
    QCOMPARE(first->channel(), 4);
    // The other address keeps its defaults.
    QVERIFY(!facade->getNotifyOnFinish(upper));

    // The facade passes on the updaters' signals and the failure reason.
    facade->setUseCustomAppcast(a, false);
    facade->setNotifyOnFinish(a, false);
    QSignalSpy finished(facade, &QSimpleUpdater::checkingFinished);
    facade->checkForUpdates(a);
    QVERIFY(finished.wait(waitMs));
    QCOMPARE(finished.at(0).at(0).toString(), a);
    QVERIFY(!facade->getUpdateAvailable(a));
    QVERIFY(!facade->getErrorString(a).isEmpty()); // 404
    delete facade;
}

void TestUpdater::facadeGoesWithItsUpdatersAtOnce()
{
    QSimpleUpdater* facade = QSimpleUpdater::getInstance();
    QPointer<Updater> updater = facade->getUpdater(QStringLiteral("https://127.0.0.1:1/feed.json"));
    QPointer<Downloader> downloader = updater->downloader();
    delete facade;
    // No deferred delete: after the event loop it would never run.
    QVERIFY(updater.isNull());
    QVERIFY(downloader.isNull());
    // A new facade is made on the next call.
    QVERIFY(QSimpleUpdater::getInstance() != nullptr);
    QVERIFY(QSimpleUpdater::getInstance()->getUpdater(QStringLiteral("x")) != nullptr);
}

int main(int argc, char** argv)
{
    return MemoryProbe::testMain<TestUpdater>(argc, argv, "feed", feedChild);
}
#include "tst_updater.moc"
