#include "desktop/MacOSApplication.h"
#include "desktop/MacOSUI.h"
#include "desktop/SystemNoticeWatcher.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QFileOpenEvent>
#include <QtTest>

#include <cstdio>

#include "PrivateMessageBus.h"
#include "support/UrlCatcher.h"

namespace {

// Stands in for the desktop's file manager on the private bus.
class FakeFileManager : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    bool refuse = false;
    QList<QStringList> shown;

public slots:
    void ShowItems(const QStringList& uris, const QString& startupId)
    {
        Q_UNUSED(startupId);
        shown.append(uris);
        if (refuse)
            sendErrorReply(QDBusError::Failed, QStringLiteral("cannot show"));
    }
};

// A reply from the bus means it has handled everything this connection sent
// before, subscriptions included.
bool roundTrip(const QDBusConnection& connection)
{
    return connection.interface()->isServiceRegistered(QStringLiteral("org.example.NoSuchName")).isValid();
}

MacOSApplication* app()
{
    return static_cast<MacOSApplication*>(QCoreApplication::instance());
}

} // namespace

class TestMacOSApplication : public QObject
{
    Q_OBJECT

public:
    explicit TestMacOSApplication(QString busAddress)
        : m_busAddress(std::move(busAddress))
    {
    }

private slots:
    void initTestCase();
    void noticesFromTheBus_data();
    void noticesFromTheBus();
    void noticeNames_data();
    void noticeNames();
    void hiddenFollowsApplicationState();
    void fileOpenKeepsTheLatestPath();
    void revealInFinder_data();
    void revealInFinder();
    void runSlideshowShowsThePictures();

private:
    QString m_busAddress;
    QTemporaryDir m_dir;
};

void TestMacOSApplication::initTestCase()
{
    QVERIFY(m_dir.isValid());
    auto* watcher = app()->findChild<SystemNoticeWatcher*>();
    QVERIFY(watcher);
    QVERIFY(watcher->listensToSystemBus());
    QVERIFY(watcher->listensToSessionBus());
}

void TestMacOSApplication::noticesFromTheBus_data()
{
    QTest::addColumn<QString>("bus");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<bool>("value");
    QTest::addColumn<QString>("reaches"); // "slept" or "locked"

    const QString login = QStringLiteral("org.freedesktop.login1.Manager.PrepareForSleep");
    const QString saver = QStringLiteral("org.freedesktop.ScreenSaver.ActiveChanged");
    QTest::newRow("sleep") << "--system" << "/org/freedesktop/login1" << login << true << "slept";
    QTest::newRow("wake") << "--system" << "/org/freedesktop/login1" << login << false << "slept";
    QTest::newRow("lock") << "--session" << "/org/freedesktop/ScreenSaver" << saver << true << "locked";
    QTest::newRow("unlock") << "--session" << "/org/freedesktop/ScreenSaver" << saver << false << "locked";
    QTest::newRow("unlock, KDE's path") << "--session" << "/ScreenSaver" << saver << false << "locked";
    QTest::newRow("lock, GNOME") << "--session" << "/org/gnome/ScreenSaver"
                                 << "org.gnome.ScreenSaver.ActiveChanged" << true << "locked";
}

void TestMacOSApplication::noticesFromTheBus()
{
    QFETCH(QString, bus);
    QFETCH(QString, path);
    QFETCH(QString, signal);
    QFETCH(bool, value);
    QFETCH(QString, reaches);

    QVERIFY(roundTrip(QDBusConnection::systemBus()));
    QVERIFY(roundTrip(QDBusConnection::sessionBus()));
    QSignalSpy slept(app(), &MacOSApplication::workspaceSlept);
    QSignalSpy locked(app(), &MacOSApplication::screenLocked);
    QSignalSpy hidden(app(), &MacOSApplication::applicationHidden);

    QProcess send;
    send.start(QStringLiteral("dbus-send"), {bus, QStringLiteral("--type=signal"), path, signal,
                                             value ? QStringLiteral("boolean:true") : QStringLiteral("boolean:false")});
    QVERIFY(send.waitForFinished(60000));
    QVERIFY2(send.exitCode() == 0, send.readAllStandardError().constData());

    QSignalSpy& expected = reaches == QLatin1String("slept") ? slept : locked;
    QSignalSpy& other = reaches == QLatin1String("slept") ? locked : slept;
    QTRY_COMPARE_WITH_TIMEOUT(expected.count(), 1, 30000);
    QCOMPARE(expected.first().first().toBool(), value);
    QCOMPARE(other.count(), 0);
    QCOMPARE(hidden.count(), 0);
}

