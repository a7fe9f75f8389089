#pragma once

#include <QString>

// The web pages of one product: paths relative to a site root, without a
// leading "/".
class OVAPP
{
public:
    OVAPP() = default;
    OVAPP(const QString& key, const QString& helpPath, const QString& faqPath, const QString& supportPath)
        : m_key(key), m_helpPath(helpPath), m_faqPath(faqPath), m_supportPath(supportPath)
    {
    }

    QString key() const { return m_key; }
    QString helpPath() const { return m_helpPath; }
    QString faqPath() const { return m_faqPath; }
    QString supportPath() const { return m_supportPath; }

private:
    QString m_key;
    QString m_helpPath;
    QString m_faqPath;
    QString m_supportPath;
};
