#include "updates/Downloader.h"

#include "BoxDriver.h"
#include "LoopbackServer.h"
#include "MemoryProbeMain.h"
#include "StandInWindows.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QLabel>
#include <QNetworkProxy>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <limits>
#include <memory>

#include <sys/resource.h>

namespace {

constexpr int waitMs = 30000;
constexpr qint64 MiB = 1024 * 1024;

QByteArray package(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(size);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The child of streamsWithFlatMemory: downloads `warm` (the network stack's
// first use), notes the peak resident size, downloads `url` into `folder`
// with the size cap `cap`, and reports.
int downloadChild(const QStringList& arguments)
{
    if (arguments.size() != 5)
        return 2;
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    Downloader downloader;
    downloader.setDownloadDir(arguments.at(3));
    downloader.setUseCustomInstallProcedures(true);
    downloader.setMaximumDownloadSize(arguments.at(4).toLongLong());
    QSignalSpy finished(&downloader, &Downloader::downloadFinished);
    BoxDriver driver({QMessageBox::Close});
    const auto fetch = [&](const QString& url, const QString& name) {
        const qsizetype before = finished.count();
        downloader.setFileName(name);
        downloader.startDownload(QUrl(url));
        return MemoryProbe::waitUntil([&] { return finished.count() > before || !downloader.isVisible(); }, 600000);
    };
    if (!fetch(arguments.at(1), QStringLiteral("warm.bin")) || finished.count() != 1
        || !QFile::remove(downloader.savedFilePath()))
        return 3;
    const MemoryProbe::Peak peak;
    if (!fetch(arguments.at(2), QStringLiteral("package.bin")))
        return 4;
    QTextStream out(stdout);
    out << "grown " << peak.grownKiB() << "\n";
    if (finished.count() == 2)
        out << "saved " << downloader.savedFilePath() << "\n";
    if (!driver.seen().isEmpty())
        out << "error " << driver.seen().constLast().informativeText << "\n";
    return 0;
}

} // namespace

class TestDownloader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void form();
    void sizeTexts_data();
    void sizeTexts();
    void sizeLabel();
    void timeTexts_data();
    void timeTexts();
    void roundsHalfAwayFromZero();
    void unknownLengthShowsBusy();
    void fileNames_data();
    void fileNames();

    void savesExactBytes_data();
    void savesExactBytes();
    void neverTouchesUsersFiles_data();
    void neverTouchesUsersFiles();
    void failedDownloadLeavesNothing_data();
    void failedDownloadLeavesNothing();
    void stalledDownloadStops_data();
    void stalledDownloadStops();
    void streamsWithFlatMemory_data();
    void streamsWithFlatMemory();
    void cancelRemovesPartFile();
    void mandatoryCancelAsksToSave();
    void openShowsFolderAndRunsNothing();
    void openWithoutFileSaysSo();

private:
    // Downloads `path` of the server; true when the download ended (with
    // the file or with an error box). Boxes are answered with `answers`.
    bool download(const QString& path, QList<QMessageBox::StandardButton> answers = {});

    QTemporaryDir m_dir;
    std::unique_ptr<LoopbackServer> m_http;
    std::unique_ptr<Downloader> m_downloader;
    std::unique_ptr<QSignalSpy> m_finished;
    QList<BoxDriver::Seen> m_seen;
    UrlCatcher m_catcher;
};

void TestDownloader::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_catcher, "open");
}

void TestDownloader::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void TestDownloader::init()
{
    m_http = std::make_unique<LoopbackServer>();
    QVERIFY(m_http->listen());
    m_downloader = std::make_unique<Downloader>();
    m_downloader->setDownloadDir(m_dir.path());
    m_downloader->setUrlId(QStringLiteral("feed-id"));
    m_downloader->setUseCustomInstallProcedures(true);
    m_finished = std::make_unique<QSignalSpy>(m_downloader.get(), &Downloader::downloadFinished);
    m_seen.clear();
    m_catcher.urls.clear();
}

void TestDownloader::cleanup()
{
    m_finished.reset();
    m_downloader.reset();
    m_http.reset();
    // Each case starts from an empty folder.
    QDir dir(m_dir.path());
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(name);
}

