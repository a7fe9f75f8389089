#include "online/OVEnv.h"
#include "online/OVSites.h"
#include "online/OVURL.h"

#include <QtTest>

// Expected addresses are written out against the configured hosts: the main
// site "www.vellumar.example" with language roots "<code>.vellumar.example",
// and the second site "www.vellumar-photo.example".
class TestOVURL : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void pages_data();
    void pages();
    void followsDefaultLocale();
    void baseLanguageUrl_data();
    void baseLanguageUrl();
    void baseUrl();
    void languageMapIsFreshAndComplete();
    void constructorWithoutMap();
};

void TestOVURL::initTestCase()
{
    QCOMPARE(QString::fromLatin1(OVSites::mainHost), QStringLiteral("www.vellumar.example"));
    QCOMPARE(QString::fromLatin1(OVSites::secondHost), QStringLiteral("www.vellumar-photo.example"));
}

void TestOVURL::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestOVURL::pages_data()
{
    QTest::addColumn<int>("site");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("help");
    QTest::addColumn<QString>("faq");
    QTest::addColumn<QString>("support");

    QTest::newRow("main, English") << 0 << int(QLocale::English)
        << "https://www.vellumar.example/zorivuv/guide" << "https://www.vellumar.example/faq/zorivuv"
        << "https://www.vellumar.example/support";
    QTest::newRow("main, Japanese") << 0 << int(QLocale::Japanese)
        << "https://ja.vellumar.example/zorivuv/guide" << "https://ja.vellumar.example/faq/zorivuv"
        << "https://ja.vellumar.example/support";
    QTest::newRow("main, Chinese") << 0 << int(QLocale::Chinese)
        << "https://zh-tw.vellumar.example/zorivuv/guide" << "https://zh-tw.vellumar.example/faq/zorivuv"
        << "https://zh-tw.vellumar.example/support";
    QTest::newRow("main, Norwegian") << 0 << int(QLocale::NorwegianBokmal)
        << "https://no.vellumar.example/zorivuv/guide" << "https://no.vellumar.example/faq/zorivuv"
        << "https://no.vellumar.example/support";
    QTest::newRow("main, Korean falls back to English") << 0 << int(QLocale::Korean)
        << "https://www.vellumar.example/zorivuv/guide" << "https://www.vellumar.example/faq/zorivuv"
        << "https://www.vellumar.example/support";
    QTest::newRow("selector 1 is the main site") << 1 << int(QLocale::German)
        << "https://de.vellumar.example/zorivuv/guide" << "https://de.vellumar.example/faq/zorivuv"
        << "https://de.vellumar.example/support";
    QTest::newRow("second site, English") << 2 << int(QLocale::English)
        << "https://www.vellumar-photo.example/zorivuv/guide" << "https://www.vellumar-photo.example/faq/zorivuv"
        << "https://www.vellumar-photo.example/support";
    QTest::newRow("second site, Japanese") << 2 << int(QLocale::Japanese)
        << "https://www.vellumar-photo.example/zorivuv/guide" << "https://www.vellumar-photo.example/faq/zorivuv"
        << "https://www.vellumar-photo.example/support";
    QTest::newRow("second site, Korean") << 2 << int(QLocale::Korean)
        << "https://www.vellumar-photo.example/zorivuv/guide" << "https://www.vellumar-photo.example/faq/zorivuv"
        << "https://www.vellumar-photo.example/support";
}

void TestOVURL::pages()
{
    QFETCH(int, site);
    QFETCH(int, language);
    QFETCH(QString, help);
    QFETCH(QString, faq);
    QFETCH(QString, support);

    OVEnv env(OVEnv::VellumarApp, QStringLiteral("Vellumar"), site, OVEnv::languageMap());
    env.url()->setLanguage(QLocale::Language(language));
    QCOMPARE(env.url()->language(), QLocale::Language(language));
    QCOMPARE(env.url()->helpURL(), help);
    QCOMPARE(env.url()->faqURL(), faq);
    QCOMPARE(env.url()->cssURL(), support);
}

