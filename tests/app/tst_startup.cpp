#include "app/Startup.h"

#include "appframe/Settings.h"

#include "support/TestSupport.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <vector>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void acceptedArgumentsAreStoredInOrder();
    void displayNameIsNotSetTwice();
};

void TestStartup::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestStartup::acceptedArgumentsAreStoredInOrder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString second = dir.filePath(QStringLiteral("b photo.jpg"));
    const QString first = dir.filePath(QStringLiteral("été.png"));
    const QString project = dir.filePath(QStringLiteral("album.PMP2"));
    for (const QString& path : {first, second, project})
        QVERIFY(TestSupport::writeFile(path, "x"));

    const QStringList arguments {
        QStringLiteral("vellumar"),                        // the program itself
        first,
        dir.filePath(QStringLiteral("missing.jpg")),       // no such file
        dir.filePath(QStringLiteral("notes.txt")),         // not content
        second,
        QStringLiteral("HTTP://example.org/p.jpg"),       // remote picture
        QStringLiteral("ftp:/host/readme"),                // remote, not content
        project,
    };
    std::vector<QByteArray> bytes;
    for (const QString& argument : arguments)
        bytes.push_back(argument.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& argument : bytes)
        argv.push_back(argument.data());

    storeCommandlineUrls(int(argv.size()), argv.data());
    QCOMPARE(Settings::defaultSettings()->commandlineUrls(),
             QStringList({first, second, QStringLiteral("HTTP://example.org/p.jpg"), project}));
}

void TestStartup::displayNameIsNotSetTwice()
{
    // The product name is the application name: the display name is Qt's
    // default, which follows the application name, and not a name set on
    // top of it (the one Qt's window system layer appends to every title).
    QCoreApplication::setApplicationName(QStringLiteral("Vellumar"));
    setDisplayName(QStringLiteral("Vellumar"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Vellumar"));
    QCoreApplication::setApplicationName(QStringLiteral("Renamed"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Renamed"));

    // A different display name is set.
    setDisplayName(QStringLiteral("Vellumar Beta"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Vellumar Beta"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumar"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Vellumar Beta"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
