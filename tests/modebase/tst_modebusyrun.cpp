// The order a worker under the busy dialog keeps: results handled before
// exec() returns, end hooks after the results and after the worker stopped,
// Cancel only asking.
#include "modebase/ModeBusyRun.h"

#include "widgets/QWaitingDialog.h"

#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include <atomic>

namespace {

// Posts `results` results from run(), then, when asked to, waits for a
// cancel before it ends. `ended` (the test's: the worker deletes itself) is
// set as the last thing run() does.
class ChattyWorker : public QThread
{
    Q_OBJECT

public:
    ChattyWorker(int results, std::atomic<bool>* ended, bool waitForCancel = false)
        : m_results(results)
        , m_ended(ended)
        , m_waitForCancel(waitForCancel)
    {
    }

    void cancel() { m_cancelled.store(true); }

signals:
    void result(int number);

protected:
    void run() override
    {
        for (int number = 1; number <= m_results; ++number)
            emit result(number);
        if (m_waitForCancel) {
            QDeadlineTimer deadline(10000);
            while (!m_cancelled.load() && !deadline.hasExpired())
                msleep(5);
            // A worker needs a moment to stop; the dialog must wait for it.
            msleep(50);
        }
        m_ended->store(true);
    }

private:
    const int m_results;
    std::atomic<bool>* const m_ended;
    const bool m_waitForCancel;
    std::atomic<bool> m_cancelled{false};
};

} // namespace

class TestModeBusyRun : public QObject
{
    Q_OBJECT

private slots:
    void resultsAndEndHookComeBeforeReturn();
    void cancelAsksAndTheDialogWaitsForTheEnd();
};

void TestModeBusyRun::resultsAndEndHookComeBeforeReturn()
{
    QStringList seen;
    bool workerStoppedAtHook = false;
    std::atomic<bool> ended{false};
    auto* worker = new ChattyWorker(3, &ended);
    QPointer<ChattyWorker> watched(worker);
    QObject receiver;
    connect(worker, &ChattyWorker::result, &receiver, [&seen](int number) { seen << QString::number(number); });

    ModeBusyRun run(worker);
    run.onEnded([&] {
        seen << QStringLiteral("ended");
        workerStoppedAtHook = ended.load();
    });
    run.exec();

    // Everything the worker posted, in order, then the hook, all before
    // exec() returned.
    QCOMPARE(seen, QStringList({"1", "2", "3", "ended"}));
    QVERIFY(workerStoppedAtHook);
    QVERIFY(!run.dialog()->isVisible());

    // The worker deletes itself.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(watched.isNull());
}

void TestModeBusyRun::cancelAsksAndTheDialogWaitsForTheEnd()
{
    std::atomic<bool> ended{false};
    auto* worker = new ChattyWorker(0, &ended, true);
    QPointer<ChattyWorker> watched(worker);
    int cancels = 0;

    ModeBusyRun run(worker);
    run.showProgress([&cancels, worker] {
        ++cancels;
        worker->cancel();
    });
    QVERIFY(run.dialog()->cancelButton());
    QTimer press;
    connect(&press, &QTimer::timeout, run.dialog(), [&run, &press] {
        if (run.dialog()->isVisible()) {
            press.stop();
            run.dialog()->cancelButton()->click();
        }
    });
    press.start(10);
    run.exec();

    QCOMPARE(cancels, 1);
    // The worker's 50 ms after the cancel passed inside exec(), not after.
    QVERIFY(ended.load());
    QVERIFY(!run.dialog()->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(watched.isNull());
}

QTEST_MAIN(TestModeBusyRun)
#include "tst_modebusyrun.moc"
