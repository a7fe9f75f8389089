#include "widgets/QToast.h"

#include <QElapsedTimer>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QtTest>

class TestToast : public QObject
{
    Q_OBJECT

private slots:
    void invisibleUntilShowAnimation();
    void fadesInThenOutAfterDisplayTime();
    void hidesAtOnceWithoutAnimation();
    void staysWithoutDisplayTime();
    void delaySecondsAreSeconds();
    void placesByFractions_data();
    void placesByFractions();
    void negativeFractionDoesNotMove();
    void deletesItselfWhenAsked();
    void secondSetWidgetReplacesContent();
    void deletedEarlyIsNeverCalled();
};

void TestToast::invisibleUntilShowAnimation()
{
    QToast toast;
    toast.show();
    QTest::qWait(300);
    QVERIFY(toast.isVisible());
    QCOMPARE(toast.opacity(), 0.0);

    toast.StartShowAnimation();
    QTRY_COMPARE_WITH_TIMEOUT(toast.opacity(), 1.0, 30000);
}

void TestToast::fadesInThenOutAfterDisplayTime()
{
    QToast toast;
    toast.SetWidget(new QLabel(QStringLiteral("Saved")));
    // Ten times the 200 ms fade in, so that the fade out cannot start
    // before the toast is opaque however late the timers run.
    toast.SetDisplayTime(2000);
    // Every opacity the toast takes, in order: a loaded machine may let the
    // event loop miss a moment, never a value the effect was given.
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(toast.graphicsEffect());
    QVERIFY(effect);
    QList<qreal> opacities;
    connect(effect, &QGraphicsOpacityEffect::opacityChanged, this, [&opacities](qreal o) { opacities << o; });
    QElapsedTimer clock;
    clock.start();
    toast.StartShowAnimation();
    QVERIFY(toast.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!toast.isVisible(), 30000);
    // Display time and the one-second fade out: lower bounds only, as
    // timers fire late under load. A single shot of two seconds is a coarse
    // timer, which may fire up to 5 % (100 ms) early.
    QVERIFY2(clock.elapsed() >= 2900, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(toast.opacity(), 0.0);

    // Up to fully opaque, then down to nothing.
    const qsizetype top = opacities.indexOf(1.0);
    QVERIFY2(top > 0, "the toast never became opaque");
    for (qsizetype i = 1; i < opacities.size(); ++i) {
        if (i <= top)
            QVERIFY(opacities[i] >= opacities[i - 1]);
        else
            QVERIFY(opacities[i] <= opacities[i - 1]);
    }
    QCOMPARE(opacities.last(), 0.0);
}

void TestToast::hidesAtOnceWithoutAnimation()
{
    QToast toast;
    toast.SetAnimation(false);
    toast.SetDisplayTime(50);
    toast.StartShowAnimation();
    QTRY_VERIFY_WITH_TIMEOUT(!toast.isVisible(), 30000);
}

void TestToast::staysWithoutDisplayTime()
{
    for (int time : {0, -1}) {
        QToast toast;
        toast.SetAnimation(false);
        toast.SetDisplayTime(time);
        toast.StartShowAnimation();
        QTest::qWait(200);
        QVERIFY(toast.isVisible());
    }
}

void TestToast::delaySecondsAreSeconds()
{
    QToast toast;
    toast.SetAnimation(false);
    QElapsedTimer clock;
    clock.start();
    toast.StartShowAnimation();
    toast.SetDelaySeconds(1);
    QTest::qWait(400);
    // Taken as milliseconds it would be gone; a loaded machine may have
    // let the whole second pass.
    QVERIFY(toast.isVisible() || clock.elapsed() >= 1000);
    QTRY_VERIFY_WITH_TIMEOUT(!toast.isVisible(), 30000);
    QVERIFY(clock.elapsed() >= 1000);

    QToast stays;
    stays.SetAnimation(false);
    stays.StartShowAnimation();
    stays.SetDelaySeconds(0);
    QTest::qWait(100);
    QVERIFY(stays.isVisible());
}

void TestToast::placesByFractions_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QPoint>("topLeft");
    // Parent 400 x 300, toast 100 x 50: top-left = (x 400 - 50, y 300 - 25).
    QTest::newRow("centre") << 0.5 << 0.5 << QPoint(150, 125);
    QTest::newRow("quarter") << 0.25 << 0.5 << QPoint(50, 125);
    QTest::newRow("capped at 1") << 3.0 << 1.0 << QPoint(350, 275);
    QTest::newRow("origin") << 0.0 << 0.0 << QPoint(-50, -25);
}

void TestToast::placesByFractions()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QPoint, topLeft);
    QWidget parent;
    parent.resize(400, 300);
    parent.show();
    auto* toast = new QToast(&parent);
    toast->setFixedSize(100, 50);
    if (x == 0.5 && y == 0.5)
        toast->MoveToCenter();
    else
        toast->MoveToPercentage(x, y);
    toast->StartShowAnimation();
    QCOMPARE(toast->pos(), topLeft);
}

void TestToast::negativeFractionDoesNotMove()
{
    QWidget parent;
    parent.resize(400, 300);
    auto* toast = new QToast(&parent);
    toast->MoveToPercentage(-0.5, 2.0);
    QCOMPARE(toast->position(), QPointF(-1.0, 1.0));
    toast->move(13, 17);
    toast->show();
    QCOMPARE(toast->pos(), QPoint(13, 17));
}

void TestToast::deletesItselfWhenAsked()
{
    QPointer<QToast> toast = new QToast;
    QPointer<QLabel> label = new QLabel(QStringLiteral("x"));
    toast->SetWidget(label);
    toast->SetDeleteWhenHide(true);
    toast->SetAnimation(false);
    toast->SetDisplayTime(30);
    toast->StartShowAnimation();
    QTRY_VERIFY_WITH_TIMEOUT(toast.isNull(), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(label.isNull(), 30000);
}

void TestToast::secondSetWidgetReplacesContent()
{
    QToast toast;
    QPointer<QLabel> first = new QLabel(QStringLiteral("first"));
    auto* second = new QLabel(QStringLiteral("second"));
    toast.SetWidget(first);
    toast.SetWidget(second);
    QCOMPARE(toast.widget(), second);
    QCOMPARE(second->parentWidget(), &toast);
    QVERIFY(toast.layout()->indexOf(second) >= 0);
    QTRY_VERIFY(first.isNull());

    toast.SetWidget(nullptr);
    QCOMPARE(toast.widget(), second);
}

void TestToast::deletedEarlyIsNeverCalled()
{
    // Its timers die with it; under the sanitizers a stale call would fail.
    auto* toast = new QToast;
    toast->SetDisplayTime(20);
    toast->StartShowAnimation();
    toast->SetDelaySeconds(1);
    delete toast;
    QTest::qWait(100);
}

QTEST_MAIN(TestToast)
#include "tst_toast.moc"
