#include "appframe/Settings.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Getter = QString (Settings::*)();
using Setter = void (Settings::*)(QString);

struct DirectoryKey
{
    const char* key;
    Getter get;
    Setter set;
};

const DirectoryKey directoryKeys[] = {
    {"app/lastBackgroundDir", &Settings::backContentDir, &Settings::setBackContentDir},
    {"app/lastMaskDir", &Settings::maskDir, &Settings::setMaskDir},
    {"app/lastCanvasDir", &Settings::saveCanvasDir, &Settings::setCanvasDir},
    {"panorama/loadPicturesDir", &Settings::panoramaPicturesDir, &Settings::setPanoramaPicturesDir},
    {"zorivuv/loadPicturesDir", &Settings::zorivuvPicturesDir, &Settings::setZorivuvPicturesDir},
    {"collage/loadPicturesDir", &Settings::collagePicturesDir, &Settings::setCollagePicturesDir},
    {"collage/loadProjectDir", &Settings::collageProjectDir, &Settings::setCollageProjectDir},
    {"collage/saveProjectDir", &Settings::saveCollageProjectDir, &Settings::setSaveCollageProjectDir},
};

// Set in the child process of recentListSurvivesRestart.
const char childRecentVariable[] = "VELLUMAR_TEST_CHILD_RECENT_URL";

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void languageIsStoredInAppGroup();
    void directories_data();
    void directories();
    void recentListKeepsCapAndOrder();
    void recentListFromEditedFileShrinksOnAdd();
    void recentListDropsInvalidEntriesOnLoad();
    void recentListWrittenOnEveryChange();
    void recentListSurvivesRestart();
    void commandlineUrlsAreKeptInOrderAndNotStored();
    void defaultSettingsIsOneInstanceInDataFolder();

private:
    QString settingsFile() const { return m_dir->filePath(QStringLiteral("CollageSettings.ini")); }
    QString makeProject(int n) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettings::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestSettings::makeProject(int n) const
{
    const QString path = m_dir->filePath(QStringLiteral("p%1.pmp2").arg(n));
    if (!QFile::exists(path))
        TestSupport::writeFile(path, "<Collage/>");
    return path;
}

void TestSettings::languageIsStoredInAppGroup()
{
    {
        Settings settings(settingsFile(), QSettings::IniFormat);
        QCOMPARE(settings.language(), 0);
        settings.setLanguage(94);
        QCOMPARE(settings.language(), 94);

        // Written through at once: a second reader sees it while the first lives.
        QSettings fresh(settingsFile(), QSettings::IniFormat);
        QCOMPARE(fresh.value(QStringLiteral("app/language")).toInt(), 94);
    }
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY2(text.contains("[app]\nlanguage=94\n"), text.constData());
}

void TestSettings::directories_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(directoryKeys)); ++i)
        QTest::newRow(directoryKeys[i].key) << i;
}

void TestSettings::directories()
{
    QFETCH(int, index);
    const DirectoryKey& key = directoryKeys[index];
    // HOME is the test's own folder; Pictures is the first fallback.
    const QString fallback = QDir::homePath() + QStringLiteral("/Pictures");

    Settings settings(settingsFile(), QSettings::IniFormat);
    QCOMPARE((settings.*key.get)(), fallback);

    const QString existing = m_dir->filePath(QStringLiteral("existing"));
    QVERIFY(QDir().mkpath(existing));
    (settings.*key.set)(existing);
    QCOMPARE((settings.*key.get)(), existing);
    QCOMPARE(QSettings(settingsFile(), QSettings::IniFormat).value(QLatin1String(key.key)).toString(), existing);

    // A folder deleted since: the stale value stays stored, the getter falls back.
    QVERIFY(QDir(existing).removeRecursively());
    QCOMPARE((settings.*key.get)(), fallback);
    QCOMPARE(QSettings(settingsFile(), QSettings::IniFormat).value(QLatin1String(key.key)).toString(), existing);

    (settings.*key.set)(QString());
    QCOMPARE(QSettings(settingsFile(), QSettings::IniFormat).value(QLatin1String(key.key)).toString(), QString());
    QCOMPARE((settings.*key.get)(), fallback);
}

void TestSettings::recentListKeepsCapAndOrder()
{
    Settings settings(settingsFile(), QSettings::IniFormat);
    for (int i = 1; i <= 8; ++i)
        settings.addRecentTessoliaUrl(QUrl(makeProject(i)));
    QList<QUrl> expected;
    for (int i = 8; i >= 1; --i)
        expected << QUrl(makeProject(i));
    QCOMPARE(settings.recentTessoliaUrls(), expected);

    // A 9th distinct entry goes first and pushes out the oldest.
    settings.addRecentTessoliaUrl(QUrl(makeProject(9)));
    expected.prepend(QUrl(makeProject(9)));
    expected.removeLast();
    QCOMPARE(settings.recentTessoliaUrls(), expected);
    QVERIFY(!settings.recentTessoliaUrls().contains(QUrl(makeProject(1))));

    // Re-using the entry at position 5 moves it to the front; the length stays.
    const QUrl fifth = expected.at(4);
    settings.addRecentTessoliaUrl(fifth);
    expected.move(4, 0);
    QCOMPARE(settings.recentTessoliaUrls(), expected);

    settings.removeRecentTessoliaUrl(fifth);
    expected.removeFirst();
    QCOMPARE(settings.recentTessoliaUrls(), expected);
}

