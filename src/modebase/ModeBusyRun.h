#pragma once

#include <QPointer>
#include <QThread>

#include <functional>
#include <memory>

class QWaitingDialog;
class QWidget;

// Runs one worker thread under the modal busy dialog and returns once the
// worker has ended and everything it posted has been handled. Every step
// that runs work off the GUI thread goes through here, so the order below
// is written once.
//
// The order, and why:
// 1. The caller connects the worker's result signals to receivers on the
//    GUI thread (so queued) before exec(): a result emitted at once is not
//    lost.
// 2. The worker emits its results from run(); QThread::finished() comes
//    from the same thread only after run() has returned. Events one thread
//    posts to another are handled in the order posted, so the dialog's
//    close(), connected to finished(), lands behind every result: when
//    exec() returns, all of them have been handled.
// 3. Hooks given to onEnded() are connected to finished() before close():
//    what must wait until the worker no longer touches shared state (an
//    engine to release) is done by the time exec() returns. A result
//    handler must not release such state itself: the worker may still be
//    inside run().
// 4. Cancel only asks the worker to stop. The dialog still waits for
//    finished(), so no second run can start meanwhile, and the cancel
//    callback is called only while the worker exists.
// 5. The worker deletes itself after finished(). Whoever needs it after
//    exec() holds it in a QPointer.
//
// GUI thread only; exec() runs a nested event loop.
class ModeBusyRun
{
public:
    // `worker`: made with new, without a parent, its results connected,
    // not started. The dialog's parent is `parent`.
    explicit ModeBusyRun(QThread* worker, QWidget* parent = nullptr);
    ~ModeBusyRun();

    ModeBusyRun(const ModeBusyRun&) = delete;
    ModeBusyRun& operator=(const ModeBusyRun&) = delete;

    // Adds the progress bar and Cancel; `cancel` is called on the GUI
    // thread when Cancel is pressed and the worker still exists.
    void showProgress(std::function<void()> cancel);
    // The dialog, to connect the worker's progress to.
    QWaitingDialog* dialog() const { return m_dialog.get(); }
    // `hook` is called on the GUI thread once the worker has finished,
    // before the dialog closes. Before exec() only.
    void onEnded(std::function<void()> hook);

    // Starts the worker and returns when it has finished and every result
    // it posted was handled.
    void exec();

private:
    QPointer<QThread> m_worker;
    std::unique_ptr<QWaitingDialog> m_dialog;
};
