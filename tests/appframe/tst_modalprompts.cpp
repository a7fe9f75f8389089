#include "appframe/ModalPrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>

namespace {

// Presses `button` of the next message box that becomes modal; polls, so a
// slow start of the box does not matter.
void pressWhenShown(QMessageBox::StandardButton button)
{
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer->stop();
        timer->deleteLater();
        box->button(button)->click();
    });
    timer->start();
}

} // namespace

class TestModalPrompts : public QObject
{
    Q_OBJECT

private slots:
    void responderSeesRequestAndAnswers_data();
    void responderSeesRequestAndAnswers();
    void menuAnswerIsAnActionIndex_data();
    void menuAnswerIsAnActionIndex();
    void dialogIsNotShownUnderAResponder();
    void scopedRespondersNest();
    void realMessageBoxRuns();
    void realDialogRuns();
};

void TestModalPrompts::responderSeesRequestAndAnswers_data()
{
    QTest::addColumn<bool>("isQuestion");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("icon");

    QTest::newRow("question answered No") << true << int(QMessageBox::No) << int(QMessageBox::Question);
    QTest::newRow("question answered Yes") << true << int(QMessageBox::Yes) << int(QMessageBox::Question);
    QTest::newRow("warning") << false << int(QMessageBox::Ok) << int(QMessageBox::Warning);
    QTest::newRow("critical") << false << int(QMessageBox::Ok) << int(QMessageBox::Critical);
}

void TestModalPrompts::responderSeesRequestAndAnswers()
{
    QFETCH(bool, isQuestion);
    QFETCH(int, answer);
    QFETCH(int, icon);

    QWidget parent;
    QList<ModalPrompts::Request> requests;
    ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request& request) {
        requests << request;
        return answer;
    });

    const QMessageBox::StandardButton got = isQuestion
        ? ModalPrompts::question(&parent, "Closing File", "Do you want to save your changes?")
        : ModalPrompts::message(QMessageBox::Icon(icon), &parent, "Error", "Failed to save file:/x.pdf");

    QCOMPARE(int(got), answer);
    QCOMPARE(requests.size(), 1);
    const ModalPrompts::Request& request = requests.first();
    QCOMPARE(request.kind, isQuestion ? ModalPrompts::Kind::Question : ModalPrompts::Kind::Message);
    QCOMPARE(request.parent.data(), &parent);
    QCOMPARE(int(request.icon), icon);
    QCOMPARE(request.title, isQuestion ? QString("Closing File") : QString("Error"));
    QCOMPARE(request.text, isQuestion ? QString("Do you want to save your changes?") : QString("Failed to save file:/x.pdf"));
    QCOMPARE(request.buttons,
        isQuestion ? QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No)
                   : QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestModalPrompts::menuAnswerIsAnActionIndex_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first") << 0 << "Copy";
    QTest::newRow("last") << 2 << "Delete";
    QTest::newRow("dismissed") << -1 << QString();
    QTest::newRow("past the end") << 3 << QString();
}

void TestModalPrompts::menuAnswerIsAnActionIndex()
{
    QFETCH(int, answer);
    QFETCH(QString, expected);

    QMenu menu;
    menu.addAction("Copy");
    menu.addAction("Paste");
    menu.addAction("Delete");
    ModalPrompts::Request seen;
    ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request& request) {
        seen = request;
        return answer;
    });

    QAction* chosen = ModalPrompts::execMenu(&menu, QPoint(40, 50));
    QCOMPARE(chosen ? chosen->text() : QString(), expected);
    QCOMPARE(seen.kind, ModalPrompts::Kind::Menu);
    QCOMPARE(seen.menu, &menu);
    QCOMPARE(seen.position, QPoint(40, 50));
    QCOMPARE(seen.actionTexts, QStringList({ "Copy", "Paste", "Delete" }));
    QVERIFY(!menu.isVisible());
}

void TestModalPrompts::dialogIsNotShownUnderAResponder()
{
    QDialog dialog;
    dialog.setWindowTitle("Print");
    bool wasVisible = true;
    ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request& request) {
        wasVisible = request.dialog->isVisible();
        request.dialog->setObjectName("filled in by the test");
        return int(QDialog::Accepted);
    });

    QCOMPARE(ModalPrompts::execDialog(&dialog), int(QDialog::Accepted));
    QVERIFY(!wasVisible);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.objectName(), QString("filled in by the test"));
    QCOMPARE(ModalPrompts::execDialog(nullptr), int(QDialog::Rejected));
}

void TestModalPrompts::scopedRespondersNest()
{
    QVERIFY(!ModalPrompts::hasResponder());
    {
        ModalPrompts::ScopedResponder outer([](const ModalPrompts::Request&) { return int(QMessageBox::Yes); });
        {
            ModalPrompts::ScopedResponder inner([](const ModalPrompts::Request&) { return int(QMessageBox::No); });
            QCOMPARE(ModalPrompts::question(nullptr, "t", "q"), QMessageBox::No);
        }
        QCOMPARE(ModalPrompts::question(nullptr, "t", "q"), QMessageBox::Yes);
    }
    QVERIFY(!ModalPrompts::hasResponder());
}

void TestModalPrompts::realMessageBoxRuns()
{
    pressWhenShown(QMessageBox::No);
    QCOMPARE(ModalPrompts::question(nullptr, "Closing File", "Do you want to save your changes?"), QMessageBox::No);
    pressWhenShown(QMessageBox::Retry);
    QCOMPARE(ModalPrompts::message(QMessageBox::Warning, nullptr, "Error", "text", QMessageBox::Retry | QMessageBox::Cancel),
        QMessageBox::Retry);
}

void TestModalPrompts::realDialogRuns()
{
    QDialog dialog;
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.done(7); });
    QCOMPARE(ModalPrompts::execDialog(&dialog), 7);
}

QTEST_MAIN(TestModalPrompts)
#include "tst_modalprompts.moc"
