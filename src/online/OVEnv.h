#pragma once

#include <QLocale>
#include <QMap>
#include <QObject>
#include <QString>

#include <memory>

class OVURL;

// Identity of the running product for the online services: product id,
// display name, web site and interface languages with their web codes.
// Owns the web-link builder.
class OVEnv : public QObject
{
    Q_OBJECT

public:
    enum envAppID {
        VellumarApp = 0,
    };

    // Site selector 2 picks the second web site; any other value the main one.
    OVEnv(envAppID appId, const QString& name, int siteSelector,
          QMap<QLocale::Language, QString> languages, QObject* parent = nullptr);
    OVEnv(envAppID appId, const QString& name, int siteSelector, QObject* parent = nullptr);
    ~OVEnv() override;

    // The 16 interface languages and their web language codes; a new map at
    // every call.
    static QMap<QLocale::Language, QString> languageMap();

    envAppID appId() const { return m_appId; }
    QString name() const { return m_name; }
    int siteSelector() const { return m_siteSelector; }
    QMap<QLocale::Language, QString> languages() const { return m_languages; }

    // The web-link builder, owned by this object.
    OVURL* url() const { return m_url.get(); }

private:
    envAppID m_appId;
    QString m_name;
    int m_siteSelector;
    QMap<QLocale::Language, QString> m_languages;
    std::unique_ptr<OVURL> m_url;
};