bool TestDownloader::download(const QString& path, QList<QMessageBox::StandardButton> answers)
{
    BoxDriver driver(std::move(answers));
    m_downloader->startDownload(QUrl(m_http->url(path)));
    // It ends with the signal, or hidden after an error box.
    const bool ended = QTest::qWaitFor([&] { return m_finished->count() > 0 || !m_downloader->isVisible(); },
                                       waitMs);
    QTest::qWait(50);
    m_seen = driver.seen();
    return ended;
}

void TestDownloader::form()
{
    Downloader& window = *m_downloader;
    QCOMPARE(window.objectName(), QStringLiteral("Downloader"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Updater"));
    QCOMPARE(window.windowModality(), Qt::ApplicationModal);
    QVERIFY(window.windowFlags().testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    auto* open = window.findChild<QPushButton*>(QStringLiteral("openButton"));
    auto* stop = window.findChild<QPushButton*>(QStringLiteral("stopButton"));
    QVERIFY(open && stop);
    QCOMPARE(open->text(), QStringLiteral("Open"));
    QVERIFY(!open->isEnabled());
    QVERIFY(open->isHidden());
    QCOMPARE(stop->text(), QStringLiteral("Stop"));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("downloadLabel"))->text(), QStringLiteral("Downloading updates"));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("timeLabel"))->text(), QStringLiteral("Time remaining: 0 minutes"));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("downloadLabel"))->font().weight(), QFont::Bold);
    QVERIFY(!window.findChild<QLabel*>(QStringLiteral("updater_icon"))->pixmap().isNull());
    QCOMPARE(window.findChild<QProgressBar*>(QStringLiteral("progressBar"))->value(), 0);
    // The default folder is the user's download location.
    QCOMPARE(Downloader().downloadDir(),
             QDir(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation)).absolutePath());
}

void TestDownloader::sizeTexts_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << qint64(0) << "0 bytes";
    QTest::newRow("900") << qint64(900) << "900 bytes";
    QTest::newRow("1023") << qint64(1023) << "1023 bytes";
    QTest::newRow("1024") << qint64(1024) << "1 KB";
    // 1536 / 1024 = 1 in integer division.
    QTest::newRow("1536") << qint64(1536) << "1 KB";
    // 1048575 / 1024 = 1023.999 -> 1023.
    QTest::newRow("1048575") << qint64(1048575) << "1023 KB";
    QTest::newRow("1048576") << qint64(1048576) << "1 MB";
    // 3,000,000 / 1,048,576 = 2.86 -> 2 before rounding.
    QTest::newRow("3000000") << qint64(3000000) << "2 MB";
    // 5 GiB: 5120 MB.
    QTest::newRow("5 GiB") << qint64(5) * 1024 * 1024 * 1024 << "5120 MB";
}

void TestDownloader::sizeTexts()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(Downloader::sizeText(bytes), text);
}

void TestDownloader::sizeLabel()
{
    auto* label = m_downloader->findChild<QLabel*>(QStringLiteral("downloadLabel"));
    m_downloader->calculateSizes(1536, 1536);
    QCOMPARE(label->text(), QStringLiteral("Downloading updates (1 KB of 1 KB)"));
    m_downloader->calculateSizes(900, 1536);
    QCOMPARE(label->text(), QStringLiteral("Downloading updates (900 bytes of 1 KB)"));
    m_downloader->calculateSizes(1048576, 3000000);
    QCOMPARE(label->text(), QStringLiteral("Downloading updates (1 MB of 2 MB)"));
}

void TestDownloader::timeTexts_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("text");

    // Up to 60: whole seconds, int(s + 0.5).
    QTest::newRow("1.2 s") << 1.2 << "1 second";
    QTest::newRow("1.6 s") << 1.6 << "2 seconds"; // int(2.1) = 2
    QTest::newRow("45 s") << 45.0 << "45 seconds";
    QTest::newRow("60 s") << 60.0 << "60 seconds";
    // Above 60: int(s / 60 + 0.5) minutes.
    QTest::newRow("61 s") << 61.0 << "1 minute"; // int(1.52) = 1
    QTest::newRow("90 s") << 90.0 << "2 minutes"; // int(2.0) = 2
    QTest::newRow("7200 s") << 7200.0 << "120 minutes";
    // Above 7200: int(s / 3600 + 0.5) hours.
    QTest::newRow("7201 s") << 7201.0 << "about 2 hours";
    QTest::newRow("3 h 30 min") << 12600.0 << "about 4 hours"; // int(4.0) = 4
    // Nothing received yet: the estimate is infinite, or 0/0.
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << "unknown";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "unknown";
}