void TestOVURL::followsDefaultLocale()
{
    OVEnv env(OVEnv::VellumarApp, QStringLiteral("Vellumar"), 0, OVEnv::languageMap());
    QCOMPARE(env.url()->language(), QLocale().language());

    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QCOMPARE(env.url()->language(), QLocale::Japanese);
    QCOMPARE(env.url()->helpURL(), QStringLiteral("https://ja.vellumar.example/zorivuv/guide"));

    // Computed afresh at each call.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QCOMPARE(env.url()->helpURL(), QStringLiteral("https://ru.vellumar.example/zorivuv/guide"));

    // A chosen language wins over the locale.
    env.url()->setLanguage(QLocale::Turkish);
    QCOMPARE(env.url()->faqURL(), QStringLiteral("https://tr.vellumar.example/faq/zorivuv"));
}

void TestOVURL::baseLanguageUrl_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("root");
    QTest::newRow("en") << "en" << "https://www.vellumar.example/";
    QTest::newRow("EN is not en") << "EN" << "https://EN.vellumar.example/";
    QTest::newRow("ja") << "ja" << "https://ja.vellumar.example/";
    QTest::newRow("zh-tw") << "zh-tw" << "https://zh-tw.vellumar.example/";
    // No language site without a code: the main site, as for English.
    QTest::newRow("empty code") << "" << "https://www.vellumar.example/";
}

void TestOVURL::baseLanguageUrl()
{
    QFETCH(QString, code);
    QFETCH(QString, root);
    OVEnv env(OVEnv::VellumarApp, QStringLiteral("Vellumar"), 2, OVEnv::languageMap());
    // The selector does not matter here: a language root is always on the main site.
    QCOMPARE(env.url()->baseLanguageUrl(code), root);
}

void TestOVURL::baseUrl()
{
    OVEnv main(OVEnv::VellumarApp, QStringLiteral("Vellumar"), 0, OVEnv::languageMap());
    OVEnv second(OVEnv::VellumarApp, QStringLiteral("Vellumar"), 2, OVEnv::languageMap());
    QCOMPARE(main.url()->baseUrl(), QStringLiteral("https://www.vellumar.example/"));
    QCOMPARE(second.url()->baseUrl(), QStringLiteral("https://www.vellumar-photo.example/"));
}

void TestOVURL::languageMapIsFreshAndComplete()
{
    QMap<QLocale::Language, QString> first = OVEnv::languageMap();
    const QMap<QLocale::Language, QString> second = OVEnv::languageMap();
    QCOMPARE(first.size(), 16);
    QCOMPARE(first, second);
    first.insert(QLocale::Korean, QStringLiteral("ko"));
    QCOMPARE(OVEnv::languageMap().size(), 16);

    QCOMPARE(second.firstKey(), QLocale::Arabic);
    QCOMPARE(second.lastKey(), QLocale::Turkish);
    const QList<QPair<QLocale::Language, const char*>> codes{
        {QLocale::English, "en"}, {QLocale::Japanese, "ja"}, {QLocale::German, "de"},
        {QLocale::French, "fr"}, {QLocale::Danish, "da"}, {QLocale::Turkish, "tr"},
        {QLocale::Greek, "el"}, {QLocale::Italian, "it"}, {QLocale::Swedish, "sv"},
        {QLocale::Portuguese, "pt"}, {QLocale::Spanish, "es"}, {QLocale::NorwegianBokmal, "no"},
        {QLocale::Dutch, "nl"}, {QLocale::Arabic, "ar"}, {QLocale::Chinese, "zh-tw"},
        {QLocale::Russian, "ru"}};
    for (const auto& [language, code] : codes)
        QCOMPARE(second.value(language), QString::fromLatin1(code));
}

void TestOVURL::constructorWithoutMap()
{
    QObject parent;
    auto* env = new OVEnv(OVEnv::VellumarApp, QStringLiteral("Vellumar"), 0, &parent);
    QCOMPARE(env->parent(), &parent);
    QCOMPARE(env->languages(), OVEnv::languageMap());
    env->url()->setLanguage(QLocale::Greek);
    QCOMPARE(env->url()->cssURL(), QStringLiteral("https://el.vellumar.example/support"));
}

QTEST_GUILESS_MAIN(TestOVURL)
#include "tst_ovurl.moc"
