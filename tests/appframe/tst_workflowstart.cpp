#include "appframe/Settings.h"
#include "appframe/Workflow.h"

#include "support/TestSupport.h"
#include "ApplianceTestSupport.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The start with one project file on the command line. The command-line list
// belongs to the process, so this case has a program of its own; every
// other start is in tst_workflow.
class TestWorkflowStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startsOnTheProjectAlone();

private:
    QTemporaryDir m_dir;
};

void TestWorkflowStart::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    QVERIFY(TestSupport::writeFile(m_dir.filePath("start.pmp2"), "<Collage/>"));
    Settings::defaultSettings()->addCommandlineUrl(m_dir.filePath("start.pmp2"));
}

void TestWorkflowStart::startsOnTheProjectAlone()
{
    QVariant opened;
    Workflow::Creators creators;
    creators.home = [] { return new FakeAppliance(QStringLiteral("home")); };
    creators.commands[Workflow::OpenCollage] = [&](const Workflow::CreateRequest& request) {
        opened = request.param;
        return new FakeAppliance(QStringLiteral("collage"), new AbstractScene(request.canvasParent));
    };

    RecordingContainer container;
    Workflow workflow(&container, nullptr, creators);
    // Queued, not made yet: the window shows nothing until the queue runs.
    QCOMPARE(workflow.nodeCount(), 0);
    QVERIFY(container.calls.isEmpty());

    runQueue();
    QCOMPARE(journal, QStringList {"make collage"});
    QCOMPARE(opened, QVariant(m_dir.filePath("start.pmp2")));
    QCOMPARE(container.take(), (QStringList {"title:collage", "attach:collage", "top:", "right:", "bottom:"}));

    // The bottom node: neither the way home nor the back step closes it.
    workflow.scheduleCommand({Workflow::CloseDownTo, 0});
    workflow.popCurrentAppliance();
    runQueue();
    QCOMPARE(workflow.nodeCount(), 1);

    // Quitting without changes asks nothing and closes it unsaved.
    BoxAnswerer answerer({});
    QVERIFY(workflow.requestExit());
    QVERIFY(answerer.seen.isEmpty());
    QCOMPARE(journal, (QStringList {"make collage", "take collage", "delete collage"}));
}

QTEST_MAIN(TestWorkflowStart)
#include "tst_workflowstart.moc"