void TestDownloader::timeTexts()
{
    QFETCH(double, seconds);
    QFETCH(QString, text);
    QCOMPARE(Downloader::timeRemainingText(seconds), text);
}

void TestDownloader::roundsHalfAwayFromZero()
{
    // 1.125 * 100 = 112.5 exactly: away from zero gives 113.
    QCOMPARE(Downloader::round(1.125), 1.13);
    QCOMPARE(Downloader::round(-1.125), -1.13);
    QCOMPARE(Downloader::round(2.0), 2.0);
    QCOMPARE(Downloader::round(2.861), 2.86);
}

void TestDownloader::unknownLengthShowsBusy()
{
    m_downloader->updateProgress(5000, -1);
    auto* bar = m_downloader->findChild<QProgressBar*>(QStringLiteral("progressBar"));
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 0);
    QCOMPARE(m_downloader->findChild<QLabel*>(QStringLiteral("downloadLabel"))->text(),
             QStringLiteral("Downloading Updates..."));
    QCOMPARE(m_downloader->findChild<QLabel*>(QStringLiteral("timeLabel"))->text(),
             QStringLiteral("Time Remaining: Unknown"));
}

void TestDownloader::fileNames_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("used");

    QTest::newRow("plain") << "pkg.zip" << "pkg.zip";
    QTest::newRow("no suffix") << "setup" << "setup";
    QTest::newRow("empty") << "" << "QSU_Update.bin";
    QTest::newRow("dot") << "." << "QSU_Update.bin";
    QTest::newRow("dot dot") << ".." << "QSU_Update.bin";
    QTest::newRow("hidden") << ".bashrc" << "QSU_Update.bin";
    QTest::newRow("slash") << "../pkg.zip" << "QSU_Update.bin";
    QTest::newRow("backslash") << "..\\pkg.zip" << "QSU_Update.bin";
}

void TestDownloader::fileNames()
{
    QFETCH(QString, given);
    QFETCH(QString, used);
    m_downloader->setFileName(given);
    QCOMPARE(m_downloader->fileName(), used);
}

void TestDownloader::savesExactBytes_data()
{
    QTest::addColumn<int>("framing");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("redirects");

    QTest::newRow("sized, 0 bytes") << int(LoopbackServer::Sized) << 0 << 0;
    QTest::newRow("sized, 1 byte") << int(LoopbackServer::Sized) << 1 << 0;
    QTest::newRow("sized, 700 KiB") << int(LoopbackServer::Sized) << 700 * 1024 << 0;
    QTest::newRow("chunked, 13 bytes") << int(LoopbackServer::Chunked) << 13 << 0;
    QTest::newRow("chunked, 700 KiB") << int(LoopbackServer::Chunked) << 700 * 1024 << 0;
    QTest::newRow("five redirects") << int(LoopbackServer::Sized) << 4096 << 5;
}

void TestDownloader::savesExactBytes()
{
    QFETCH(int, framing);
    QFETCH(int, size);
    QFETCH(int, redirects);

    LoopbackServer::Response response;
    response.body = package(size);
    response.framing = LoopbackServer::Framing(framing);
    m_http->serve(QStringLiteral("/files/pkg.zip"), response);
    for (int i = 0; i < redirects; ++i)
        m_http->redirect(QStringLiteral("/r%1").arg(i),
                         m_http->url(i + 1 == redirects ? QStringLiteral("/files/pkg.zip")
                                                        : QStringLiteral("/r%1").arg(i + 1)));
    m_downloader->setFileName(QStringLiteral("pkg.zip"));

    QVERIFY(download(redirects ? QStringLiteral("/r0") : QStringLiteral("/files/pkg.zip")));
    QCOMPARE(m_seen.size(), 0);
    const QString saved = m_dir.filePath(QStringLiteral("pkg.zip"));
    QCOMPARE(m_finished->count(), 1);
    QCOMPARE(m_finished->at(0).at(0).toString(), QStringLiteral("feed-id"));
    QCOMPARE(m_finished->at(0).at(1).toString(), saved);
    QCOMPARE(m_downloader->savedFilePath(), saved);
    QVERIFY(readAll(saved) == response.body);
    QVERIFY(!QFile::exists(saved + Downloader::partSuffix));
    QVERIFY(m_downloader->isHidden());
}

