#include "widgets/QProgressIndicator.h"
#include "widgets/QWaitingDialog.h"

#include "RatioTestMain.h"

#include <cmath>

#include <QSemaphore>
#include <QtMath>
#include <QThread>
#include <QTimer>
#include <QCloseEvent>
#include <QWindow>
#include <QtTest>

namespace {

// A worker that runs until the test lets it go.
class BlockedWorker : public QThread
{
public:
    QSemaphore release;

protected:
    void run() override { release.acquire(); }
};

} // namespace

class TestQWaitingDialog : public QObject
{
    Q_OBJECT

private slots:
    void construction();
    void backdropAndSpinner();
    void execEndsWhenTheWorkerFinishesOnly_data();
    void execEndsWhenTheWorkerFinishesOnly();
    void destructionStopsTheSpinner();
};

void TestQWaitingDialog::construction()
{
    // A dialog without parent would get the Qt::Window bit added.
    QWidget mainWindow;
    QWaitingDialog dialog(&mainWindow);
    QCOMPARE(dialog.objectName(), QStringLiteral("QWaitingDialog"));
    QCOMPARE(dialog.size(), QSize(104, 104));
    QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
    QVERIFY(dialog.isModal());
    QCOMPARE(int(dialog.windowFlags()), 0x812);
    QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(dialog.windowTitle().isEmpty());

    auto* indicator = dialog.findChild<QProgressIndicator*>(QStringLiteral("progressIndictor"));
    QVERIFY(indicator);
    QCOMPARE(indicator->parentWidget()->objectName(), QStringLiteral("verticalWidget"));
    QCOMPARE(indicator->minimumSize(), QSize(80, 80));
    QCOMPARE(indicator->maximumSize(), QSize(80, 80));
    QCOMPARE(indicator->color(), QColor(Qt::white));
    QVERIFY(indicator->isAnimated());
    QCOMPARE(indicator->animationDelay(), 40);

    // What every caller sets before exec().
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    QCOMPARE(int(dialog.windowFlags()), 0x803);
    QVERIFY(qAbs(dialog.windowOpacity() - 0.7) < 0.005);
}

// A dark translucent rounded square (RGB 34 at alpha 128, radius 12) with
// the white spinner in its middle.
void TestQWaitingDialog::backdropAndSpinner()
{
    QWaitingDialog dialog;
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    auto* indicator = dialog.findChild<QProgressIndicator*>();
    const QImage image = dialog.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    // The spinner turns on its own timer: a loaded machine may have moved it
    // on before the grab, so the opaque spoke is looked for where it is now.
    const double turn = qDegreesToRadians(double(indicator->angle()));
    const double ratio = image.devicePixelRatio();
    QCOMPARE(image.size(), QSize(104, 104) * ratio);
    auto at = [&](double x, double y) { return image.pixel(int(x * ratio), int(y * ratio)); };

    const QRgb backdrop = at(4.5, 52.5);
    QVERIFY2(qAbs(qAlpha(backdrop) - 128) <= 1, qPrintable(QString::number(qAlpha(backdrop))));
    QVERIFY(qAbs(qRed(backdrop) - 34) <= 1 && qAbs(qGreen(backdrop) - 34) <= 1 && qAbs(qBlue(backdrop) - 34) <= 1);
    // The rounded corner leaves the very corner clear.
    QCOMPARE(qAlpha(at(0.5, 0.5)), 0);
    QCOMPARE(qAlpha(at(102.5, 102.5)), 0);
    // The indicator's centre sits at its own (39, 39); its leading spoke,
    // 29 pixels out (upright at angle 0, turning clockwise), is opaque white
    // over the backdrop.
    const QPointF spoke = QPointF(indicator->mapTo(&dialog, QPoint(39, 39))) +
                          QPointF(29 * std::sin(turn), -29 * std::cos(turn));
    const QRgb white = at(spoke.x() + 0.5, spoke.y() + 0.5);
    QVERIFY2(qAlpha(white) >= 250 && qRed(white) >= 250 && qGreen(white) >= 250 && qBlue(white) >= 250,
             qPrintable(QString::number(white, 16)));
    QCOMPARE(indicator->geometry().center(), QRect(QPoint(0, 0), indicator->parentWidget()->size()).center());
}

// The worker's finished() closes the dialog; Escape and a close asked by the
// window system while the worker runs change nothing, except that Escape
// asks to cancel (once) when the dialog has its Cancel button.
void TestQWaitingDialog::execEndsWhenTheWorkerFinishesOnly_data()
{
    QTest::addColumn<bool>("escape");
    QTest::addColumn<bool>("progress");
    QTest::newRow("Escape key") << true << false;
    QTest::newRow("window manager close") << false << false;
    QTest::newRow("Escape key with Cancel") << true << true;
    QTest::newRow("window manager close with Cancel") << false << true;
}

void TestQWaitingDialog::execEndsWhenTheWorkerFinishesOnly()
{
    QFETCH(bool, escape);
    QFETCH(bool, progress);

    QWaitingDialog dialog;
    if (progress)
        dialog.showProgress();
    QSignalSpy cancels(&dialog, &QWaitingDialog::cancelRequested);
    auto* worker = new BlockedWorker;
    QPointer<BlockedWorker> guard(worker);
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &QThread::finished, &dialog, &QWidget::close);
    worker->start(QThread::InheritPriority);
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);

    bool visibleAfterward = false;
    bool runningMeanwhile = false;
    QTimer::singleShot(50, &dialog, [&] {
        if (escape) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            // A second Escape finds the button already pressed.
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else {
            // What the platform layer sends the window when the window
            // manager asks to close it.
            QCloseEvent fromWindowSystem;
            QCoreApplication::sendEvent(dialog.windowHandle(), &fromWindowSystem);
        }
        QCoreApplication::processEvents();
        visibleAfterward = dialog.isVisible();
        runningMeanwhile = worker->isRunning();
        worker->release.release();
    });
    // Should exec() not return, this ends it and the checks below fail.
    bool watchdog = false;
    QTimer::singleShot(10000, &dialog, [&] {
        watchdog = true;
        if (guard)
            guard->release.release();
        dialog.done(99);
    });

    const int result = dialog.exec();
    QVERIFY(!watchdog);
    QVERIFY(runningMeanwhile);
    QVERIFY(visibleAfterward);
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(cancels.count(), escape && progress ? 1 : 0);
    QTRY_VERIFY(guard.isNull());
}

void TestQWaitingDialog::destructionStopsTheSpinner()
{
    auto* dialog = new QWaitingDialog;
    QPointer<QProgressIndicator> indicator = dialog->findChild<QProgressIndicator*>();
    QVERIFY(indicator && indicator->isAnimated());
    QVERIFY(!QAbstractEventDispatcher::instance()->registeredTimers(indicator).isEmpty());
    delete dialog;
    QVERIFY(indicator.isNull());
}

VELLUMAR_TEST_MAIN_AT_RATIOS(TestQWaitingDialog, 1.0, 2.0)
#include "tst_qwaitingdialog.moc"
