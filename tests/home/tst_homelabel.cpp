#include "home/HomeLabel.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <cstdio>

namespace {

// Set in the child run that reports a tile's geometry at a given density.
const char probeVariable[] = "VELLUMAR_HOME_TILE_PROBE";

QPixmap picture400()
{
    QPixmap pixmap(400, 400);
    pixmap.fill(Qt::darkCyan);
    return pixmap;
}

void sendHover(QGraphicsScene& scene, QGraphicsItem* item, QEvent::Type type)
{
    QGraphicsSceneHoverEvent event(type);
    scene.sendEvent(item, &event);
}

// Returns whether the press was taken.
bool press(QGraphicsScene& scene, QGraphicsItem* item, Qt::MouseButton button)
{
    QGraphicsSceneMouseEvent event(QEvent::GraphicsSceneMousePress);
    event.setButton(button);
    event.setButtons(button);
    event.setAccepted(true);
    scene.sendEvent(item, &event);
    return event.isAccepted();
}

} // namespace

class TestHomeLabel : public QObject
{
    Q_OBJECT

private slots:
    void tile();
    void sameSizeAtEveryDensity_data();
    void sameSizeAtEveryDensity();
    void hoverGrowsAndShrinks();
    void quickLeaveEndsAtNormalSize();
    void resetStopsAGrowUnderWay();
    void keyboardFocusGrowsAndShrinks();
    void leftPressRequestsEditing();
    void keysRequestEditing_data();
    void keysRequestEditing();
};

void TestHomeLabel::tile()
{
    QGraphicsScene scene;
    HomeLabel label(picture400(), &scene);
    QCOMPARE(label.contentName(), QStringLiteral("HomeLabel"));
    QCOMPARE(label.scene(), &scene);
    QCOMPARE(label.frameClass(), quint32(4));
    QVERIFY(!(label.flags() & QGraphicsItem::ItemIsMovable));
    QVERIFY(!(label.flags() & QGraphicsItem::ItemIsSelectable));
    QVERIFY(label.flags() & QGraphicsItem::ItemIsFocusable);
    QVERIFY(label.flags() & QGraphicsItem::ItemClipsChildrenToShape);
    QCOMPARE(label.contentOpacity(), 1.0);
    QCOMPARE(label.scale(), 1.0);
}

void TestHomeLabel::sameSizeAtEveryDensity_data()
{
    QTest::addColumn<QByteArray>("factor");
    QTest::newRow("1") << QByteArray("1");
    QTest::newRow("1.5") << QByteArray("1.5");
    QTest::newRow("2") << QByteArray("2");
    QTest::newRow("3") << QByteArray("3");
}

void TestHomeLabel::sameSizeAtEveryDensity()
{
    QFETCH(QByteArray, factor);

    // The density is fixed when the application starts: ask a child run.
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(probeVariable), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(factor));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitCode(), 0);
    const QList<QByteArray> report = child.readAllStandardOutput().trimmed().split(' ');
    QCOMPARE(report.size(), 3);
    QCOMPARE(report[0].toDouble(), factor.toDouble());
    // 400 x 400 pictures make 200 x 200 tiles, 220 x 220 with the plate.
    QCOMPARE(report[1], QByteArray("-100,-100,200,200"));
    QCOMPARE(report[2], QByteArray("-110,-110,220,220"));
}

void TestHomeLabel::hoverGrowsAndShrinks()
{
    QGraphicsScene scene;
    HomeLabel label(picture400(), &scene);

    sendHover(scene, &label, QEvent::GraphicsSceneHoverEnter);
    QTest::qWait(HomeLabel::scaleDurationMs / 3);
    QVERIFY(label.scale() > 1.0);
    QTRY_COMPARE(label.scale(), HomeLabel::hoverScale);

    sendHover(scene, &label, QEvent::GraphicsSceneHoverLeave);
    QTRY_COMPARE(label.scale(), 1.0);
}

void TestHomeLabel::quickLeaveEndsAtNormalSize()
{
    QGraphicsScene scene;
    HomeLabel label(picture400(), &scene);
    sendHover(scene, &label, QEvent::GraphicsSceneHoverEnter);
    QTest::qWait(50);
    sendHover(scene, &label, QEvent::GraphicsSceneHoverLeave);
    // Well past both animations: the shrink had the last word.
    QTest::qWait(2 * HomeLabel::scaleDurationMs);
    QCOMPARE(label.scale(), 1.0);
}

void TestHomeLabel::resetStopsAGrowUnderWay()
{
    QGraphicsScene scene;
    HomeLabel label(picture400(), &scene);
    sendHover(scene, &label, QEvent::GraphicsSceneHoverEnter);
    QTest::qWait(50);
    label.resetScale();
    QCOMPARE(label.scale(), 1.0);
    QTest::qWait(2 * HomeLabel::scaleDurationMs);
    QCOMPARE(label.scale(), 1.0);
}

void TestHomeLabel::keyboardFocusGrowsAndShrinks()
{
    QGraphicsScene scene;
    HomeLabel label(picture400(), &scene);
    QGraphicsView view(&scene);
    view.show();
    QApplication::setActiveWindow(&view);
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QVERIFY(scene.isActive());

    label.setFocus(Qt::TabFocusReason);
    QVERIFY(label.hasFocus());
    QTRY_COMPARE(label.scale(), HomeLabel::hoverScale);
    label.clearFocus();
    QTRY_COMPARE(label.scale(), 1.0);
}

void TestHomeLabel::leftPressRequestsEditing()
{
    QGraphicsScene scene;
    HomeLabel label(picture400(), &scene);
    QSignalSpy editing(&label, &AbstractContent::requestEditing);

    QVERIFY(!press(scene, &label, Qt::RightButton));
    QVERIFY(!press(scene, &label, Qt::MiddleButton));
    QCOMPARE(editing.count(), 0);
    QVERIFY(press(scene, &label, Qt::LeftButton));
    QCOMPARE(editing.count(), 1);
}

void TestHomeLabel::keysRequestEditing_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("starts");

    QTest::newRow("Return") << int(Qt::Key_Return) << true;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("Space") << int(Qt::Key_Space) << true;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
    QTest::newRow("letter") << int(Qt::Key_Z) << false;
}

void TestHomeLabel::keysRequestEditing()
{
    QFETCH(int, key);
    QFETCH(bool, starts);

    QGraphicsScene scene;
    HomeLabel label(picture400(), &scene);
    QSignalSpy editing(&label, &AbstractContent::requestEditing);
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    scene.sendEvent(&label, &event);
    QCOMPARE(editing.count(), starts ? 1 : 0);
    QCOMPARE(event.isAccepted(), starts);
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(probeVariable)) {
        QApplication app(argc, argv);
        QGraphicsScene scene;
        HomeLabel label(picture400(), &scene);
        const QRect content = label.contentRect();
        const QRect bounds = label.boundingRect().toRect();
        std::printf("%g %d,%d,%d,%d %d,%d,%d,%d\n", QGuiApplication::primaryScreen()->devicePixelRatio(),
            content.x(), content.y(), content.width(), content.height(), bounds.x(), bounds.y(), bounds.width(),
            bounds.height());
        return 0;
    }
    QApplication app(argc, argv);
    TestHomeLabel test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_homelabel.moc"
