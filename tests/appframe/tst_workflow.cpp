#include "appframe/Workflow.h"

#include "appframe/AbstractAppliance.h"
#include "appframe/AbstractScene.h"

#include "support/TestSupport.h"
#include "ApplianceTestSupport.h"

#include <QImage>
#include <QPixmap>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

FakeAppliance* top(const Workflow& workflow)
{
    return static_cast<FakeAppliance*>(workflow.currentAppliance());
}

FakeAppliance* push(Workflow& workflow, const QString& name, bool pending = false)
{
    auto* appliance = new FakeAppliance(name);
    appliance->pending = pending;
    workflow.pushNode({appliance, false});
    return appliance;
}

QStringList attached(const QString& name)
{
    return {"title:" + name, "attach:" + name, "top:", "right:", "bottom:"};
}

QStringList detached(const QString& name)
{
    return {"title:", "detach:" + name, "top:"};
}

const QMessageBox::StandardButtons saveDiscardCancel = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;

struct Request
{
    int type;
    Workflow::CreateRequest request;
};

} // namespace

Q_DECLARE_METATYPE(QMessageBox::StandardButton)

class TestWorkflow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void startsOnHome();
    void startsEmptyWithoutHome();
    void startProject_data();
    void startProject();
    void commandsRunInOrderFromTimer();
    void resultStopsQueue_data();
    void resultStopsQueue();
    void closeDownToLevel();
    void closeDownToSaving_data();
    void closeDownToSaving();
    void neverClosesHome();
    void canvasTakenBeforeAppliance();
    void commandDuringQuestion_data();
    void commandDuringQuestion();
    void stackChangedDuringQuestion();
    void closeRequestDuringQuestionWaits();
    void closeRequestDuringQuitIsRefused();
    void quit_data();
    void quit();
    void commandDuringQuitQuestion_data();
    void commandDuringQuitQuestion();
    void loadCanvas_data();
    void loadCanvas();
    void schedulers_data();
    void schedulers();
    void destructorDropsEverything();

private:
    Workflow::Creators creators(bool withHome = true);

    QTemporaryDir m_dir;
    QList<Request> m_requests;
    QList<QPointer<AbstractScene>> m_scenes;
    QString m_askAnswer;
};

Workflow::Creators TestWorkflow::creators(bool withHome)
{
    Workflow::Creators made;
    if (withHome)
        made.home = [] { return new FakeAppliance(QStringLiteral("home")); };
    made.askProjectFile = [this] {
        journal << QStringLiteral("ask");
        return m_askAnswer;
    };
    // A file named "damaged..." cannot be opened.
    made.checkProjectFile = [](const QString& path) {
        journal << QStringLiteral("check ") + QFileInfo(path).fileName();
        return !QFileInfo(path).fileName().startsWith(QLatin1String("damaged"));
    };
    for (int type = Workflow::OpenCollage; type <= Workflow::OpenPanoramaRetouch; ++type) {
        const bool canvas = type == 1 || type == 2 || type == 4 || type == 6;
        made.commands[type] = [this, type, canvas](const Workflow::CreateRequest& request) {
            m_requests.append({type, request});
            AbstractScene* scene = canvas ? new AbstractScene(request.canvasParent) : nullptr;
            if (scene)
                m_scenes.append(scene);
            return new FakeAppliance(QStringLiteral("c%1").arg(type), scene);
        };
    }
    return made;
}

void TestWorkflow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    QVERIFY(TestSupport::writeFile(m_dir.filePath("project.pmp2"), "<Collage/>"));
    QVERIFY(TestSupport::writeFile(m_dir.filePath("UPPER.PMP2"), "<Collage/>"));
    QVERIFY(TestSupport::writeFile(m_dir.filePath("photo.png"), "png"));
}

void TestWorkflow::init()
{
    journal.clear();
    m_requests.clear();
    m_scenes.clear();
    m_askAnswer.clear();
}

void TestWorkflow::startsOnHome()
{
    RecordingContainer container;
    auto* workflow = new Workflow(&container, nullptr, creators());
    QCOMPARE(App::workflow, workflow);
    // At once, not from the queue.
    QCOMPARE(workflow->nodeCount(), 1);
    QCOMPARE(workflow->applianceName(), QStringLiteral("home"));
    QCOMPARE(container.take(), attached("home"));

    QVERIFY(!workflow->applianceCommand(9));
    QCOMPARE(journal.last(), QStringLiteral("command 9 to home"));

    QTest::ignoreMessage(QtWarningMsg, "Workflow::~Workflow: not empty stack. dropping all");
    QTest::ignoreMessage(QtWarningMsg, "Workflow::popNode: pop of appliance 'home' not handled");
    delete workflow;
    QCOMPARE(App::workflow, nullptr);
    QCOMPARE(journal, (QStringList {"make home", "command 9 to home", "delete home"}));
    QCOMPARE(container.take(), detached("home"));
}

