#pragma once

#include <QCloseEvent>
#include <QList>
#include <QObject>
#include <QUrl>
#include <QWidget>

// Stands for the main window with unsaved work: asked to close, it asks
// about that work and the user answers Cancel.
class UnsavedWindow : public QWidget
{
public:
    int closeRequests = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closeRequests;
        event->ignore();
    }
};

// Receives the addresses handed to the desktop.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }
};
