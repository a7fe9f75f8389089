// The montage road end to end, through the real main
// window and workflow: from the home screen's Zorivuv tile to the target
// photo, the tile photos, the first mosaic in step 3 with a mask and its
// export, back to step 2 and home with nothing of the road left in the window.
//
// With VELLUMAR_SCREENSHOT_DIR set, both steps (empty and filled) and the
// progress dialog are photographed on the way (run under a real X server,
// e.g. xvfb-run, for the dialog to show).
#include "app/MainWindow.h"

#include "appframe/Workflow.h"
#include "appliances/DialogDriver.h"
#include "appliances/HomeScene.h"
#include "appliances/IQZorivuvEngine.h"
#include "appliances/MRetouchAppliance.h"
#include "appliances/MTileAppliance.h"
#include "appliances/ZorivuvAppliance.h"
#include "files/IQThumbsViewer.h"
#include "widgets/QWaitingDialog.h"

#include <QGraphicsItem>
#include <QGraphicsView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

class TestZorivuvRoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void road();

private:
    template<class T>
    T* current() const
    {
        return App::workflow ? dynamic_cast<T*>(App::workflow->currentAppliance()) : nullptr;
    }
    void shoot(const QString& name, QWidget* widget = nullptr);
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_shots;
    std::unique_ptr<MainWindow> m_window;
};

void TestZorivuvRoad::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QVERIFY(m_dir.isValid());
    m_shots = qEnvironmentVariable("VELLUMAR_SCREENSHOT_DIR");
    QVERIFY(QDir().mkpath(path("tiles")));

    // The target: a sky over a meadow with a sun.
    QImage target(480, 320, QImage::Format_RGB32);
    target.fill(QColor(90, 160, 230));
    for (int y = 200; y < 320; ++y)
        for (int x = 0; x < 480; ++x)
            target.setPixel(x, y, qRgb(60, 150 + (x + y) % 40, 60));
    for (int y = 40; y < 120; ++y)
        for (int x = 340; x < 420; ++x)
            if ((x - 380) * (x - 380) + (y - 80) * (y - 80) < 1600)
                target.setPixel(x, y, qRgb(250, 220, 60));
    QVERIFY(target.save(path("target.jpg"), nullptr, 92));
    // Tiles: 40 photos of one hue each, with a lighter band.
    for (int i = 0; i < 40; ++i) {
        QImage tile(160, 120, QImage::Format_RGB32);
        tile.fill(QColor::fromHsv(i * 9, 160 + i % 3 * 30, 120 + i % 5 * 25));
        for (int y = 40; y < 70; ++y)
            for (int x = 0; x < 160; ++x)
                tile.setPixel(x, y, QColor::fromHsv(i * 9, 60, 240).rgb());
        QVERIFY(tile.save(path(QStringLiteral("tiles/t%1.jpg").arg(i, 2, 10, QLatin1Char('0'))), nullptr, 85));
    }

    MainWindow::initStyle();
    m_window = std::make_unique<MainWindow>();
    m_window->resize(1280, 860);
    m_window->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestZorivuvRoad::cleanupTestCase()
{
    m_window.reset();
}

void TestZorivuvRoad::shoot(const QString& name, QWidget* widget)
{
    if (m_shots.isEmpty())
        return;
    QCoreApplication::processEvents();
    QTest::qWait(200);
    QPixmap shot;
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        shot = QGuiApplication::primaryScreen()->grabWindow(0);
    else
        shot = widget ? widget->grab() : m_window->grab();
    shot.save(QDir(m_shots).filePath(name + QStringLiteral(".png")));
}

