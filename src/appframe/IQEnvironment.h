#pragma once

#include <QLocale>
#include <QMap>
#include <QString>

class OVEnv;
class QSettings;

// Who the program is. The process-wide objects are made on first use and
// never deleted. GUI thread only.
class IQEnvironment
{
public:
    IQEnvironment() = delete;

    // "Vellumar": the display name, and the name behind the settings and
    // data folders.
    static QString applicationName();
    static QString applicationCopyright();
    static int applicationId() { return 0; }
    static int channel() { return 0; }

    // The environment of the online services: product 0, "Vellumar", main
    // web site, the 16 interface languages.
    static OVEnv* env();

    // The small INI store "Settings.ini", resolved against the current
    // folder when first used.
    static QSettings* defaultSettings();

    // "checkupdate/url" of that store, or the product's own update feed.
    static QString checkUpdateUrl();
};

// The interface languages the product offers.
class IQOEM
{
public:
    IQOEM() = delete;

    // The 16 languages and their web codes, in ascending QLocale::Language
    // order when walked; a new map at every call.
    static QMap<QLocale::Language, QString> languageMap();

    // The language of the default locale.
    static QLocale::Language language();

    // The language's own name for itself ("Deutsch", "日本語"); "English"
    // for a language the product does not offer.
    static QString languageName(QLocale::Language language);
};