void TestMacOSApplication::noticeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reaches"); // empty: no signal
    QTest::addColumn<bool>("value");
    QTest::newRow("screen locked") << "com.apple.screenIsLocked" << "locked" << true;
    QTest::newRow("screen unlocked") << "com.apple.screenIsUnlocked" << "locked" << false;
    QTest::newRow("screens slept") << "NSWorkspaceScreensDidSleepNotification" << "slept" << true;
    QTest::newRow("woke") << "NSWorkspaceDidWakeNotification" << "slept" << false;
    QTest::newRow("hidden") << "NSWorkspaceDidHideApplicationNotification" << "hidden" << true;
    QTest::newRow("unhidden") << "NSWorkspaceDidUnhideApplicationNotification" << "hidden" << false;
    QTest::newRow("unknown") << "NSWorkspaceDidLaunchApplicationNotification" << "" << false;
    QTest::newRow("case differs") << "com.apple.screenislocked" << "" << false;
    QTest::newRow("empty") << "" << "" << false;
}

void TestMacOSApplication::noticeNames()
{
    QFETCH(QString, name);
    QFETCH(QString, reaches);
    QFETCH(bool, value);
    QSignalSpy slept(app(), &MacOSApplication::workspaceSlept);
    QSignalSpy locked(app(), &MacOSApplication::screenLocked);
    QSignalSpy hidden(app(), &MacOSApplication::applicationHidden);
    app()->handleSystemNotification(name);
    QCOMPARE(locked.count(), reaches == QLatin1String("locked") ? 1 : 0);
    QCOMPARE(slept.count(), reaches == QLatin1String("slept") ? 1 : 0);
    QCOMPARE(hidden.count(), reaches == QLatin1String("hidden") ? 1 : 0);
    for (QSignalSpy* spy : {&locked, &slept, &hidden}) {
        if (spy->count() == 1)
            QCOMPARE(spy->first().first().toBool(), value);
    }
}

void TestMacOSApplication::hiddenFollowsApplicationState()
{
    auto* watcher = app()->findChild<SystemNoticeWatcher*>();
    QVERIFY(watcher);
    QSignalSpy hidden(app(), &MacOSApplication::applicationHidden);
    // Active to inactive is no notice; into hidden is one, staying there
    // none; out of it (to whichever state) one.
    watcher->applicationStateChanged(Qt::ApplicationActive);
    watcher->applicationStateChanged(Qt::ApplicationInactive);
    QCOMPARE(hidden.count(), 0);
    watcher->applicationStateChanged(Qt::ApplicationHidden);
    watcher->applicationStateChanged(Qt::ApplicationHidden);
    QCOMPARE(hidden.count(), 1);
    QCOMPARE(hidden.at(0).first().toBool(), true);
    watcher->applicationStateChanged(Qt::ApplicationInactive);
    watcher->applicationStateChanged(Qt::ApplicationActive);
    QCOMPARE(hidden.count(), 2);
    QCOMPARE(hidden.at(1).first().toBool(), false);
}

void TestMacOSApplication::fileOpenKeepsTheLatestPath()
{
    QSignalSpy opened(app(), &MacOSApplication::fileOpened);
    QFileOpenEvent first(QStringLiteral("/photos/first.jpg"));
    QFileOpenEvent second(QStringLiteral("/photos/second one.jpg"));
    QVERIFY(QCoreApplication::sendEvent(app(), &first));
    QCOMPARE(app()->openedFiles(), QStringList{QStringLiteral("/photos/first.jpg")});
    QVERIFY(QCoreApplication::sendEvent(app(), &second));
    QCOMPARE(app()->openedFiles(), QStringList{QStringLiteral("/photos/second one.jpg")});
    QCOMPARE(opened.count(), 2);
    QCOMPARE(opened.at(0).first().toString(), QStringLiteral("/photos/first.jpg"));
    QCOMPARE(opened.at(1).first().toString(), QStringLiteral("/photos/second one.jpg"));
}

