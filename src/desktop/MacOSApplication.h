#pragma once

#include "desktop/SlideshowWindow.h"

#include <QApplication>
#include <QStringList>

class SystemNoticeWatcher;

// An application object that reports what the desktop tells the program:
// files it asks the program to open, screen lock, sleep and wake, and the
// program being hidden and shown again. Start-up may make it in place of a
// plain QApplication; all of it runs on the GUI thread.
class MacOSApplication : public QApplication
{
    Q_OBJECT

public:
    MacOSApplication(int& argc, char** argv);
    ~MacOSApplication() override;

    // The path of the latest file-open event (at most one); empty before
    // the first.
    QStringList openedFiles() const { return m_openedFiles; }

    // Emits the signal that belongs to a notice name of SystemNoticeNames:
    // screenLocked(true/false) for locked/unlocked, workspaceSlept(true/false)
    // for slept/woke, applicationHidden(true/false) for hidden/unhidden. Any
    // other name does nothing. The desktop's notices arrive here.
    void handleSystemNotification(const QString& name);

    // Runs a full-screen slideshow of `paths` (see SlideshowWindow), in place
    // of any running one.
    void runSlideshow(const QStringList& paths, SlideshowLoader loader);

signals:
    void fileOpened(const QString& path);
    void screenLocked(bool locked);
    void workspaceSlept(bool slept);
    void applicationHidden(bool hidden);

protected:
    bool event(QEvent* event) override;

private:
    QStringList m_openedFiles;
    SystemNoticeWatcher* m_watcher = nullptr;
};
