// Opening a project from a collage in the main window, as a user does with
// "Open Project": a file that cannot be read is refused before the open
// work is asked about or closed; a project with pictures kept as
// placeholders is told about over the collage that shows them, alone in
// the window; a fixed canvas size shows at once.
#include "app/MainWindow.h"
#include "app/PromptQueue.h"

#include "appframe/Workflow.h"
#include "collage/CollageAppliance.h"
#include "canvas/AbstractContent.h"
#include "canvas/Canvas.h"
#include "canvas/PictureContent.h"
#include "support/TestSupport.h"

#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestCollageOpening : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void unreadableProjectLeavesTheCollage_data();
    void unreadableProjectLeavesTheCollage();
    void placeholdersToldOverTheNewCollage();
    void fixedSizeShownOnOpening();
    void contentsKeepTheirPlaceOnOpening();

private:
    CollageAppliance* collage() const
    {
        return App::workflow ? dynamic_cast<CollageAppliance*>(App::workflow->currentAppliance()) : nullptr;
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // A collage from the home screen, holding one text (a pending change).
    bool openEditedCollage();
    int visibleCanvasPanels() const;

    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
};

void TestCollageOpening::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QVERIFY(m_dir.isValid());
    MainWindow::initStyle();
}

void TestCollageOpening::init()
{
    m_window = std::make_unique<MainWindow>();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestCollageOpening::cleanup()
{
    m_window.reset();
}

bool TestCollageOpening::openEditedCollage()
{
    App::workflow->startCanvas();
    if (!QTest::qWaitFor([this] { return collage() != nullptr; }, 20000))
        return false;
    collage()->form().bText->click();
    return collage()->canvas()->contents().size() == 1 && collage()->appliancePendingChanges();
}

int TestCollageOpening::visibleCanvasPanels() const
{
    int shown = 0;
    for (QWidget* panel : m_window->findChildren<QWidget*>(QStringLiteral("canvasPropertiesBox")))
        shown += panel->isVisible() ? 1 : 0;
    return shown;
}

void TestCollageOpening::unreadableProjectLeavesTheCollage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("title");
    QTest::newRow("not XML") << "notes.pmp2" << QByteArray("shopping list\n") << "Parsing error";
    QTest::newRow("cut short") << "cut.pmp2" << QByteArray("<Collage format=\"2\"><canvas><content>") << "Parsing error";
}

void TestCollageOpening::unreadableProjectLeavesTheCollage()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, title);
    QVERIFY(TestSupport::writeFile(path(name), content));
    QVERIFY(openEditedCollage());
    QPointer<CollageAppliance> editor = collage();

    PromptQueue prompts;
    prompts.queue.push_back(chooseFile(path(name)));
    QString told;
    prompts.queue.push_back([&told](const ModalPrompts::Request& request) {
        told = request.title;
        return int(QMessageBox::Ok);
    });
    BoxWatcher questions(QMessageBox::Cancel);
    editor->form().bProject->click();
    QTest::qWait(50);
    QCOMPARE(told, title);
    // Nothing was asked about the open work, which stays as it was.
    QVERIFY(questions.texts.isEmpty());
    QCOMPARE(collage(), editor.data());
    QCOMPARE(App::workflow->nodeCount(), 2);
    QCOMPARE(editor->canvas()->contents().size(), 1);
    QVERIFY(editor->appliancePendingChanges());
    QVERIFY(prompts.queue.empty());
}

