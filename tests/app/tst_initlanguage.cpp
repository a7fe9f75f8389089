#include "app/initLanguage.h"

#include "appframe/IQEnvironment.h"
#include "appframe/Settings.h"
#include "online/OVEnv.h"
#include "online/OVURL.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTextCodec>
#include <QTranslator>
#include <QtTest>

namespace {

QString mainWindowText(const char* source)
{
    return QCoreApplication::translate("MainWindow", source);
}

} // namespace

class TestInitLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void catalogueNames_data();
    void catalogueNames();
    void everyApplicationCatalogueTranslates_data();
    void everyApplicationCatalogueTranslates();
    void storedLanguageInstallsBothCatalogues();
    void updateCatalogueFollowsTheLanguage();
    void storedLanguageSetsTheLinkLanguage();
    void noStoredLanguageLeavesTheLinkLanguage();
    void laterCallReplacesTheCatalogues();
    void localeCodecStaysTheSystemOne();
};

void TestInitLanguage::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestInitLanguage::init()
{
    Settings::defaultSettings()->setLanguage(0);
    IQEnvironment::env()->url()->setLanguage(QLocale::AnyLanguage);
}

void TestInitLanguage::catalogueNames_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("application");
    QTest::addColumn<QString>("qt");

    QTest::newRow("Arabic") << 14 << "_ae" << "_ar";
    QTest::newRow("Chinese") << 58 << "_cn" << "_zh_TW";
    QTest::newRow("Danish") << 68 << "_da" << "_da";
    QTest::newRow("Dutch") << 72 << "_du" << "_nl";
    QTest::newRow("English") << 75 << "_en" << "_en";
    QTest::newRow("French") << 85 << "_fr" << "_fr";
    QTest::newRow("German") << 94 << "_de" << "_de";
    QTest::newRow("Greek") << 96 << "_gr" << "_en";
    QTest::newRow("Italian") << 119 << "_it" << "_it";
    QTest::newRow("Japanese") << 120 << "_jp" << "_ja";
    QTest::newRow("Norwegian Bokmal") << 209 << "_no" << "_en";
    QTest::newRow("Portuguese") << 231 << "_pr" << "_pt_PT";
    QTest::newRow("Russian") << 239 << "_ru" << "_ru";
    QTest::newRow("Spanish") << 270 << "_sp" << "_es";
    QTest::newRow("Swedish") << 275 << "_sw" << "_en";
    QTest::newRow("Turkish") << 298 << "_tk" << "_tr";
    QTest::newRow("Korean, not offered") << int(QLocale::Korean) << "_en" << "_en";
    QTest::newRow("system language value") << 0 << "_en" << "_en";
    // Only the low 16 bits name the language.
    QTest::newRow("German with high bits") << (0x10000 | 94) << "_de" << "_de";
}

void TestInitLanguage::catalogueNames()
{
    QFETCH(int, language);
    QFETCH(QString, application);
    QFETCH(QString, qt);

    const LanguageCatalogues catalogues = languageCatalogues(language);
    QCOMPARE(catalogues.application, ":/qm/language" + application);
    QCOMPARE(catalogues.qt, ":/qt/qtbase" + qt);
    QCOMPARE(catalogues.update, ":/update/update" + application);
    // All are compiled in; the loader adds the extension.
    QVERIFY(QFile::exists(catalogues.application + ".qm"));
    QVERIFY(QFile::exists(catalogues.qt + ".qm"));
    QVERIFY(QFile::exists(catalogues.update + ".qm"));
    QTranslator translator;
    QVERIFY(translator.load(catalogues.application));
    QVERIFY(translator.load(catalogues.qt));
    QVERIFY(translator.load(catalogues.update));
}

void TestInitLanguage::everyApplicationCatalogueTranslates_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("about");
    QTest::addColumn<QString>("language");

    QTest::newRow("en") << "_en" << "About" << "Language";
    QTest::newRow("ae") << "_ae" << "حول" << "اللغة";
    QTest::newRow("cn") << "_cn" << "關於" << "語言";
    QTest::newRow("da") << "_da" << "Om" << "Sprog";
    QTest::newRow("du") << "_du" << "Over" << "Taal";
    QTest::newRow("fr") << "_fr" << "À propos" << "Langue";
    QTest::newRow("de") << "_de" << "Über" << "Sprache";
    QTest::newRow("gr") << "_gr" << "Σχετικά" << "Γλώσσα";
    QTest::newRow("it") << "_it" << "Informazioni" << "Lingua";
    QTest::newRow("jp") << "_jp" << "バージョン情報" << "言語";
    QTest::newRow("no") << "_no" << "Om" << "Språk";
    QTest::newRow("pr") << "_pr" << "Acerca de" << "Idioma";
    QTest::newRow("ru") << "_ru" << "О программе" << "Язык";
    QTest::newRow("sp") << "_sp" << "Acerca de" << "Idioma";
    QTest::newRow("sw") << "_sw" << "Om" << "Språk";
    QTest::newRow("tk") << "_tk" << "Hakkında" << "Dil";
}