void TestWorkflow::startsEmptyWithoutHome()
{
    QTest::ignoreMessage(QtWarningMsg, "Workflow::Workflow: no home appliance to start on");
    Workflow workflow(nullptr, nullptr, creators(false));
    QCOMPARE(workflow.nodeCount(), 0);
    QCOMPARE(workflow.applianceName(), QGuiApplication::applicationDisplayName());
    QVERIFY(!workflow.applianceCommand(1));
    QVERIFY(workflow.requestExit());
}

void TestWorkflow::startProject_data()
{
    QTest::addColumn<QStringList>("urls");
    QTest::addColumn<QString>("expected");
    const QString project = m_dir.filePath("project.pmp2");
    const QString upper = m_dir.filePath("UPPER.PMP2");
    QTest::newRow("nothing") << QStringList() << QString();
    QTest::newRow("one project") << QStringList {project} << project;
    QTest::newRow("capital suffix") << QStringList {upper} << upper;
    QTest::newRow("one picture") << QStringList {m_dir.filePath("photo.png")} << QString();
    QTest::newRow("missing project") << QStringList {m_dir.filePath("gone.pmp2")} << QString();
    QTest::newRow("two projects") << QStringList {project, upper} << QString();
    QTest::newRow("project and picture") << QStringList {project, m_dir.filePath("photo.png")} << QString();
    QTest::newRow("remote project") << QStringList {"http://example.com/a.pmp2"} << QString();
}

void TestWorkflow::startProject()
{
    QFETCH(QStringList, urls);
    QFETCH(QString, expected);
    QCOMPARE(Workflow::startProject(urls), expected);
}

void TestWorkflow::commandsRunInOrderFromTimer()
{
    RecordingContainer container;
    Workflow workflow(&container, nullptr, creators());
    container.take();

    workflow.scheduleCommand({Workflow::OpenZorivuvTiles, QVariant()});
    workflow.scheduleCommand({Workflow::OpenPanorama, QVariant()});
    QCOMPARE(workflow.nodeCount(), 1);
    QCOMPARE(journal, QStringList {"make home"});

    runQueue();
    QCOMPARE(workflow.nodeCount(), 3);
    QCOMPARE(journal, (QStringList {"make home", "make c3", "make c5"}));
    QCOMPARE(container.take(), detached("home") + attached("c3") + detached("c3") + attached("c5"));
}

void TestWorkflow::resultStopsQueue_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QVariant>("param");
    QTest::addColumn<QString>("made");
    const QPixmap pixmap(4, 4);
    const QImage image(4, 4, QImage::Format_RGB32);
    QTest::newRow("4 with a pixmap") << 4 << QVariant(pixmap) << "c4";
    QTest::newRow("4 with an image") << 4 << QVariant(image) << "";
    QTest::newRow("4 with null") << 4 << QVariant() << "";
    QTest::newRow("6 with an image") << 6 << QVariant(image) << "c6";
    QTest::newRow("6 with a pixmap") << 6 << QVariant(pixmap) << "";
    QTest::newRow("6 with a path") << 6 << QVariant(QStringLiteral("pano.png")) << "";
    QTest::newRow("type 7") << 7 << QVariant() << "";
    QTest::newRow("type -1") << -1 << QVariant() << "";
}

void TestWorkflow::resultStopsQueue()
{
    QFETCH(int, type);
    QFETCH(QVariant, param);
    QFETCH(QString, made);
    Workflow workflow(nullptr, nullptr, creators());

    workflow.scheduleCommand({type, param});
    workflow.scheduleCommand({Workflow::OpenPanorama, QVariant()});
    runQueue();
    if (made.isEmpty()) {
        QCOMPARE(journal, QStringList {"make home"});
        QCOMPARE(workflow.nodeCount(), 1);
    } else {
        QCOMPARE(journal, (QStringList {"make home", "make " + made, "make c5"}));
        QCOMPARE(m_requests.first().request.param.typeId(), param.typeId());
    }
}

