#pragma once

#include "online/OVAPP.h"

#include <QLocale>
#include <QMap>
#include <QString>

class OVEnv;

// Builds the addresses of the product's help, FAQ and support pages in the
// current interface language. Addresses are computed afresh at every call.
// GUI thread only.
class OVURL
{
public:
    // `env` is not owned and must outlive the builder.
    OVURL(OVEnv* env, QMap<QLocale::Language, QString> codes);

    // The chosen interface language; AnyLanguage (0) follows the default
    // locale at each call.
    QLocale::Language language() const;
    void setLanguage(QLocale::Language language) { m_language = language; }

    // Site root for a web language code: the main site for "en" (compared
    // case-sensitively) and for an empty code, otherwise the main site with `code` as its first
    // host label. Ends with "/".
    QString baseLanguageUrl(const QString& code) const;
    // Root of the site the environment's selector picks, without language.
    QString baseUrl() const;

    QString helpURL() const;
    QString faqURL() const;
    QString cssURL() const;

private:
    enum class Page { Help, Faq, Support };
    QString pageUrl(Page page) const;

    OVEnv* m_env;
    QLocale::Language m_language = QLocale::AnyLanguage;
    QMap<QLocale::Language, QString> m_codes;
    QMap<int, OVAPP> m_products;
};