void TestZorivuvRoad::road()
{
    QVERIFY(QTest::qWaitFor([] { return App::workflow && App::workflow->nodeCount() == 1; }, 20000));
    QGraphicsView* view = nullptr;
    HomeScene* home = nullptr;
    const auto views = m_window->findChildren<QGraphicsView*>();
    for (QGraphicsView* candidate : views) {
        if ((home = qobject_cast<HomeScene*>(candidate->scene()))) {
            view = candidate;
            break;
        }
    }
    QVERIFY(home);
    QCOMPARE(home->tiles().size(), 2);
    // The Zorivuv tile is the first.
    const QPointF centre = home->tiles().at(0)->sceneBoundingRect().center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(centre));
    QVERIFY(QTest::qWaitFor([this] { return current<ZorivuvAppliance>() != nullptr; }, 20000));
    ZorivuvAppliance* step1 = current<ZorivuvAppliance>();
    QVERIFY(step1->form().bPicture->isVisible());
    QVERIFY(step1->form().nextButton->isVisible());
    QVERIFY(!step1->form().nextButton->isEnabled());
    shoot(QStringLiteral("zorivuv-1-empty"));

    DialogDriver::answerFileDialog(m_dir.path(), {QStringLiteral("target.jpg")});
    step1->form().bPicture->click();
    QCOMPARE(step1->form().sizeLabel->text(), QStringLiteral("480 x 320 Pix"));
    shoot(QStringLiteral("zorivuv-2-target"));

    step1->form().nextButton->click();
    QVERIFY(QTest::qWaitFor([this] { return current<MTileAppliance>() != nullptr; }, 20000));
    MTileAppliance* step2 = current<MTileAppliance>();
    QCOMPARE(IQZorivuvEngine::globalInstance()->background.size(), QSize(480, 320));
    QVERIFY(step2->thumbsViewer()->isVisible());
    shoot(QStringLiteral("zorivuv-3-tiles-empty"));

    QStringList names;
    for (int i = 0; i < 40; ++i)
        names << QStringLiteral("t%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
    DialogDriver::answerFileDialog(path("tiles"), names);
    step2->form().bPicture->click();
    QCOMPARE(step2->thumbsViewer()->sourceCount(), 40);
    QCOMPARE(step2->form().countLabel->text(), QStringLiteral("1 of 40 file(s) selected."));
    shoot(QStringLiteral("zorivuv-4-tiles"));

    bool progressShown = false;
    DialogDriver::onModal<QWaitingDialog>([this, &progressShown](QWaitingDialog* busy) {
        progressShown = busy->progressBar() != nullptr;
        shoot(QStringLiteral("zorivuv-5-progress"), busy);
    });
    step2->form().nextButton->click();
    QVERIFY(progressShown);
    QVERIFY(QTest::qWaitFor([this] { return current<MRetouchAppliance>() != nullptr; }, 20000));
    QCOMPARE(App::workflow->nodeCount(), 4);
    QCOMPARE(IQZorivuvEngine::globalInstance()->tilePaths.size(), 40);
    MRetouchAppliance* step3 = current<MRetouchAppliance>();
    QVERIFY(step3->appliancePendingChanges());
    shoot(QStringLiteral("zorivuv-6-result"));

    // A template mask, then Export: the written file ends the pending
    // changes, so Back asks nothing.
    step3->maskMenu()->actions().at(0)->menu()->actions().at(1)->trigger();
    shoot(QStringLiteral("zorivuv-7-masked"));
    DialogDriver::answerFileDialog(m_dir.path(), {QStringLiteral("mosaic.png")});
    step3->form().bSaveImage->click();
    QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("mosaic.png"))));
    QVERIFY(!step3->appliancePendingChanges());
    step3->form().bBack->click();
    QVERIFY(QTest::qWaitFor([this] { return current<MTileAppliance>() != nullptr; }, 20000));
    QCOMPARE(current<MTileAppliance>()->thumbsViewer()->sourceCount(), 40);

    // Home again: nothing of the road stays in the window, and the engine
    // forgets the target.
    App::workflow->scheduleCommand({Workflow::CloseDownTo, QVariant(0)});
    QVERIFY(QTest::qWaitFor([] { return App::workflow->nodeCount() == 1; }, 20000));
    QVERIFY(m_window->findChildren<IQThumbsViewer*>().isEmpty());
    QVERIFY(!m_window->findChild<QWidget*>(QStringLiteral("canvasPropertiesBox")));
    QVERIFY(!m_window->findChild<QWidget*>(QStringLiteral("addContentBox")));
    QVERIFY(IQZorivuvEngine::globalInstance()->background.isNull());
}

QTEST_MAIN(TestZorivuvRoad)
#include "tst_zorivuvroad.moc"