void TestSettings::recentListFromEditedFileShrinksOnAdd()
{
    QStringList ten;
    for (int i = 1; i <= 10; ++i)
        ten << makeProject(i);
    {
        QSettings raw(settingsFile(), QSettings::IniFormat);
        raw.setValue(QStringLiteral("Collage/RecentUrls"), ten);
    }
    Settings settings(settingsFile(), QSettings::IniFormat);
    QCOMPARE(settings.recentTessoliaUrls().size(), 10); // loading does not trim

    settings.addRecentTessoliaUrl(QUrl(makeProject(11)));
    QList<QUrl> expected{QUrl(makeProject(11))};
    for (int i = 1; i <= 7; ++i)
        expected << QUrl(makeProject(i));
    QCOMPARE(settings.recentTessoliaUrls(), expected);
}

void TestSettings::recentListDropsInvalidEntriesOnLoad()
{
    const QString kept = makeProject(1);
    const QString picture = m_dir->filePath(QStringLiteral("photo.png"));
    QVERIFY(TestSupport::writeFile(picture, "x"));
    {
        QSettings raw(settingsFile(), QSettings::IniFormat);
        raw.setValue(QStringLiteral("Collage/RecentUrls"),
                     QStringList{QStringLiteral("http://host/remote.pmp2"), m_dir->filePath(QStringLiteral("gone.pmp2")),
                                 picture, kept});
    }
    QTest::ignoreMessage(QtWarningMsg, "App::validateCollageUrl: http or ftp urls not allowed for now");
    Settings settings(settingsFile(), QSettings::IniFormat);
    QCOMPARE(settings.recentTessoliaUrls(), QList<QUrl>{QUrl(kept)});

    settings.addRecentTessoliaUrl(QUrl(makeProject(2)));
    const QStringList stored = QSettings(settingsFile(), QSettings::IniFormat).value(QStringLiteral("Collage/RecentUrls")).toStringList();
    QCOMPARE(stored, (QStringList{makeProject(2), kept}));
}

void TestSettings::recentListWrittenOnEveryChange()
{
    Settings settings(settingsFile(), QSettings::IniFormat);
    settings.addRecentTessoliaUrl(QUrl(makeProject(1)));
    settings.addRecentTessoliaUrl(QUrl(makeProject(2)));
    // Read while `settings` is alive: nothing waits for its destructor.
    QCOMPARE(Settings(settingsFile(), QSettings::IniFormat).recentTessoliaUrls(),
             (QList<QUrl>{QUrl(makeProject(2)), QUrl(makeProject(1))}));

    settings.removeRecentTessoliaUrl(QUrl(makeProject(2)));
    settings.removeRecentTessoliaUrl(QUrl(makeProject(1)));
    QVERIFY(!QSettings(settingsFile(), QSettings::IniFormat).contains(QStringLiteral("Collage/RecentUrls")));
}

void TestSettings::recentListSurvivesRestart()
{
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir(dataDir).removeRecursively();
    const QString project = makeProject(1);

    // The child adds through the process-wide instance, which is never
    // destroyed, and exits.
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(childRecentVariable), project);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);

    Settings next(dataDir + QStringLiteral("/CollageSettings.ini"), QSettings::IniFormat);
    QCOMPARE(next.recentTessoliaUrls(), QList<QUrl>{QUrl(project)});
}

void TestSettings::commandlineUrlsAreKeptInOrderAndNotStored()
{
    {
        Settings settings(settingsFile(), QSettings::IniFormat);
        settings.addCommandlineUrl(QStringLiteral("/b.jpg"));
        settings.addCommandlineUrl(QStringLiteral("/a.jpg"));
        settings.addCommandlineUrl(QStringLiteral("http://h/c.pmp2"));
        QCOMPARE(settings.commandlineUrls(),
                 (QStringList{QStringLiteral("/b.jpg"), QStringLiteral("/a.jpg"), QStringLiteral("http://h/c.pmp2")}));
        settings.setLanguage(75);
    }
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(!text.contains("a.jpg"));
    QVERIFY(!text.contains("c.pmp2"));
}

void TestSettings::defaultSettingsIsOneInstanceInDataFolder()
{
    // A fresh account: not even the parents of the data folder exist.
    QVERIFY(QDir(QDir::homePath() + QStringLiteral("/.qttest")).removeRecursively());
    Settings* settings = Settings::defaultSettings();
    QVERIFY(settings);
    QCOMPARE(Settings::defaultSettings(), settings);
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCOMPARE(settings->fileName(), dataDir + QStringLiteral("/CollageSettings.ini"));
    // The folder is made with its parents on a fresh account.
    QVERIFY(QDir(dataDir).exists());
    QVERIFY(settings->isAtomicSyncRequired());
}

static int childAddsRecentUrl(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    Settings::defaultSettings()->addRecentTessoliaUrl(QUrl(qEnvironmentVariable(childRecentVariable)));
    return 0;
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(childRecentVariable))
        return childAddsRecentUrl(argc, argv);

    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    TestSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings.moc"
