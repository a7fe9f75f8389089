#include "widgets/QProgressIndicator.h"

#include "RatioTestMain.h"

#include <QAbstractEventDispatcher>
#include <QTimerEvent>
#include <QtTest>

#include <cmath>

namespace {

// Records the ids of the timer events the indicator sees.
class SpyIndicator : public QProgressIndicator
{
public:
    using QProgressIndicator::QProgressIndicator;
    QList<int> ids;

protected:
    void timerEvent(QTimerEvent* event) override
    {
        ids << event->timerId();
        QProgressIndicator::timerEvent(event);
    }
};

QList<QAbstractEventDispatcher::TimerInfo> timersOf(QObject* object)
{
    return QAbstractEventDispatcher::instance()->registeredTimers(object);
}

// The indicator as a child of an unpainted parent, so the grab keeps the
// spokes' own alpha over a transparent ground.
struct Fixture {
    QWidget parent;
    SpyIndicator* indicator;
    explicit Fixture(QSize size)
        : indicator(new SpyIndicator(&parent))
    {
        indicator->setAttribute(Qt::WA_NoSystemBackground);
        indicator->resize(size);
    }
};

// Alpha of the device pixel under a logical point.
int alphaAt(const QImage& image, QPointF logical)
{
    const double ratio = image.devicePixelRatio();
    return qAlpha(image.pixel(int(std::floor(logical.x() * ratio)), int(std::floor(logical.y() * ratio))));
}

QImage grabOf(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

int expectedAlpha(int spoke)
{
    return qRound(255 * (1.0 - spoke / 12.0));
}

// Id of the object's one timer, 0 when none runs.
int timerIdOf(QObject* object)
{
    const auto timers = timersOf(object);
    return timers.isEmpty() ? 0 : timers.first().timerId;
}

} // namespace

class TestQProgressIndicator : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void spokeRectangle_data();
    void spokeRectangle();
    void alphaTrail();
    void advancesOnlyOnItsOwnTimer();
    void startingTwiceRunsOneTimer();
    void delayChanges();
    void stoppedIndicator();
};