void TestMacOSApplication::revealInFinder_data()
{
    QTest::addColumn<QString>("fileManager"); // "answers", "refuses" or "absent"
    QTest::addColumn<bool>("folderOpened");
    QTest::newRow("file manager answers") << "answers" << false;
    QTest::newRow("file manager refuses") << "refuses" << true;
    QTest::newRow("no file manager") << "absent" << true;
}

void TestMacOSApplication::revealInFinder()
{
    QFETCH(QString, fileManager);
    QFETCH(bool, folderOpened);

    const QString folder = m_dir.filePath(QStringLiteral("album"));
    QVERIFY(QDir().mkpath(folder));
    // A space and a hash: both must travel percent-encoded.
    const QString file = folder + QStringLiteral("/my photo#1.jpg");
    // The temporary folder's own path has no characters to encode.
    const QString fileUrl = QStringLiteral("file://") + folder + QStringLiteral("/my%20photo%231.jpg");

    // The previous row's file manager has left the bus.
    QTRY_VERIFY_WITH_TIMEOUT(!QDBusConnection::sessionBus().interface()->isServiceRegistered(
                                 QStringLiteral("org.freedesktop.FileManager1")),
                             30000);
    FakeFileManager fake;
    fake.refuse = fileManager == QLatin1String("refuses");
    const QString connectionName = QStringLiteral("fake-file-manager");
    {
        QDBusConnection connection = QDBusConnection::connectToBus(m_busAddress, connectionName);
        QVERIFY(connection.isConnected());
        if (fileManager != QLatin1String("absent")) {
            QVERIFY(connection.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &fake,
                                              QDBusConnection::ExportAllSlots));
            QVERIFY(connection.registerService(QStringLiteral("org.freedesktop.FileManager1")));
        }
    }
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");

    MacOSUI::revealInFinder(file);
    // The answer is awaited on the event loop; its watcher goes once done.
    QTRY_VERIFY_WITH_TIMEOUT(app()->findChildren<QDBusPendingCallWatcher*>().isEmpty(), 30000);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QDBusConnection::disconnectFromBus(connectionName);

    if (fileManager == QLatin1String("absent")) {
        QVERIFY(fake.shown.isEmpty());
    } else {
        QCOMPARE(fake.shown.size(), 1);
        QCOMPARE(fake.shown.first(), QStringList{fileUrl});
    }
    if (folderOpened) {
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.first(), QUrl::fromLocalFile(folder));
    } else {
        QVERIFY(catcher.urls.isEmpty());
    }
}

void TestMacOSApplication::runSlideshowShowsThePictures()
{
    QStringList loaded;
    app()->runSlideshow({QStringLiteral("/photos/a.jpg"), QStringLiteral("/photos/b.jpg")},
                        [&loaded](const QString& path) {
                            loaded.append(path);
                            return QImage();
                        });
    QPointer<SlideshowWindow> window = SlideshowWindow::current();
    QVERIFY(window);
    QCOMPARE(window->nameOfSlideshowItemAtIndex(window->currentIndex()), QStringLiteral("a.jpg"));
    QCOMPARE(loaded, QStringList{QStringLiteral("/photos/a.jpg")});
    app()->runSlideshow({QStringLiteral("/photos/c.jpg")}, SlideshowLoader());
    QVERIFY(SlideshowWindow::current() != window);
    SlideshowWindow::current()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    QVERIFY(!SlideshowWindow::current());
}

// The bus must be up before the application object, whose notice watcher
// subscribes to it as it is made.
int main(int argc, char** argv)
{
    PrivateMessageBus bus;
    const QString error = bus.start();
    if (!error.isEmpty()) {
        fprintf(stderr, "private message bus: %s\n", qPrintable(error));
        return 1;
    }
    int result = 0;
    {
        MacOSApplication application(argc, argv);
        application.setAttribute(Qt::AA_Use96Dpi, true);
        TestMacOSApplication test(bus.address());
        result = QTest::qExec(&test, argc, argv);
    }
    return result;
}

#include "tst_macosapplication.moc"
