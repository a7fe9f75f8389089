#include "appframe/IQEnvironment.h"

#include "online/OVEnv.h"
#include "online/OVSites.h"

#include <QSettings>

QString IQEnvironment::applicationName()
{
    return QStringLiteral("Vellumar");
}

QString IQEnvironment::applicationCopyright()
{
    return QStringLiteral("Copyright \u00A9 2026 The Vellumar developers. All rights reserved.");
}

OVEnv* IQEnvironment::env()
{
    static OVEnv* environment = nullptr;
    if (!environment)
        environment = new OVEnv(OVEnv::VellumarApp, applicationName(), 0, IQOEM::languageMap(), nullptr);
    return environment;
}

QSettings* IQEnvironment::defaultSettings()
{
    static QSettings* store = nullptr;
    if (!store)
        store = new QSettings(QStringLiteral("Settings.ini"), QSettings::IniFormat);
    return store;
}

QString IQEnvironment::checkUpdateUrl()
{
    const QString builtIn = QStringLiteral("https://") + QString::fromLatin1(OVSites::mainHost)
                          + QStringLiteral("/update/update.json");
    return defaultSettings()->value(QStringLiteral("checkupdate/url"), builtIn).toString();
}

QMap<QLocale::Language, QString> IQOEM::languageMap()
{
    return OVEnv::languageMap();
}

QLocale::Language IQOEM::language()
{
    return QLocale().language();
}

QString IQOEM::languageName(QLocale::Language language)
{
    switch (language) {
    case QLocale::Arabic: return QStringLiteral("العربية");
    case QLocale::Chinese: return QStringLiteral("中文");
    case QLocale::Danish: return QStringLiteral("Dansk");
    case QLocale::Dutch: return QStringLiteral("Nederlands");
    case QLocale::French: return QStringLiteral("Français");
    case QLocale::German: return QStringLiteral("Deutsch");
    case QLocale::Greek: return QStringLiteral("Ελληνικά");
    case QLocale::Italian: return QStringLiteral("Italiano");
    case QLocale::Japanese: return QStringLiteral("日本語");
    case QLocale::NorwegianBokmal: return QStringLiteral("Norsk");
    case QLocale::Portuguese: return QStringLiteral("Português");
    case QLocale::Russian: return QStringLiteral("Русский");
    case QLocale::Spanish: return QStringLiteral("Español");
    case QLocale::Swedish: return QStringLiteral("Svenska");
    case QLocale::Turkish: return QStringLiteral("Türkçe");
    default: return QStringLiteral("English");
    }
}