void TestDownloader::neverTouchesUsersFiles_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("expected");

    QTest::newRow("free") << QStringList{} << "pkg.zip";
    QTest::newRow("user's file") << QStringList{"pkg.zip"} << "pkg_1.zip";
    // A ".part" marks its name as taken: another download may own it.
    QTest::newRow("stray part file") << QStringList{"pkg.zip.part"} << "pkg_1.zip";
    QTest::newRow("file and part of _1") << QStringList{"pkg.zip", "pkg_1.zip.part"} << "pkg_2.zip";
}

void TestDownloader::neverTouchesUsersFiles()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, expected);

    for (const QString& name : existing) {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the user's own " + name.toUtf8());
    }
    const QByteArray body = package(2048);
    m_http->serve(QStringLiteral("/pkg.zip"), body);
    m_downloader->setFileName(QStringLiteral("pkg.zip"));

    QVERIFY(download(QStringLiteral("/pkg.zip")));
    QCOMPARE(m_finished->count(), 1);
    QCOMPARE(m_finished->at(0).at(1).toString(), m_dir.filePath(expected));
    QVERIFY(readAll(m_dir.filePath(expected)) == body);
    for (const QString& name : existing)
        QCOMPARE(readAll(m_dir.filePath(name)), "the user's own " + name.toUtf8());
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).size(), existing.size() + 1);
}

void TestDownloader::failedDownloadLeavesNothing_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("reasonPart");

    QTest::newRow("closed mid-body") << "mid-body" << "";
    QTest::newRow("404") << "404" << "";
    QTest::newRow("six redirects") << "six redirects" << "";
    QTest::newRow("file: address") << "file" << "Only web addresses (http, https) can be downloaded.";
    QTest::newRow("folder cannot be made") << "folder" << "could not be made";
    // Writing stops at 64 KiB, as on a full disk.
    QTest::newRow("write fails") << "file size limit" << "could not be written";
    // 300 KiB against a cap of 256 KiB: refused on the length, or counted.
    const QString overCap("The download is larger than 256 KB, more than any update needs.");
    QTest::newRow("length over the cap") << "over the cap, sized" << overCap;
    QTest::newRow("chunked body over the cap") << "over the cap, chunked" << overCap;
}

void TestDownloader::failedDownloadLeavesNothing()
{
    QFETCH(QString, setup);
    QFETCH(QString, reasonPart);

    LoopbackServer::Response response;
    response.body = package(300 * 1024);
    response.framing = LoopbackServer::CloseMidBody;
    if (setup == "mid-body")
        m_http->serve(QStringLiteral("/pkg.zip"), response);
    if (setup == "file size limit")
        m_http->serve(QStringLiteral("/pkg.zip"), response.body);
    if (setup.startsWith("over the cap")) {
        response.framing = setup.endsWith("chunked") ? LoopbackServer::Chunked : LoopbackServer::Sized;
        m_http->serve(QStringLiteral("/pkg.zip"), response);
        m_downloader->setMaximumDownloadSize(256 * 1024);
    }
    for (int i = 0; i < 6; ++i)
        m_http->redirect(QStringLiteral("/r%1").arg(i), m_http->url(QStringLiteral("/r%1").arg(i + 1)));
    m_http->serve(QStringLiteral("/r6"), package(10));
    QString folder = m_dir.path();
    if (setup == "folder") {
        // A file stands where a parent folder would have to be.
        QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        folder = m_dir.filePath(QStringLiteral("blocker/downloads"));
    }
    m_downloader->setDownloadDir(folder);
    m_downloader->setFileName(QStringLiteral("pkg.zip"));

    BoxDriver driver({QMessageBox::Close});
    rlimit saved{};
    if (setup == "file size limit") {
        // Past the limit write() fails with EFBIG instead of raising SIGXFSZ.
        std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 64 * 1024;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    if (setup == "file") {
        m_downloader->startDownload(QUrl::fromLocalFile(QStringLiteral("/etc/hostname")));
    } else {
        const QString path = setup == "six redirects" ? QStringLiteral("/r0") : QStringLiteral("/pkg.zip");
        m_downloader->startDownload(QUrl(m_http->url(path)));
    }
    const bool ended = QTest::qWaitFor([&] { return !m_downloader->isVisible(); }, waitMs);
    if (setup == "file size limit")
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);
    QVERIFY(ended);
    QTest::qWait(50);

    const QList<BoxDriver::Seen> seen = driver.seen();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.at(0).title, QStringLiteral("Error"));
    QCOMPARE(seen.at(0).text, QStringLiteral("The update could not be downloaded."));
    QVERIFY(!seen.at(0).informativeText.isEmpty());
    QVERIFY2(seen.at(0).informativeText.contains(reasonPart), qPrintable(seen.at(0).informativeText));
    QCOMPARE(seen.at(0).icon, QMessageBox::Critical);
    QCOMPARE(m_finished->count(), 0);
    QCOMPARE(m_downloader->savedFilePath(), QString());
    // No package and no ".part" left behind.
    const QStringList left = QDir(m_dir.path()).entryList(QDir::Files);
    QVERIFY2(left == QStringList() || left == QStringList{"blocker"}, qPrintable(left.join(QLatin1Char(' '))));
}