void TestWorkflow::closeDownToLevel()
{
    Workflow workflow(nullptr, nullptr, creators());
    push(workflow, "a2");
    push(workflow, "a3");
    push(workflow, "a4", true);
    push(workflow, "a5", true);
    journal.clear();

    // Level 3 of five: two to close, each asking; Cancel on the second.
    BoxAnswerer answerer({QMessageBox::Discard, QMessageBox::Cancel});
    workflow.scheduleCommand({Workflow::CloseDownTo, 3});
    workflow.scheduleCommand({Workflow::OpenZorivuvTiles, QVariant()});
    runQueue();

    QCOMPARE(answerer.seen.size(), 2);
    for (const SeenBox& box : answerer.seen) {
        QCOMPARE(box.title, QStringLiteral("Closing File"));
        QCOMPARE(box.text, QStringLiteral("Do you want to save your changes?"));
        QCOMPARE(box.buttons, saveDiscardCancel);
        QCOMPARE(box.defaultButton, QMessageBox::Save);
    }
    QCOMPARE(workflow.nodeCount(), 4);
    QCOMPARE(top(workflow)->applianceName(), QStringLiteral("a4"));
    // Discarded without saving; the command behind the cancel is dropped.
    QCOMPARE(journal, QStringList {"delete a5"});
}

void TestWorkflow::closeDownToSaving_data()
{
    QTest::addColumn<bool>("saves");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("remaining");
    QTest::newRow("save succeeds") << true << QStringList {"save a1", "delete a1", "make c3"} << 2;
    QTest::newRow("save fails") << false << QStringList {"save a1"} << 2;
}

void TestWorkflow::closeDownToSaving()
{
    QFETCH(bool, saves);
    QFETCH(QStringList, expected);
    QFETCH(int, remaining);
    Workflow workflow(nullptr, nullptr, creators());
    push(workflow, "a1", true)->saves = saves;
    journal.clear();

    BoxAnswerer answerer({QMessageBox::Save});
    workflow.scheduleCommand({Workflow::CloseDownTo, QVariant()});
    workflow.scheduleCommand({Workflow::OpenZorivuvTiles, QVariant()});
    runQueue();
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(journal, expected);
    QCOMPARE(workflow.nodeCount(), remaining);
}

void TestWorkflow::neverClosesHome()
{
    Workflow workflow(nullptr, nullptr, creators());
    // The only node: nothing to close, nothing asked.
    workflow.scheduleCommand({Workflow::CloseDownTo, 0});
    workflow.popCurrentAppliance();
    runQueue();
    QCOMPARE(workflow.nodeCount(), 1);

    // A home node higher up stops the closing there, whatever the level.
    push(workflow, "a1", true);
    auto* secondHome = new FakeAppliance(QStringLiteral("home2"));
    secondHome->pending = true;
    workflow.pushNode({secondHome, true});
    workflow.scheduleCommand({Workflow::CloseDownTo, -4});
    workflow.scheduleCommand({Workflow::OpenZorivuvTiles, QVariant()});
    runQueue();
    QCOMPARE(workflow.nodeCount(), 4);
    QCOMPARE(journal, (QStringList {"make home", "make a1", "make home2", "make c3"}));
}

void TestWorkflow::canvasTakenBeforeAppliance()
{
    RecordingContainer container;
    Workflow workflow(&container, nullptr, creators());
    workflow.scheduleCommand({Workflow::OpenCollage, QStringLiteral("p.pmp2")});
    runQueue();

    QCOMPARE(m_requests.size(), 1);
    const Workflow::CreateRequest request = m_requests.first().request;
    QCOMPARE(request.param, QVariant(QStringLiteral("p.pmp2")));
    QCOMPARE(request.dpiX, container.physicalDpiX());
    QCOMPARE(request.dpiY, container.physicalDpiY());
    QCOMPARE(request.canvasParent, &workflow);
    QCOMPARE(m_scenes.size(), 1);
    QPointer<AbstractScene> canvas = m_scenes.first();
    QCOMPARE(canvas->parent(), &workflow);

    container.take();
    journal.clear();
    workflow.popCurrentAppliance();
    runQueue();
    QCOMPARE(journal, (QStringList {"take c1", "delete c1"}));
    QVERIFY(canvas.isNull());
    QCOMPARE(container.take(), detached("c1") + attached("home"));

    // An appliance without a canvas is deleted all the same, with a note.
    workflow.scheduleCommand({Workflow::OpenPanorama, QVariant()});
    runQueue();
    QTest::ignoreMessage(QtWarningMsg, "Workflow::popNode: pop of appliance 'c5' not handled");
    QVERIFY(workflow.popNode(false));
    QCOMPARE(journal.last(), QStringLiteral("delete c5"));

    // Without a container the canvas gets the standard resolution.
    Workflow detachedWorkflow(nullptr, nullptr, creators());
    detachedWorkflow.scheduleCommand({Workflow::OpenZorivuv, QVariant()});
    runQueue();
    QCOMPARE(m_requests.last().request.dpiX, 72);
    QCOMPARE(m_requests.last().request.dpiY, 72);
}