void TestInitLanguage::everyApplicationCatalogueTranslates()
{
    QFETCH(QString, suffix);
    QFETCH(QString, about);
    QFETCH(QString, language);

    QTranslator translator;
    QVERIFY(translator.load(":/qm/language" + suffix));
    QCOMPARE(translator.translate("MainWindow", "IDS_ABOUT"), about);
    QCOMPARE(translator.translate("MainWindow", "Language"), language);
}

void TestInitLanguage::storedLanguageInstallsBothCatalogues()
{
    Settings::defaultSettings()->setLanguage(QLocale::German);
    initLanguage(qApp);

    QCOMPARE(mainWindowText("Language"), QStringLiteral("Sprache"));
    QCOMPARE(mainWindowText("IDS_MENU_ONLINE_HELP"), QStringLiteral("Online-Hilfe"));
    // A text only Qt's own catalogue has.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&Nein"));

    Settings::defaultSettings()->setLanguage(QLocale::English);
    initLanguage(qApp);
    QCOMPARE(mainWindowText("IDS_MENU_ONLINE_HELP"), QStringLiteral("Online Help"));
    QCOMPARE(mainWindowText("IDS_MENU_FAQ"), QStringLiteral("Product FAQ"));
    QCOMPARE(mainWindowText("IDS_MENU_CCS"), QStringLiteral("Contact Customer Service"));
    QCOMPARE(mainWindowText("IDS_ABOUT"), QStringLiteral("About"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&No"));
}

void TestInitLanguage::updateCatalogueFollowsTheLanguage()
{
    Settings::defaultSettings()->setLanguage(QLocale::German);
    initLanguage(qApp);
    QCOMPARE(QCoreApplication::translate("Updater", "Could not check for updates of %1"),
             QStringLiteral("Die Suche nach Updates für %1 ist fehlgeschlagen"));
    QCOMPARE(QCoreApplication::translate("Downloader", "Stop"), QStringLiteral("Stopp"));
    QCOMPARE(QCoreApplication::translate("Downloader", "Downloading updates"),
             QStringLiteral("Updates werden heruntergeladen"));
    // The application's own texts stay in their catalogue.
    QCOMPARE(mainWindowText("Language"), QStringLiteral("Sprache"));

    // The one update translator is reused: Japanese replaces German.
    Settings::defaultSettings()->setLanguage(QLocale::Japanese);
    initLanguage(qApp);
    QCOMPARE(QCoreApplication::translate("Downloader", "Stop"), QStringLiteral("停止"));
    Settings::defaultSettings()->setLanguage(QLocale::English);
    initLanguage(qApp);
    QCOMPARE(QCoreApplication::translate("Downloader", "Stop"), QStringLiteral("Stop"));
    QCOMPARE(QCoreApplication::translate("Updater", "Would you like to download the update now?"),
             QStringLiteral("Would you like to download the update now?"));
}

void TestInitLanguage::storedLanguageSetsTheLinkLanguage()
{
    Settings::defaultSettings()->setLanguage(QLocale::Japanese);
    initLanguage(qApp);
    QCOMPARE(IQEnvironment::env()->url()->language(), QLocale::Japanese);
    QCOMPARE(mainWindowText("Language"), QStringLiteral("言語"));
}

void TestInitLanguage::noStoredLanguageLeavesTheLinkLanguage()
{
    IQEnvironment::env()->url()->setLanguage(QLocale::Danish);
    // The system language of the test is not one of the catalogues' but
    // English, or it is: either way the link language stays.
    initLanguage(qApp);
    QCOMPARE(IQEnvironment::env()->url()->language(), QLocale::Danish);
}

void TestInitLanguage::laterCallReplacesTheCatalogues()
{
    Settings::defaultSettings()->setLanguage(QLocale::French);
    initLanguage(qApp);
    QCOMPARE(mainWindowText("Language"), QStringLiteral("Langue"));
    initLanguage(qApp);
    QCOMPARE(mainWindowText("Language"), QStringLiteral("Langue"));

    // Nothing French left behind, in either catalogue.
    Settings::defaultSettings()->setLanguage(QLocale::English);
    initLanguage(qApp);
    QCOMPARE(mainWindowText("Language"), QStringLiteral("Language"));
    QCOMPARE(QCoreApplication::translate("QCocoaMenuItem", "Paste"), QStringLiteral("Paste"));
}

void TestInitLanguage::localeCodecStaysTheSystemOne()
{
    QTextCodec::setCodecForLocale(nullptr);
    QTextCodec* platform = QTextCodec::codecForLocale();
    QTextCodec* chinese = QTextCodec::codecForName("GBK");
    if (chinese)
        QTextCodec::setCodecForLocale(chinese);
    initLanguage(qApp);
    QCOMPARE(QTextCodec::codecForLocale(), platform);
    QVERIFY(QTextCodec::codecForLocale()->name() != "GBK");
}

QTEST_MAIN(TestInitLanguage)
#include "tst_initlanguage.moc"
