#include "desktop/MacOSApplication.h"

#include "desktop/SystemNoticeWatcher.h"

#include <QFileOpenEvent>

MacOSApplication::MacOSApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    m_watcher = new SystemNoticeWatcher(this);
    connect(m_watcher, &SystemNoticeWatcher::notice, this, &MacOSApplication::handleSystemNotification);
}

MacOSApplication::~MacOSApplication() = default;

bool MacOSApplication::event(QEvent* event)
{
    if (event->type() == QEvent::FileOpen) {
        const QString path = static_cast<QFileOpenEvent*>(event)->file();
        m_openedFiles.clear();
        m_openedFiles.append(path);
        emit fileOpened(path);
        return true;
    }
    return QApplication::event(event);
}

void MacOSApplication::handleSystemNotification(const QString& name)
{
    namespace N = SystemNoticeNames;
    if (name == QLatin1String(N::screenLocked))
        emit screenLocked(true);
    else if (name == QLatin1String(N::screenUnlocked))
        emit screenLocked(false);
    else if (name == QLatin1String(N::screensSlept))
        emit workspaceSlept(true);
    else if (name == QLatin1String(N::woke))
        emit workspaceSlept(false);
    else if (name == QLatin1String(N::applicationHidden))
        emit applicationHidden(true);
    else if (name == QLatin1String(N::applicationUnhidden))
        emit applicationHidden(false);
}

void MacOSApplication::runSlideshow(const QStringList& paths, SlideshowLoader loader)
{
    SlideshowWindow::start(paths, std::move(loader));
}