void TestDownloader::stalledDownloadStops_data()
{
    QTest::addColumn<int>("framing");

    QTest::newRow("no answer") << int(LoopbackServer::Silent);
    QTest::newRow("half the package, then nothing") << int(LoopbackServer::Hold);
}

void TestDownloader::stalledDownloadStops()
{
    QFETCH(int, framing);

    LoopbackServer::Response response;
    response.body = package(256 * 1024);
    response.framing = LoopbackServer::Framing(framing);
    m_http->serve(QStringLiteral("/pkg.zip"), response);
    m_downloader->setFileName(QStringLiteral("pkg.zip"));
    m_downloader->setStallTimeout(std::chrono::seconds(2));

    QElapsedTimer clock;
    clock.start();
    QVERIFY(download(QStringLiteral("/pkg.zip"), {QMessageBox::Close}));
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(m_seen.size(), 1);
    QCOMPARE(m_seen.at(0).text, QStringLiteral("The update could not be downloaded."));
    QCOMPARE(m_seen.at(0).informativeText, QStringLiteral("The server sent nothing for 2 seconds."));
    // Ended by the clock: not before it (timers may fire 5 % early), and
    // soon after it.
    QVERIFY2(elapsed >= 1900 && elapsed <= 4000, qPrintable(QString::number(elapsed)));
    QCOMPARE(m_finished->count(), 0);
    // Neither the package nor its ".part".
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList());
    m_http->release();
}

void TestDownloader::streamsWithFlatMemory_data()
{
    QTest::addColumn<int>("framing");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<qint64>("cap");

    // Four times the bound: a body held in memory shows at once. (2 GiB is
    // the benchmark's: under the sanitizers it costs some 15 CPU seconds.)
    QTest::newRow("256 MiB with its length")
        << int(LoopbackServer::Sized) << 256 * MiB << Downloader::defaultMaximumDownloadSize;
    // Chunked decoding runs ahead fastest; the cap ends it.
    QTest::newRow("endless chunked, stopped at 128 MiB") << int(LoopbackServer::Endless) << qint64(-1) << 128 * MiB;
}

void TestDownloader::streamsWithFlatMemory()
{
    QFETCH(int, framing);
    QFETCH(qint64, length);
    QFETCH(qint64, cap);

    m_http->serve(QStringLiteral("/warm.bin"), package(4096));
    LoopbackServer::Response response;
    response.framing = LoopbackServer::Framing(framing);
    response.patternLength = length;
    m_http->serve(QStringLiteral("/package.bin"), response);

    const MemoryProbe::Report report =
        MemoryProbe::run(QStringLiteral("download"),
                         {m_http->url(QStringLiteral("/warm.bin")), m_http->url(QStringLiteral("/package.bin")),
                          m_dir.path(), QString::number(cap)},
                         300000);
    QVERIFY2(report.ran, qPrintable(report.problem));
    const qint64 grownKiB = report.value(QStringLiteral("grown")).toLongLong();
    qInfo("peak resident size grew by %lld KiB", grownKiB);
    QVERIFY2(!report.value(QStringLiteral("grown")).isEmpty() && grownKiB < 64 * 1024,
             qPrintable(report.lines.join(QLatin1Char('\n'))));

    if (length < 0) {
        QCOMPARE(report.value(QStringLiteral("error")),
                 QStringLiteral("The download is larger than 128 MB, more than any update needs."));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList());
        return;
    }
    const QString saved = m_dir.filePath(QStringLiteral("package.bin"));
    QCOMPARE(report.value(QStringLiteral("saved")), saved);
    QCOMPARE(report.value(QStringLiteral("error")), QString());
    QVERIFY(LoopbackServer::holdsPattern(saved, length));
}

