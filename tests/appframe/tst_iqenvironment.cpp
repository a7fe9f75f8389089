#include "appframe/IQEnvironment.h"

#include "online/OVEnv.h"
#include "online/OVURL.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestIQEnvironment : public QObject
{
    Q_OBJECT

private slots:
    void identity();
    void languageName_data();
    void languageName();
    void languageMapOrder();
    void envIsOneObjectOfThisProduct();
    void checkUpdateUrlDefaultCreatesNoFile();
    void checkUpdateUrlFromStore();
};

void TestIQEnvironment::identity()
{
    QCOMPARE(IQEnvironment::applicationName(), QStringLiteral("Vellumar"));
    QCOMPARE(IQEnvironment::applicationId(), 0);
    QCOMPARE(IQEnvironment::channel(), 0);
    QVERIFY(!IQEnvironment::applicationCopyright().isEmpty());
}

void TestIQEnvironment::languageName_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    QTest::newRow("Arabic") << int(QLocale::Arabic) << QStringLiteral("العربية");
    QTest::newRow("Chinese") << int(QLocale::Chinese) << QStringLiteral("中文");
    QTest::newRow("Danish") << int(QLocale::Danish) << QStringLiteral("Dansk");
    QTest::newRow("Dutch") << int(QLocale::Dutch) << QStringLiteral("Nederlands");
    QTest::newRow("English") << int(QLocale::English) << QStringLiteral("English");
    QTest::newRow("French") << int(QLocale::French) << QStringLiteral("Français");
    QTest::newRow("German") << int(QLocale::German) << QStringLiteral("Deutsch");
    QTest::newRow("Greek") << int(QLocale::Greek) << QStringLiteral("Ελληνικά");
    QTest::newRow("Italian") << int(QLocale::Italian) << QStringLiteral("Italiano");
    QTest::newRow("Japanese") << int(QLocale::Japanese) << QStringLiteral("日本語");
    QTest::newRow("NorwegianBokmal") << int(QLocale::NorwegianBokmal) << QStringLiteral("Norsk");
    QTest::newRow("Portuguese") << int(QLocale::Portuguese) << QStringLiteral("Português");
    QTest::newRow("Russian") << int(QLocale::Russian) << QStringLiteral("Русский");
    QTest::newRow("Spanish") << int(QLocale::Spanish) << QStringLiteral("Español");
    QTest::newRow("Swedish") << int(QLocale::Swedish) << QStringLiteral("Svenska");
    QTest::newRow("Turkish") << int(QLocale::Turkish) << QStringLiteral("Türkçe");
    QTest::newRow("Korean, not offered") << int(QLocale::Korean) << QStringLiteral("English");
    QTest::newRow("AnyLanguage") << int(QLocale::AnyLanguage) << QStringLiteral("English");
}

void TestIQEnvironment::languageName()
{
    QFETCH(int, language);
    QFETCH(QString, name);
    QCOMPARE(IQOEM::languageName(QLocale::Language(language)), name);
}

void TestIQEnvironment::languageMapOrder()
{
    const QMap<QLocale::Language, QString> map = IQOEM::languageMap();
    const QList<int> expected{14, 58, 68, 72, 75, 85, 94, 96, 119, 120, 209, 231, 239, 270, 275, 298};
    QList<int> keys;
    for (QLocale::Language language : map.keys())
        keys << int(language);
    QCOMPARE(keys, expected);
    QCOMPARE(map, OVEnv::languageMap());
}

void TestIQEnvironment::envIsOneObjectOfThisProduct()
{
    OVEnv* env = IQEnvironment::env();
    QVERIFY(env);
    QCOMPARE(IQEnvironment::env(), env);
    QCOMPARE(int(env->appId()), 0);
    QCOMPARE(env->name(), QStringLiteral("Vellumar"));
    QCOMPARE(env->siteSelector(), 0);
    QCOMPARE(env->languages().size(), 16);
    QVERIFY(env->url());
    QVERIFY(!env->parent());
}

void TestIQEnvironment::checkUpdateUrlDefaultCreatesNoFile()
{
    // "Settings.ini" resolves against the current folder when first used.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));

    QSettings* store = IQEnvironment::defaultSettings();
    QCOMPARE(IQEnvironment::defaultSettings(), store);
    const QString url = IQEnvironment::checkUpdateUrl();
    QVERIFY2(url.startsWith(QLatin1String("https://")), qPrintable(url));
    QVERIFY2(url.endsWith(QLatin1String("/update/update.json")), qPrintable(url));
    QCOMPARE(QUrl(url).path(), QStringLiteral("/update/update.json"));
    store->sync();
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Settings.ini"))));

    QVERIFY(QDir::setCurrent(previous));
}

void TestIQEnvironment::checkUpdateUrlFromStore()
{
    QSettings* store = IQEnvironment::defaultSettings();
    store->setValue(QStringLiteral("checkupdate/url"), QStringLiteral("http://127.0.0.1:8080/feed.json"));
    QCOMPARE(IQEnvironment::checkUpdateUrl(), QStringLiteral("http://127.0.0.1:8080/feed.json"));
    store->remove(QStringLiteral("checkupdate/url"));
}

QTEST_GUILESS_MAIN(TestIQEnvironment)
#include "tst_iqenvironment.moc"