void TestWorkflow::commandDuringQuestion_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("remaining");
    QTest::newRow("discard: runs next") << QMessageBox::Discard << QStringList {"delete a1", "make c3"} << 2;
    QTest::newRow("cancel: dropped") << QMessageBox::Cancel << QStringList() << 2;
}

void TestWorkflow::commandDuringQuestion()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QStringList, expected);
    QFETCH(int, remaining);
    Workflow workflow(nullptr, nullptr, creators());
    push(workflow, "a1", true);
    journal.clear();

    QTest::ignoreMessage(QtWarningMsg, "Workflow::slotProcessQueue: nesting detected -FIXME-");
    BoxAnswerer answerer({answer}, [&](int) { workflow.scheduleCommand({Workflow::OpenZorivuvTiles, QVariant()}); });
    workflow.scheduleCommand({Workflow::CloseDownTo, QVariant()});
    QTRY_COMPARE(answerer.seen.size(), 1);
    runQueue();
    QCOMPARE(journal, expected);
    QCOMPARE(workflow.nodeCount(), remaining);
}

void TestWorkflow::stackChangedDuringQuestion()
{
    Workflow workflow(nullptr, nullptr, creators());
    push(workflow, "a1", true);
    journal.clear();

    // While a1 is asked about, a node with changes of its own comes on top:
    // the answer about a1 must not close it unasked.
    BoxAnswerer answerer({QMessageBox::Save, QMessageBox::Discard, QMessageBox::Discard}, [&](int index) {
        if (index == 0)
            push(workflow, "late", true);
    });
    workflow.scheduleCommand({Workflow::CloseDownTo, QVariant()});
    QTRY_COMPARE(answerer.seen.size(), 3);
    runQueue();
    QCOMPARE(journal, (QStringList {"make late", "delete late", "delete a1"}));
    QCOMPARE(workflow.nodeCount(), 1);
}

void TestWorkflow::closeRequestDuringQuestionWaits()
{
    RecordingContainer container;
    Workflow workflow(&container, nullptr, creators());
    push(workflow, "a1", true);
    push(workflow, "a2", true);
    journal.clear();

    bool accepted = true;
    int nodesDuring = 0;
    QTest::ignoreMessage(QtWarningMsg, "Workflow::requestExit: busy, the close waits for the current command");
    BoxAnswerer answerer({QMessageBox::Discard, QMessageBox::Discard}, [&](int index) {
        if (index == 0) {
            accepted = workflow.requestExit();
            nodesDuring = workflow.nodeCount();
        }
    });
    workflow.scheduleCommand({Workflow::CloseDownTo, QVariant()});
    QTRY_COMPARE(answerer.seen.size(), 2);
    runQueue();

    // Refused while the command walked its nodes, which it then closed once.
    QVERIFY(!accepted);
    QCOMPARE(nodesDuring, 3);
    QCOMPARE(journal, (QStringList {"delete a2", "delete a1"}));
    QCOMPARE(workflow.nodeCount(), 1);
    // The close is asked for again once the command is done.
    QTRY_VERIFY(container.calls.contains(QStringLiteral("close")));
}

void TestWorkflow::closeRequestDuringQuitIsRefused()
{
    RecordingContainer container;
    Workflow workflow(&container, nullptr, creators());
    FakeAppliance* changed = push(workflow, "a1", true);
    bool nestedAccepted = true;
    // The save asks for a file name in a dialog of its own, during which a
    // second close arrives.
    changed->onSave = [&] { nestedAccepted = workflow.requestExit(); };
    journal.clear();

    QTest::ignoreMessage(QtWarningMsg, "Workflow::requestExit: busy, the close waits for the current command");
    BoxAnswerer answerer({QMessageBox::Save});
    QVERIFY(workflow.requestExit());
    QVERIFY(!nestedAccepted);
    QCOMPARE(journal, (QStringList {"save a1", "delete a1", "delete home"}));
    QCOMPARE(workflow.nodeCount(), 0);
    runQueue();
    QVERIFY(!container.calls.contains(QStringLiteral("close")));
}