void TestDownloader::cancelRemovesPartFile()
{
    LoopbackServer::Response response;
    response.body = package(512 * 1024);
    response.framing = LoopbackServer::Hold;
    m_http->serve(QStringLiteral("/pkg.zip"), response);
    m_downloader->setFileName(QStringLiteral("pkg.zip"));
    const QString part = m_dir.filePath(QStringLiteral("pkg.zip.part"));

    m_downloader->startDownload(QUrl(m_http->url(QStringLiteral("/pkg.zip"))));
    QVERIFY(m_downloader->isVisible());
    // Half the package arrives and is written as it comes.
    QVERIFY(QTest::qWaitFor([&] { return QFileInfo(part).size() == response.body.size() / 2; }, waitMs));

    if (!qEnvironmentVariableIsEmpty("VELLUMAR_SCREENSHOT")) {
        // Under Xvfb (QT_QPA_PLATFORM=xcb) this is the real window on screen.
        QTest::qWait(300);
        const QPixmap shot = m_downloader->screen()->grabWindow(0);
        shot.save(qEnvironmentVariable("VELLUMAR_SCREENSHOT"));
        m_downloader->grab().save(qEnvironmentVariable("VELLUMAR_SCREENSHOT") + QStringLiteral(".window.png"));
    }
    auto* time = m_downloader->findChild<QLabel*>(QStringLiteral("timeLabel"));
    QVERIFY(time->text().startsWith(QLatin1String("Time remaining: ")));
    // Qt spaces its progress notices, so the last one may lag behind the
    // data: up to 256 KB of 512 KB, and up to 50 %.
    const QString sizes = m_downloader->findChild<QLabel*>(QStringLiteral("downloadLabel"))->text();
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Downloading updates \\((\\d+) (KB|bytes) of 512 KB\\)$")).match(sizes);
    QVERIFY2(match.hasMatch(), qPrintable(sizes));
    QVERIFY(match.captured(2) == QLatin1String("bytes") || match.captured(1).toInt() <= 256);
    const int percent = m_downloader->findChild<QProgressBar*>(QStringLiteral("progressBar"))->value();
    QVERIFY2(percent >= 0 && percent <= 50, qPrintable(QString::number(percent)));

    // "No" keeps the download running.
    {
        BoxDriver driver({QMessageBox::No});
        m_downloader->findChild<QPushButton*>(QStringLiteral("stopButton"))->click();
        QCOMPARE(driver.seen().size(), 1);
        QCOMPARE(driver.seen().at(0).text, QStringLiteral("Are you sure you want to cancel the download?"));
        QCOMPARE(driver.seen().at(0).title, QStringLiteral("Updater"));
    }
    QVERIFY(m_downloader->isVisible());
    QVERIFY(QFile::exists(part));

    BoxDriver driver({QMessageBox::Yes});
    m_downloader->findChild<QPushButton*>(QStringLiteral("stopButton"))->click();
    QCOMPARE(driver.seen().size(), 1);
    QVERIFY(m_downloader->isHidden());
    QVERIFY(!QFile::exists(part));
    // The rest arriving now changes nothing.
    m_http->release();
    QTest::qWait(200);
    QCOMPARE(m_finished->count(), 0);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList());
}

