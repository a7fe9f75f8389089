#include "online/OVURL.h"

#include "online/OVEnv.h"
#include "online/OVSites.h"

namespace {

constexpr int secondSiteSelector = 2;

QString rootOf(const QString& host)
{
    return QStringLiteral("https://") + host + QLatin1Char('/');
}

} // namespace

OVURL::OVURL(OVEnv* env, QMap<QLocale::Language, QString> codes)
    : m_env(env)
    , m_codes(std::move(codes))
{
    // This product's pages have the same paths on both sites.
    m_products.insert(OVEnv::VellumarApp,
                      OVAPP(QStringLiteral("zorivuv"), QStringLiteral("zorivuv/guide"),
                            QStringLiteral("faq/zorivuv"), QStringLiteral("support")));
}

QLocale::Language OVURL::language() const
{
    return m_language != QLocale::AnyLanguage ? m_language : QLocale().language();
}

QString OVURL::baseLanguageUrl(const QString& code) const
{
    const QString mainHost = QString::fromLatin1(OVSites::mainHost);
    // No code names no language site: an empty first label would make an
    // address that leads nowhere.
    if (code.isEmpty() || code == QLatin1String("en"))
        return rootOf(mainHost);
    const QString domain = mainHost.section(QLatin1Char('.'), 1);
    return QStringLiteral("https://%1.").arg(code) + domain + QLatin1Char('/');
}

QString OVURL::baseUrl() const
{
    if (m_env->siteSelector() == secondSiteSelector)
        return rootOf(QString::fromLatin1(OVSites::secondHost));
    return rootOf(QString::fromLatin1(OVSites::mainHost));
}

QString OVURL::pageUrl(Page page) const
{
    QLocale::Language lang = language();
    if (!m_codes.contains(lang))
        lang = QLocale::English;

    const QString base = m_env->siteSelector() == secondSiteSelector
                             ? baseUrl()
                             : baseLanguageUrl(m_codes.value(lang));

    const OVAPP app = m_products.value(m_env->appId());
    QString path;
    switch (page) {
    case Page::Help:
        path = app.helpPath();
        break;
    case Page::Faq:
        path = app.faqPath();
        break;
    case Page::Support:
        path = app.supportPath();
        break;
    }
    return QStringLiteral("%1%2").arg(base, path);
}

QString OVURL::helpURL() const
{
    return pageUrl(Page::Help);
}

QString OVURL::faqURL() const
{
    return pageUrl(Page::Faq);
}

QString OVURL::cssURL() const
{
    return pageUrl(Page::Support);
}