void TestWorkflow::quit_data()
{
    QTest::addColumn<bool>("withHome");
    QTest::addColumn<QList<bool>>("pending");
    QTest::addColumn<bool>("saves");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("defaultButton");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("remaining");
    QTest::addColumn<QStringList>("savesMade");

    const QString plain = QStringLiteral("Are you sure you want to quit?");
    const QString lose = QStringLiteral("Are you sure you want to quit and lose your changes?");
    const auto yesCancel = QMessageBox::Yes | QMessageBox::Cancel;
    const auto none = QMessageBox::NoButton;
    QTest::newRow("home alone") << true << QList<bool>() << true << none << QString()
                                << QMessageBox::StandardButtons() << none << true << 0 << QStringList();
    QTest::newRow("home and clean, yes") << true << QList<bool> {false} << true << QMessageBox::Yes << plain
                                         << yesCancel << QMessageBox::Cancel << true << 0 << QStringList();
    QTest::newRow("home and clean, cancel") << true << QList<bool> {false} << true << QMessageBox::Cancel << plain
                                            << yesCancel << QMessageBox::Cancel << false << 2 << QStringList();
    QTest::newRow("changes, save top first")
        << true << QList<bool> {true, false, true} << true << QMessageBox::Save << lose << saveDiscardCancel
        << QMessageBox::Save << true << 0 << QStringList {"save a3", "save a1"};
    QTest::newRow("changes, discard") << true << QList<bool> {true} << true << QMessageBox::Discard << lose
                                      << saveDiscardCancel << QMessageBox::Save << true << 0 << QStringList();
    QTest::newRow("changes, cancel") << true << QList<bool> {true} << true << QMessageBox::Cancel << lose
                                     << saveDiscardCancel << QMessageBox::Save << false << 2 << QStringList();
    // The top appliance is clean and goes; the failed save keeps the rest.
    QTest::newRow("changes, save fails")
        << true << QList<bool> {true, false} << false << QMessageBox::Save << lose << saveDiscardCancel
        << QMessageBox::Save << false << 2 << QStringList {"save a1"};
    QTest::newRow("lone node with changes, discard")
        << false << QList<bool> {true} << true << QMessageBox::Discard << lose << saveDiscardCancel
        << QMessageBox::Save << true << 0 << QStringList();
    QTest::newRow("lone node with changes, cancel")
        << false << QList<bool> {true} << true << QMessageBox::Cancel << lose << saveDiscardCancel
        << QMessageBox::Save << false << 1 << QStringList();
    QTest::newRow("lone clean node") << false << QList<bool> {false} << true << none << QString()
                                     << QMessageBox::StandardButtons() << none << true << 0 << QStringList();
}

void TestWorkflow::quit()
{
    QFETCH(bool, withHome);
    QFETCH(QList<bool>, pending);
    QFETCH(bool, saves);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QString, text);
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(QMessageBox::StandardButton, defaultButton);
    QFETCH(bool, result);
    QFETCH(int, remaining);
    QFETCH(QStringList, savesMade);

    if (!withHome)
        QTest::ignoreMessage(QtWarningMsg, "Workflow::Workflow: no home appliance to start on");
    Workflow workflow(nullptr, nullptr, creators(withHome));
    for (int i = 0; i < pending.size(); ++i)
        push(workflow, QStringLiteral("a%1").arg(i + 1), pending.at(i))->saves = saves;

    BoxAnswerer answerer(answer == QMessageBox::NoButton ? QList<QMessageBox::StandardButton>() : QList {answer});
    QCOMPARE(workflow.requestExit(), result);
    if (text.isEmpty()) {
        QVERIFY(answerer.seen.isEmpty());
    } else {
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.first().title, QStringLiteral("Quit"));
        QCOMPARE(answerer.seen.first().text, text);
        QCOMPARE(answerer.seen.first().buttons, buttons);
        QCOMPARE(answerer.seen.first().defaultButton, defaultButton);
    }
    QCOMPARE(workflow.nodeCount(), remaining);
    QStringList savesSeen = journal.filter(QRegularExpression("^save "));
    QCOMPARE(savesSeen, savesMade);
}

void TestWorkflow::commandDuringQuitQuestion_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("stay: runs after") << QMessageBox::Cancel << QStringList {"make c3"};
    QTest::newRow("quit: dropped") << QMessageBox::Yes << QStringList {"delete a1", "delete home"};
}

