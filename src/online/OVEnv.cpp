#include "online/OVEnv.h"

#include "online/OVURL.h"

OVEnv::OVEnv(envAppID appId, const QString& name, int siteSelector,
             QMap<QLocale::Language, QString> languages, QObject* parent)
    : QObject(parent)
    , m_appId(appId)
    , m_name(name)
    , m_siteSelector(siteSelector)
    , m_languages(languages)
    , m_url(std::make_unique<OVURL>(this, std::move(languages)))
{
}

OVEnv::OVEnv(envAppID appId, const QString& name, int siteSelector, QObject* parent)
    : OVEnv(appId, name, siteSelector, languageMap(), parent)
{
}

OVEnv::~OVEnv() = default;

QMap<QLocale::Language, QString> OVEnv::languageMap()
{
    QMap<QLocale::Language, QString> map;
    map.insert(QLocale::English, QStringLiteral("en"));
    map.insert(QLocale::Japanese, QStringLiteral("ja"));
    map.insert(QLocale::German, QStringLiteral("de"));
    map.insert(QLocale::French, QStringLiteral("fr"));
    map.insert(QLocale::Danish, QStringLiteral("da"));
    map.insert(QLocale::Turkish, QStringLiteral("tr"));
    map.insert(QLocale::Greek, QStringLiteral("el"));
    map.insert(QLocale::Italian, QStringLiteral("it"));
    map.insert(QLocale::Swedish, QStringLiteral("sv"));
    map.insert(QLocale::Portuguese, QStringLiteral("pt"));
    map.insert(QLocale::Spanish, QStringLiteral("es"));
    map.insert(QLocale::NorwegianBokmal, QStringLiteral("no"));
    map.insert(QLocale::Dutch, QStringLiteral("nl"));
    map.insert(QLocale::Arabic, QStringLiteral("ar"));
    // Every Chinese script is served by the traditional-Chinese pages.
    map.insert(QLocale::Chinese, QStringLiteral("zh-tw"));
    map.insert(QLocale::Russian, QStringLiteral("ru"));
    return map;
}