void TestDownloader::mandatoryCancelAsksToSave()
{
    UnsavedWindow window;
    window.show();
    LoopbackServer::Response response;
    response.body = package(64 * 1024);
    response.framing = LoopbackServer::Hold;
    m_http->serve(QStringLiteral("/pkg.zip"), response);
    m_downloader->setFileName(QStringLiteral("pkg.zip"));
    m_downloader->setMandatoryUpdate(true);

    m_downloader->startDownload(QUrl(m_http->url(QStringLiteral("/pkg.zip"))));
    QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(m_dir.filePath(QStringLiteral("pkg.zip.part"))); },
                            waitMs));
    BoxDriver driver({QMessageBox::Yes});
    m_downloader->findChild<QPushButton*>(QStringLiteral("stopButton"))->click();
    QCOMPARE(driver.seen().size(), 1);
    QCOMPARE(driver.seen().at(0).text, QStringLiteral("Are you sure you want to cancel the download? This is a "
                                                      "mandatory update, exiting now will close the application"));
    // Asked to close, the main window asks its save question; Cancel there
    // keeps the program.
    QCOMPARE(window.closeRequests, 1);
    QVERIFY(window.isVisible());
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("pkg.zip.part"))));
    m_http->release();
}

void TestDownloader::openShowsFolderAndRunsNothing()
{
    UnsavedWindow window;
    window.show();
    // A package that would leave a mark if it were run.
    const QString mark = m_dir.filePath(QStringLiteral("ran"));
    const QByteArray script = "#!/bin/sh\ntouch '" + mark.toUtf8() + "'\n";
    m_http->serve(QStringLiteral("/setup.sh"), script);
    m_downloader->setFileName(QStringLiteral("setup.sh"));
    m_downloader->setUseCustomInstallProcedures(false);

    // The install prompt, answered Cancel: the window stays and offers Open.
    QVERIFY(download(QStringLiteral("/setup.sh"), {QMessageBox::Cancel}));
    QCOMPARE(m_seen.size(), 1);
    QCOMPARE(m_seen.at(0).text,
             QStringLiteral("<h3>In order to install the update, you may need to quit the application.</h3>"));
    QCOMPARE(m_seen.at(0).informativeText, QStringLiteral("Click \"OK\" to begin installing the update"));
    QCOMPARE(m_finished->count(), 1);
    QVERIFY(m_downloader->isVisible());
    auto* open = m_downloader->findChild<QPushButton*>(QStringLiteral("openButton"));
    QVERIFY(open->isVisible() && open->isEnabled());
    QCOMPARE(m_downloader->findChild<QPushButton*>(QStringLiteral("stopButton"))->text(), QStringLiteral("Close"));
    QCOMPARE(m_downloader->findChild<QLabel*>(QStringLiteral("timeLabel"))->text(),
             QStringLiteral("Click the \"Open\" button to apply the update"));
    QCOMPARE(window.closeRequests, 0);

    // "Open", then OK: the folder goes to the desktop's handler, and the
    // windows are asked to close (the main window's save question).
    BoxDriver driver({QMessageBox::Ok});
    open->click();
    QCOMPARE(driver.seen().size(), 1);
    QCOMPARE(m_catcher.urls, QList<QUrl>{QUrl::fromLocalFile(m_dir.path())});
    QCOMPARE(window.closeRequests, 1);
    QTest::qWait(200);
    QVERIFY(!QFile::exists(mark));
    QVERIFY(readAll(m_dir.filePath(QStringLiteral("setup.sh"))) == script);
    QVERIFY(!(QFileInfo(m_dir.filePath(QStringLiteral("setup.sh"))).permissions() & QFileDevice::ExeOwner));
}

void TestDownloader::openWithoutFileSaysSo()
{
    m_http->serve(QStringLiteral("/pkg.zip"), package(100));
    m_downloader->setFileName(QStringLiteral("pkg.zip"));
    QVERIFY(download(QStringLiteral("/pkg.zip")));
    QVERIFY(QFile::remove(m_dir.filePath(QStringLiteral("pkg.zip"))));

    {
        BoxDriver driver;
        QVERIFY(!m_downloader->openDownload());
        QCOMPARE(driver.seen().size(), 1);
        QCOMPARE(driver.seen().at(0).text, QStringLiteral("Cannot find downloaded update!"));
        QCOMPARE(driver.seen().at(0).title, QStringLiteral("Error"));
    }
    QVERIFY(m_catcher.urls.isEmpty());

    // Nothing downloaded at all.
    Downloader fresh;
    BoxDriver driver;
    QVERIFY(!fresh.openDownload());
    QCOMPARE(driver.seen().size(), 1);
    QVERIFY(m_catcher.urls.isEmpty());
}

int main(int argc, char** argv)
{
    return MemoryProbe::testMain<TestDownloader>(argc, argv, "download", downloadChild);
}
#include "tst_downloader.moc"