void TestCollageOpening::placeholdersToldOverTheNewCollage()
{
    const QString project = path(QStringLiteral("album.pmp2"));
    QVERIFY(TestSupport::writeFile(project,
        "<Collage format=\"2\" version=\"1\"><canvas><content><picture><fileUrl>" + path("gone.png").toUtf8()
            + "</fileUrl><effects/></picture></content></canvas></Collage>"));
    QVERIFY(openEditedCollage());
    QPointer<CollageAppliance> before = collage();

    PromptQueue prompts;
    prompts.queue.push_back(chooseFile(project));
    QPointer<CollageAppliance> shownOver;
    int panels = -1;
    bool placeholderShown = false;
    QString told;
    prompts.queue.push_back([&](const ModalPrompts::Request& request) {
        told = request.title;
        shownOver = collage();
        panels = visibleCanvasPanels();
        placeholderShown = shownOver && shownOver->canvas()->contents().size() == 1
            && qobject_cast<PictureContent*>(shownOver->canvas()->contents().first())->isPlaceholder();
        return int(QMessageBox::Ok);
    });
    // "Do you want to save your changes?" for the text: no.
    BoxWatcher questions(QMessageBox::Discard);
    before->form().bProject->click();
    QVERIFY(QTest::qWaitFor([&told] { return !told.isEmpty(); }, 20000));
    QCOMPARE(questions.texts, QStringList{QStringLiteral("Do you want to save your changes?")});
    QCOMPARE(told, QStringLiteral("Missing pictures"));
    // The new collage alone was on screen, its placeholder in place.
    QVERIFY(!before);
    QVERIFY(shownOver);
    QCOMPARE(shownOver.data(), collage());
    QVERIFY(placeholderShown);
    QCOMPARE(panels, 1);
}

void TestCollageOpening::fixedSizeShownOnOpening()
{
    const QString project = path(QStringLiteral("poster.pmp2"));
    QVERIFY(TestSupport::writeFile(project,
        "<Collage format=\"2\" version=\"1\"><canvas><mode><id>1</id><size><w>1500</w><h>1000</h></size></mode>"
        "<content/></canvas></Collage>"));
    PromptQueue prompts;
    prompts.queue.push_back(chooseFile(project));
    App::workflow->loadCanvas_A(QString());
    QVERIFY(QTest::qWaitFor([this] { return collage() != nullptr; }, 20000));
    QCOMPARE(collage()->canvas()->sceneSize(), QSize(1500, 1000));
    QCOMPARE(collage()->form().sizeLabel->text(), QStringLiteral("1500 x 1000 Pix (Locked)"));
}

// The collage's view exists off screen, at the provisional 640 x 480 every
// widget starts with, before the window lays it out: contents read from
// the project must not be pulled into that corner of a free-size canvas.
void TestCollageOpening::contentsKeepTheirPlaceOnOpening()
{
    m_window->showNormal();
    m_window->resize(1500, 1000);
    App::workflow->startCanvas();
    QVERIFY(QTest::qWaitFor([this] { return collage() != nullptr; }, 20000));
    const QSize shown = collage()->canvas()->sceneSize();
    if (shown.width() < 760 || shown.height() < 560)
        QSKIP("the window's canvas is not larger than a widget's provisional size");
    const QPoint far(shown.width() - 60, shown.height() - 40);
    const QString project = path(QStringLiteral("spread.pmp2"));
    QVERIFY(TestSupport::writeFile(project,
        QStringLiteral("<Collage format=\"2\" version=\"1\"><canvas><content>"
                       "<text><pos><x>%1</x><y>%2</y></pos><html-text>&lt;p&gt;far&lt;/p&gt;</html-text></text>"
                       "<text><pos><x>100</x><y>80</y></pos><html-text>&lt;p&gt;near&lt;/p&gt;</html-text></text>"
                       "</content></canvas></Collage>")
            .arg(far.x())
            .arg(far.y())
            .toUtf8()));
    QPointer<CollageAppliance> before = collage();
    PromptQueue prompts;
    prompts.queue.push_back(chooseFile(project));
    before->form().bProject->click();
    QVERIFY(QTest::qWaitFor([&] { return collage() && collage() != before.data(); }, 20000));
    QCOMPARE(collage()->canvas()->sceneSize(), shown);
    const QList<AbstractContent*> contents = collage()->canvas()->contents();
    QCOMPARE(contents.size(), 2);
    QCOMPARE(contents.at(0)->pos(), QPointF(far));
    QCOMPARE(contents.at(1)->pos(), QPointF(100, 80));
}

QTEST_MAIN(TestCollageOpening)
#include "tst_collageopening.moc"
