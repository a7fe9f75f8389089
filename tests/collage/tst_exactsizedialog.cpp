// The "Canvas Size" dialog: what it shows for a given scene, the clamping of
// its spin boxes, and its two answers.
#include "collage/ExactSizeDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

class TestExactSizeDialog : public QObject
{
    Q_OBJECT

private slots:
    void showsSceneSizeClamped_data();
    void showsSceneSizeClamped();
    void answers_data();
    void answers();
};

void TestExactSizeDialog::showsSceneSizeClamped_data()
{
    QTest::addColumn<int>("sceneWidth");
    QTest::addColumn<int>("sceneHeight");
    QTest::addColumn<int>("shownWidth");
    QTest::addColumn<int>("shownHeight");
    // The spin boxes hold 400 .. 20000; anything outside shows at the nearer end.
    QTest::newRow("small scene") << 300 << 300 << 400 << 400;
    QTest::newRow("inside") << 1920 << 1080 << 1920 << 1080;
    QTest::newRow("ends") << 400 << 20000 << 400 << 20000;
    QTest::newRow("huge and empty") << 30000 << 0 << 20000 << 400;
}

void TestExactSizeDialog::showsSceneSizeClamped()
{
    QFETCH(int, sceneWidth);
    QFETCH(int, sceneHeight);
    ExactSizeDialog dialog;
    dialog.ui.widthSpinBox->setValue(sceneWidth);
    dialog.ui.heightSpinBox->setValue(sceneHeight);
    QFETCH(int, shownWidth);
    QCOMPARE(dialog.ui.widthSpinBox->value(), shownWidth);
    QFETCH(int, shownHeight);
    QCOMPARE(dialog.ui.heightSpinBox->value(), shownHeight);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Canvas Size"));
}

void TestExactSizeDialog::answers_data()
{
    QTest::addColumn<int>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << 0 << int(QDialog::Accepted);
    QTest::newRow("Cancel") << 1 << int(QDialog::Rejected);
    QTest::newRow("closed") << 2 << int(QDialog::Rejected);
}

void TestExactSizeDialog::answers()
{
    QFETCH(int, how);
    ExactSizeDialog dialog;
    dialog.ui.widthSpinBox->setValue(300);
    dialog.ui.heightSpinBox->setValue(300);
    QTimer::singleShot(0, &dialog, [&dialog, how] {
        if (how == 0)
            dialog.ui.buttonBox->button(QDialogButtonBox::Ok)->click();
        else if (how == 1)
            dialog.ui.buttonBox->button(QDialogButtonBox::Cancel)->click();
        else
            dialog.close();
    });
    QFETCH(int, result);
    QCOMPARE(dialog.exec(), result);
    // OK on a 300 x 300 scene reports the clamped 400 x 400.
    QCOMPARE(dialog.ui.widthSpinBox->value(), 400);
    QCOMPARE(dialog.ui.heightSpinBox->value(), 400);
}

QTEST_MAIN(TestExactSizeDialog)
#include "tst_exactsizedialog.moc"
