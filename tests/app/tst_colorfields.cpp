// The red, green and blue fields of the colour panels hold three digits
// under the program's style sheet, wherever a panel is shown: the colour
// pop-up, the Edit Text dialog and the border panel. Set
// VELLUMAR_SCREENSHOT_DIR to keep each host as a picture.
#include "app/MainWindow.h"

#include "modebase/ColorBorderWidget.h"
#include "widgets/QPopupColorWidget.h"
#include "widgets/RichTextEditorDialog.h"

#include <QDir>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

#include <memory>

class TestColorFields : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void threeDigitsShowWhole_data();
    void threeDigitsShowWhole();
};

void TestColorFields::initTestCase()
{
    MainWindow::initStyle();
}

void TestColorFields::threeDigitsShowWhole_data()
{
    QTest::addColumn<QString>("host");
    QTest::newRow("colour pop-up") << "popup";
    QTest::newRow("Edit Text dialog") << "text";
    QTest::newRow("border panel") << "border";
}

void TestColorFields::threeDigitsShowWhole()
{
    QFETCH(QString, host);
    std::unique_ptr<QWidget> shown;
    if (host == "popup") {
        auto* popup = new QPopupColorWidget;
        shown.reset(popup);
        popup->setColor(QColor(200, 188, 255));
        popup->showAt(QPoint(100, 100));
    } else if (host == "text") {
        auto* dialog = new RichTextEditorDialog;
        shown.reset(dialog);
        dialog->setText(QStringLiteral("Some words"));
        dialog->show();
    } else {
        auto* border = new ColorBorderWidget;
        shown.reset(border);
        CanvasBorder record;
        record.color = QColor(200, 188, 255);
        border->setColorBorder(record);
        border->show();
    }
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    const QList<QSpinBox*> boxes {shown->findChild<QSpinBox*>(QStringLiteral("rSpinBox")),
        shown->findChild<QSpinBox*>(QStringLiteral("gSpinBox")), shown->findChild<QSpinBox*>(QStringLiteral("bSpinBox"))};
    for (QSpinBox* box : boxes) {
        QVERIFY(box);
        box->setValue(200);
        // What the line edit inside has for its text: its contents less the
        // two pixels it keeps on each side.
        const auto* edit = box->findChild<QLineEdit*>();
        QVERIFY(edit);
        const QMargins text = edit->textMargins();
        const int room = edit->contentsRect().width() - 4 - text.left() - text.right();
        const int needed = edit->fontMetrics().horizontalAdvance(QStringLiteral("255"));
        QVERIFY2(room >= needed, qPrintable(QStringLiteral("%1: %2 px for %3").arg(box->objectName()).arg(room).arg(needed)));
    }
    const QString shots = qEnvironmentVariable("VELLUMAR_SCREENSHOT_DIR");
    if (!shots.isEmpty())
        shown->grab().save(QDir(shots).filePath(QStringLiteral("colour-fields-%1.png").arg(host)));
}

QTEST_MAIN(TestColorFields)
#include "tst_colorfields.moc"
