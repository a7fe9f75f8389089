#include "desktop/SystemNoticeWatcher.h"

#include <QDBusConnection>
#include <QGuiApplication>

SystemNoticeWatcher::SystemNoticeWatcher(QObject* parent)
    : QObject(parent)
{
    // Empty service and path: whoever sends the signal, from whichever
    // object path (KDE's screen saver also speaks from "/ScreenSaver").
    QDBusConnection system = QDBusConnection::systemBus();
    if (system.isConnected())
        m_systemBus = system.connect(QString(), QString(), QStringLiteral("org.freedesktop.login1.Manager"),
                                     QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
    QDBusConnection session = QDBusConnection::sessionBus();
    if (session.isConnected()) {
        const bool freedesktop =
            session.connect(QString(), QString(), QStringLiteral("org.freedesktop.ScreenSaver"),
                            QStringLiteral("ActiveChanged"), this, SLOT(screenSaverActiveChanged(bool)));
        const bool gnome = session.connect(QString(), QString(), QStringLiteral("org.gnome.ScreenSaver"),
                                           QStringLiteral("ActiveChanged"), this, SLOT(screenSaverActiveChanged(bool)));
        m_sessionBus = freedesktop && gnome;
    }
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        m_hidden = app->applicationState() == Qt::ApplicationHidden;
        connect(app, &QGuiApplication::applicationStateChanged, this, &SystemNoticeWatcher::applicationStateChanged);
    }
}

void SystemNoticeWatcher::prepareForSleep(bool sleeping)
{
    emit notice(QString::fromLatin1(sleeping ? SystemNoticeNames::screensSlept : SystemNoticeNames::woke));
}

void SystemNoticeWatcher::screenSaverActiveChanged(bool active)
{
    emit notice(QString::fromLatin1(active ? SystemNoticeNames::screenLocked : SystemNoticeNames::screenUnlocked));
}

void SystemNoticeWatcher::applicationStateChanged(Qt::ApplicationState state)
{
    // Inactive and active both follow a hidden state; only the change in
    // and out of it is a notice.
    const bool hidden = state == Qt::ApplicationHidden;
    if (hidden == m_hidden)
        return;
    m_hidden = hidden;
    emit notice(QString::fromLatin1(hidden ? SystemNoticeNames::applicationHidden
                                           : SystemNoticeNames::applicationUnhidden));
}
