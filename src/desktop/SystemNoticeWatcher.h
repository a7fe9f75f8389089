#pragma once

#include <QObject>
#include <QString>

// The names of the system notices MacOSApplication turns into signals. They
// keep the names the notices have on the Mac, so that code reacting to them
// reads the same on every desktop.
namespace SystemNoticeNames {
inline constexpr const char* screenLocked = "com.apple.screenIsLocked";
inline constexpr const char* screenUnlocked = "com.apple.screenIsUnlocked";
inline constexpr const char* screensSlept = "NSWorkspaceScreensDidSleepNotification";
inline constexpr const char* woke = "NSWorkspaceDidWakeNotification";
inline constexpr const char* applicationHidden = "NSWorkspaceDidHideApplicationNotification";
inline constexpr const char* applicationUnhidden = "NSWorkspaceDidUnhideApplicationNotification";
} // namespace SystemNoticeNames

// Listens to this desktop's sources of those notices and reports each one
// by name:
// - logind's PrepareForSleep(bool) on the system bus: true before the
//   machine sleeps (screensSlept), false after it woke (woke);
// - the session's screen saver, ActiveChanged(bool) of
//   org.freedesktop.ScreenSaver or org.gnome.ScreenSaver on the session
//   bus: true when it locks (screenLocked), false when it unlocks;
// - the application's own state: hidden when it becomes
//   Qt::ApplicationHidden, unhidden when it leaves that state.
// Any sender of those signals counts; the name of the signal decides. A bus
// that cannot be reached is left out silently. Make it on the GUI thread
// after the application object; signals arrive there.
class SystemNoticeWatcher : public QObject
{
    Q_OBJECT

public:
    explicit SystemNoticeWatcher(QObject* parent = nullptr);

    // Whether each bus accepted the subscription.
    bool listensToSystemBus() const { return m_systemBus; }
    bool listensToSessionBus() const { return m_sessionBus; }

signals:
    void notice(const QString& name);

public slots:
    void prepareForSleep(bool sleeping);
    void screenSaverActiveChanged(bool active);
    void applicationStateChanged(Qt::ApplicationState state);

private:
    bool m_systemBus = false;
    bool m_sessionBus = false;
    bool m_hidden = false;
};