void TestQProgressIndicator::defaults()
{
    QProgressIndicator indicator;
    QCOMPARE(indicator.sizeHint(), QSize(20, 20));
    QCOMPARE(indicator.heightForWidth(57), 57);
    QCOMPARE(indicator.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(indicator.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(indicator.focusPolicy(), Qt::NoFocus);
    QCOMPARE(indicator.property("delay").toInt(), 40);
    QCOMPARE(indicator.property("displayedWhenStopped").toBool(), false);
    QCOMPARE(indicator.property("color").value<QColor>(), QColor(Qt::black));
    QVERIFY(!indicator.isAnimated());
    QVERIFY(timersOf(&indicator).isEmpty());
}

// The upright spoke, axis-aligned, drawn at angle 0: the columns and rows it
// covers follow from the truncated radii and width.
void TestQProgressIndicator::spokeRectangle_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("firstColumn");
    QTest::addColumn<int>("lastColumn");
    QTest::addColumn<int>("lastRow");

    // Outer 9, inner 3: spokes 2 x 6 at (-1, -9), centre (9, 9).
    QTest::newRow("20x20") << QSize(20, 20) << 8 << 9 << 5;
    // Outer 39, inner 15: spokes 5 x 24 at (-2, -39), centre (39, 39).
    QTest::newRow("80x80 dialog") << QSize(80, 80) << 37 << 41 << 23;
    // Side 32 takes the factor 0.35: outer 15, inner 5, width 3 at -1.
    QTest::newRow("32 wide factor") << QSize(32, 32) << 14 << 16 << 9;
    // Side 33 takes 0.23: outer 16, inner 6, width 2 at -1.
    QTest::newRow("33 narrow factor") << QSize(33, 33) << 15 << 16 << 9;
    // The smaller side 40 sets the geometry (outer 19, inner 7, width 2);
    // the centre is that of the whole widget, (29, 19).
    QTest::newRow("60x40 non-square") << QSize(60, 40) << 28 << 29 << 11;
}

void TestQProgressIndicator::spokeRectangle()
{
    QFETCH(QSize, size);
    QFETCH(int, firstColumn);
    QFETCH(int, lastColumn);
    QFETCH(int, lastRow);

    Fixture f(size);
    f.indicator->setDisplayedWhenStopped(true);
    const QImage image = grabOf(f.indicator);
    QCOMPARE(image.size(), size * qApp->devicePixelRatio());

    // Rows 2 .. lastRow - 2 stay clear of the rounded corners. Edges on
    // pixel boundaries may bleed a little through the antialiasing.
    const int bleed = 20;
    for (int y = 2; y < lastRow - 1; ++y) {
        const QString where = QStringLiteral("row %1").arg(y);
        for (int x = firstColumn; x <= lastColumn; ++x)
            QVERIFY2(alphaAt(image, QPointF(x + 0.5, y + 0.5)) >= 250, qPrintable(where));
        QVERIFY2(alphaAt(image, QPointF(firstColumn - 0.5, y + 0.5)) <= bleed, qPrintable(where));
        QVERIFY2(alphaAt(image, QPointF(lastColumn + 1.5, y + 0.5)) <= bleed, qPrintable(where));
    }
    // Below the spoke lies the empty hub.
    QVERIFY(alphaAt(image, QPointF(firstColumn + 0.5, lastRow + 1.5)) <= bleed);
}

// Spoke i points at angle - 30 i (clockwise from straight up) at alpha
// 1 - i / 12. Sampled halfway along each 80 px spoke, on its centre line
// (the 5 px rectangle starts at -2, so its middle is half a pixel right).
void TestQProgressIndicator::alphaTrail()
{
    Fixture f(QSize(80, 80));
    f.indicator->setDisplayedWhenStopped(true);
    const QPointF centre(39, 39);

    auto check = [&](int angle) {
        const QImage image = grabOf(f.indicator);
        for (int i = 0; i < 12; ++i) {
            const double rad = qDegreesToRadians(double(angle - 30 * i));
            const QPointF along(std::sin(rad), -std::cos(rad));
            const QPointF across(std::cos(rad), std::sin(rad));
            const QPointF at = centre + 27 * along + 0.5 * across;
            const int alpha = alphaAt(image, at);
            QVERIFY2(qAbs(alpha - expectedAlpha(i)) <= 2,
                     qPrintable(QStringLiteral("angle %1 spoke %2: alpha %3").arg(angle).arg(i).arg(alpha)));
        }
    };
    check(0);

    f.indicator->startAnimation();
    const int id = timerIdOf(f.indicator);
    QVERIFY(id > 0);
    QTimerEvent tick(id);
    for (int n = 1; n <= 3; ++n) {
        QCoreApplication::sendEvent(f.indicator, &tick);
        QCOMPARE(f.indicator->angle(), 30 * n);
    }
    check(90);
}

// Only the indicator's own timer turns it: a timer event of another id (a
// style animation on the same object, say) leaves the angle alone.
void TestQProgressIndicator::advancesOnlyOnItsOwnTimer()
{
    Fixture f(QSize(20, 20));
    f.indicator->startAnimation();
    const int id = timerIdOf(f.indicator);

    QTimerEvent foreign(id + 1000);
    QCoreApplication::sendEvent(f.indicator, &foreign);
    QCOMPARE(f.indicator->angle(), 0);

    QTimerEvent own(id);
    for (int n = 1; n <= 12; ++n) {
        QCoreApplication::sendEvent(f.indicator, &own);
        QCOMPARE(f.indicator->angle(), (30 * n) % 360);
    }
    QCOMPARE(f.indicator->angle(), 0);

    // Real ticks arrive from the one running timer, 30 degrees each.
    f.indicator->ids.clear();
    QTRY_VERIFY(f.indicator->ids.size() >= 3);
    const QList<int> ticks = f.indicator->ids;
    const int angle = f.indicator->angle();
    for (int seen : ticks)
        QCOMPARE(seen, id);
    QCOMPARE(angle, (30 * ticks.size()) % 360);

    f.indicator->stopAnimation();
    QVERIFY(!f.indicator->isAnimated());
    QVERIFY(timersOf(f.indicator).isEmpty());
    // The old id no longer turns a stopped indicator.
    QCoreApplication::sendEvent(f.indicator, &own);
    QCOMPARE(f.indicator->angle(), angle);
}

void TestQProgressIndicator::startingTwiceRunsOneTimer()
{
    Fixture f(QSize(20, 20));
    f.indicator->startAnimation();
    const int id = timerIdOf(f.indicator);
    QTimerEvent own(id);
    QCoreApplication::sendEvent(f.indicator, &own);
    QCOMPARE(f.indicator->angle(), 30);

    f.indicator->startAnimation();
    QCOMPARE(f.indicator->angle(), 0);
    const auto timers = timersOf(f.indicator);
    QCOMPARE(timers.size(), 1);
    QCOMPARE(timers.first().timerId, id);
    QCOMPARE(timers.first().interval, 40);
}

void TestQProgressIndicator::delayChanges()
{
    Fixture f(QSize(20, 20));
    f.indicator->setAnimationDelay(100);
    QVERIFY(!f.indicator->isAnimated());
    QVERIFY(timersOf(f.indicator).isEmpty());
    QCOMPARE(f.indicator->property("delay").toInt(), 100);

    f.indicator->startAnimation();
    QCOMPARE(timersOf(f.indicator).size(), 1);
    QCOMPARE(timersOf(f.indicator).first().interval, 100);
    QCOMPARE(timersOf(f.indicator).first().timerType, Qt::CoarseTimer);

    // A running timer is replaced by one of the new interval.
    QVERIFY(f.indicator->setProperty("delay", 25));
    QCOMPARE(timersOf(f.indicator).size(), 1);
    QCOMPARE(timersOf(f.indicator).first().interval, 25);
    QVERIFY(f.indicator->isAnimated());
}

void TestQProgressIndicator::stoppedIndicator()
{
    Fixture f(QSize(20, 20));
    const QPointF upright(9.5, 2.5);

    // Stopped and not displayed: blank.
    QCOMPARE(alphaAt(grabOf(f.indicator), upright), 0);

    f.indicator->startAnimation();
    QVERIFY(alphaAt(grabOf(f.indicator), upright) >= 250);
    const int id = timerIdOf(f.indicator);
    QTimerEvent own(id);
    QCoreApplication::sendEvent(f.indicator, &own);
    f.indicator->stopAnimation();
    QCOMPARE(alphaAt(grabOf(f.indicator), upright), 0);

    // Displayed when stopped: frozen at the last angle (30), in the colour
    // set since.
    f.indicator->setDisplayedWhenStopped(true);
    f.indicator->setColor(Qt::red);
    const QImage image = grabOf(f.indicator);
    const QPointF at30 = QPointF(9, 9) + 6 * QPointF(0.5, -std::sqrt(3.0) / 2);
    const QRgb pixel = image.pixel(int(at30.x() * image.devicePixelRatio()), int(at30.y() * image.devicePixelRatio()));
    QVERIFY2(qAlpha(pixel) >= 200, qPrintable(QString::number(qAlpha(pixel))));
    QVERIFY(qRed(pixel) >= 200 && qGreen(pixel) == 0 && qBlue(pixel) == 0);
    QVERIFY(qAbs(alphaAt(image, upright) - expectedAlpha(1)) <= 2);
}

VELLUMAR_TEST_MAIN_AT_RATIOS(TestQProgressIndicator, 1.0, 2.0)
#include "tst_qprogressindicator.moc"