void TestWorkflow::commandDuringQuitQuestion()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QStringList, expected);
    Workflow workflow(nullptr, nullptr, creators());
    push(workflow, "a1");
    journal.clear();

    // Scheduled while the quit question is open: it must not change the stack
    // that the quit is about to close.
    BoxAnswerer answerer({answer}, [&](int) { workflow.scheduleCommand({Workflow::OpenZorivuvTiles, QVariant()}); });
    workflow.requestExit();
    QVERIFY(journal.isEmpty() || journal.first() != QStringLiteral("make c3"));
    runQueue();
    QCOMPARE(journal, expected);
}

void TestWorkflow::loadCanvas_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("path given") << "/p/a.pmp2" << "" << true << QStringList {"check a.pmp2", "delete a1", "make c1"};
    QTest::newRow("asked, chosen") << "" << "/p/b.pmp2" << true
                                   << QStringList {"ask", "check b.pmp2", "delete a1", "make c1"};
    QTest::newRow("asked, cancelled") << "" << "" << false << QStringList {"ask"};
    // Refused before anything is closed: the open work stays, unasked.
    QTest::newRow("given, cannot be opened") << "/p/damaged.pmp2" << "" << false << QStringList {"check damaged.pmp2"};
    QTest::newRow("asked, cannot be opened") << "" << "/p/damaged.pmp2" << false
                                             << QStringList {"ask", "check damaged.pmp2"};
}

void TestWorkflow::loadCanvas()
{
    QFETCH(QString, path);
    QFETCH(QString, chosen);
    QFETCH(bool, result);
    QFETCH(QStringList, expected);
    Workflow workflow(nullptr, nullptr, creators());
    push(workflow, "a1");
    journal.clear();
    m_askAnswer = chosen;

    QCOMPARE(workflow.loadCanvas_A(path), result);
    runQueue();
    QCOMPARE(journal, expected);
    if (result)
        QCOMPARE(m_requests.first().request.param, QVariant(path.isEmpty() ? chosen : path));
    else
        QCOMPARE(workflow.nodeCount(), 2);
}

void TestWorkflow::schedulers_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("startCanvas") << 0 << QStringList {"delete a1", "make c1"};
    QTest::newRow("startZorivuv") << 1 << QStringList {"delete a1", "make c2"};
    QTest::newRow("startPanorama") << 2 << QStringList {"delete a1", "make c5"};
    QTest::newRow("popCurrentAppliance") << 3 << QStringList {"delete a1"};
    QTest::newRow("slotNodeClicked 1") << 4 << QStringList {"delete a1"};
    QTest::newRow("slotNodeClicked 2") << 5 << QStringList();
}

void TestWorkflow::schedulers()
{
    QFETCH(int, which);
    QFETCH(QStringList, expected);
    Workflow workflow(nullptr, nullptr, creators());
    push(workflow, "a1");
    journal.clear();

    switch (which) {
    case 0:
        workflow.startCanvas();
        break;
    case 1:
        workflow.startZorivuv();
        break;
    case 2:
        workflow.startPanorama();
        break;
    case 3:
        workflow.popCurrentAppliance();
        break;
    case 4:
        workflow.slotNodeClicked(1);
        break;
    case 5:
        workflow.slotNodeClicked(2);
        break;
    }
    QVERIFY(journal.isEmpty());
    runQueue();
    QCOMPARE(journal, expected);
    for (const Request& made : std::as_const(m_requests))
        QVERIFY(made.request.param.isNull());
}

void TestWorkflow::destructorDropsEverything()
{
    auto workflow = std::make_unique<Workflow>(nullptr, nullptr, creators());
    workflow->scheduleCommand({Workflow::OpenCollage, QVariant()});
    runQueue();
    top(*workflow)->pending = true;
    QPointer<AbstractScene> canvas = m_scenes.first();
    journal.clear();

    QTest::ignoreMessage(QtWarningMsg, "Workflow::~Workflow: not empty stack. dropping all");
    QTest::ignoreMessage(QtWarningMsg, "Workflow::~Workflow: not empty stack. dropping all");
    workflow.reset();
    // No question (it would hang here), no save.
    QCOMPARE(journal, (QStringList {"take c1", "delete c1", "delete home"}));
    QVERIFY(canvas.isNull());
    QCOMPARE(App::workflow, nullptr);
}

QTEST_MAIN(TestWorkflow)
#include "tst_workflow.moc"
