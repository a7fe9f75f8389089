#include "app/initLanguage.h"

#include "appframe/IQEnvironment.h"
#include "appframe/Settings.h"
#include "online/OVEnv.h"
#include "online/OVURL.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextCodec>
#include <QTranslator>

namespace {

struct CatalogueSuffixes
{
    QLocale::Language language;
    const char* application;
    const char* qt;
};

// The application's catalogues and Qt's are named differently; where Debian
// ships no Qt catalogue of a language, Qt's English one stands in.
constexpr CatalogueSuffixes catalogueTable[] = {
    {QLocale::Arabic, "_ae", "_ar"},
    {QLocale::Chinese, "_cn", "_zh_TW"},
    {QLocale::Danish, "_da", "_da"},
    {QLocale::Dutch, "_du", "_nl"},
    {QLocale::French, "_fr", "_fr"},
    {QLocale::German, "_de", "_de"},
    {QLocale::Greek, "_gr", "_en"},
    {QLocale::Italian, "_it", "_it"},
    {QLocale::Japanese, "_jp", "_ja"},
    {QLocale::NorwegianBokmal, "_no", "_en"},
    {QLocale::Portuguese, "_pr", "_pt_PT"},
    {QLocale::Russian, "_ru", "_ru"},
    {QLocale::Spanish, "_sp", "_es"},
    {QLocale::Swedish, "_sw", "_en"},
    {QLocale::Turkish, "_tk", "_tr"},
};

void reinstall(QTranslator* translator, const QString& catalogue)
{
    // A second call must not stack the translator twice, nor leave the old
    // catalogue installed when the new one fails to load.
    QCoreApplication::removeTranslator(translator);
    if (translator->load(catalogue))
        QCoreApplication::installTranslator(translator);
}

} // namespace

LanguageCatalogues languageCatalogues(int language)
{
    const int key = language & 0xffff;
    const char* application = "_en";
    const char* qt = "_en";
    for (const CatalogueSuffixes& row : catalogueTable) {
        if (row.language == key) {
            application = row.application;
            qt = row.qt;
            break;
        }
    }
    return {QStringLiteral(":/qm/language") + QLatin1String(application),
            QStringLiteral(":/qt/qtbase") + QLatin1String(qt),
            QStringLiteral(":/update/update") + QLatin1String(application)};
}

void initLanguage(QApplication* app)
{
    Q_UNUSED(app);
    // Made once and kept for the life of the process.
    static QTranslator* applicationTranslator = new QTranslator(nullptr);
    static QTranslator* qtTranslator = new QTranslator(nullptr);
    static QTranslator* updateTranslator = new QTranslator(nullptr);

    // The locale's own codec (null resets to it where no codec is named
    // "System"); a fixed Chinese codec would garble every other locale's
    // eight-bit text.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("System"));

    const int stored = Settings::defaultSettings()->language();
    int language = stored & 0xffff;
    if (language != 0)
        IQEnvironment::env()->url()->setLanguage(QLocale::Language(language));
    else
        language = IQOEM::language();

    const LanguageCatalogues catalogues = languageCatalogues(language);
    reinstall(applicationTranslator, catalogues.application);
    reinstall(updateTranslator, catalogues.update);
    // Installed last, so searched first.
    reinstall(qtTranslator, catalogues.qt);
}
