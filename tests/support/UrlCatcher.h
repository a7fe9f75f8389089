#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Keeps the addresses handed to the desktop: a test registers it with
// QDesktopServices::setUrlHandler(scheme, &catcher, "open").
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }
};
