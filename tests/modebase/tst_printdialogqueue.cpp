// The print dialog against a real print server: the CUPS-PDF queues that
// scripts/cups-queue sets up (VellumarPDF, VellumarPDF2), which write every
// job as a PDF file into VELLUMAR_CUPS_OUT.
#include "modebase/PrintDialog.h"
#include "appframe/ModalPrompts.h"
#include "canvas/Canvas.h"
#include "files/SaveImageThread.h"

#include "support/PdfReadback.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGraphicsPixmapItem>
#include <QPainter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString firstQueue = QStringLiteral("VellumarPDF");
const QString secondQueue = QStringLiteral("VellumarPDF2");

QStringList pdfFiles(const QString& folder)
{
    return QDir(folder).entryList({ QStringLiteral("*.pdf") }, QDir::Files, QDir::Name);
}

// A finished job: pdfinfo reads the file, which ghostscript writes last.
bool isFinishedPdf(const QString& path)
{
    return PdfReadback::pageCount(path) == 1;
}

// What the canvas appliances print: the canvas rendered at its scene size.
// Here a canvas holding one picture that fills its scene.
QImage renderedCanvas(const QImage& picture)
{
    Canvas canvas(96, 96, nullptr);
    canvas.resize(picture.size());
    canvas.addItem(new QGraphicsPixmapItem(QPixmap::fromImage(picture)));
    QImage rendered(picture.size(), QImage::Format_ARGB32);
    rendered.fill(Qt::transparent);
    QPainter painter(&rendered);
    canvas.render(&painter, QRectF(rendered.rect()), canvas.sceneRect());
    painter.end();
    return rendered;
}

} // namespace

class TestPrintDialogQueue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void printerChoice_data();
    void printerChoice();
    void newPrinterTakesCurrentOrientation();
    void printRenderedCanvas();
    void refusedPrintReportsError();
    void screenshot();

private:
    QString m_out;
    QStringList m_printers;
};

void TestPrintDialogQueue::initTestCase()
{
    m_out = qEnvironmentVariable("VELLUMAR_CUPS_OUT");
    QVERIFY2(!m_out.isEmpty() && QDir(m_out).exists(), "VELLUMAR_CUPS_OUT names no folder: run through CTest");
    m_printers = QPrinterInfo::availablePrinterNames();
    QVERIFY2(m_printers.contains(firstQueue) && m_printers.contains(secondQueue),
        qPrintable(m_printers.join(", ")));
}

void TestPrintDialogQueue::init()
{
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
}

void TestPrintDialogQueue::printerChoice_data()
{
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("defaultPrinter");
    QTest::addColumn<QString>("expected");

    // An empty expectation stands for the first printer listed.
    QTest::newRow("remembered printer still there") << secondQueue << firstQueue << secondQueue;
    QTest::newRow("remembered printer gone: the default") << "gone-queue" << secondQueue << secondQueue;
    QTest::newRow("gone, no default: the first listed") << "gone-queue" << "no-such-queue" << QString();
    QTest::newRow("none remembered, no default: the first listed") << QString() << "no-such-queue" << QString();
    QTest::newRow("a name differing in case is another printer") << secondQueue.toLower() << firstQueue << firstQueue;
}

void TestPrintDialogQueue::printerChoice()
{
    QFETCH(QString, remembered);
    QFETCH(QString, defaultPrinter);
    QFETCH(QString, expected);
    if (expected.isEmpty())
        expected = m_printers.first();

    // The user's default destination, as lpoptions would set it.
    qputenv("PRINTER", defaultPrinter.toLocal8Bit());
    QCOMPARE(QPrinterInfo::defaultPrinterName(), m_printers.contains(defaultPrinter) ? defaultPrinter : QString());

    PrintInfo info;
    info.printerName = remembered;
    PrintDialog dialog(info);
    auto* list = dialog.findChild<QComboBox*>("printerListComboBox");
    QVERIFY(!list->isHidden());
    QCOMPARE(list->count(), m_printers.size());
    QCOMPARE(list->currentText(), expected);
    QVERIFY(dialog.selectedPrinter());
    QCOMPARE(dialog.selectedPrinter()->printerName(), expected);
    QCOMPARE(dialog.printInfo().printerName, expected);
}

void TestPrintDialogQueue::newPrinterTakesCurrentOrientation()
{
    PrintInfo info;
    info.printerName = firstQueue;
    PrintDialog dialog(info);
    QCOMPARE(dialog.selectedPrinter()->pageLayout().orientation(), QPageLayout::Portrait);
    dialog.findChild<QRadioButton*>("landscape")->click();
    QCOMPARE(dialog.selectedPrinter()->pageLayout().orientation(), QPageLayout::Landscape);

    dialog.findChild<QComboBox*>("printerListComboBox")->setCurrentText(secondQueue);
    QCOMPARE(dialog.selectedPrinter()->printerName(), secondQueue);
    QCOMPARE(dialog.selectedPrinter()->pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(dialog.printInfo().printerName, secondQueue);
    QVERIFY(dialog.printInfo().landscape);
}

void TestPrintDialogQueue::printRenderedCanvas()
{
    const QImage canvasImage = renderedCanvas(PdfReadback::smoothPicture(360, 240));

    // The same picture as the program writes it to a file.
    QTemporaryDir dir;
    const QString png = dir.filePath("canvas.png");
    SaveImageThread saver(canvasImage, png, true);
    QSignalSpy saved(&saver, &SaveImageThread::saved);
    saver.start();
    QVERIFY(saver.wait(60000));
    QCOMPARE(saved.size(), 1);
    QVERIFY(saved.first().at(1).toBool());
    const QImage written(png);
    QCOMPARE(written.size(), QSize(360, 240));

    PrintInfo info;
    info.printerName = firstQueue;
    info.fitToPage = false;
    PrintDialog dialog(info);
    dialog.setImage(canvasImage);
    dialog.show();
    QList<ModalPrompts::Request> messages;
    ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request& request) {
        messages << request;
        return int(QMessageBox::Ok);
    });
    const QStringList before = pdfFiles(m_out);
    const QPageLayout layout = dialog.selectedPrinter()->pageLayout();
    const QRectF placed = dialog.getImagePrintRect(dialog.selectedPrinter());
    dialog.print();
    QVERIFY(messages.isEmpty());
    QVERIFY(!dialog.isVisible());

    // The job passes the scheduler, its filters and ghostscript: allow it
    // two minutes on a loaded machine.
    QString pdf;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (const QString& name : pdfFiles(m_out)) {
                if (!before.contains(name) && isFinishedPdf(QDir(m_out).filePath(name))) {
                    pdf = QDir(m_out).filePath(name);
                    return true;
                }
            }
            return false;
        }(),
        120000);

    // The page is the queue's paper; at the printer's 96 dpi one picture
    // pixel is one rendered pixel, placed at the printable area's corner
    // plus the dialog's placement.
    const QSizeF paper = layout.fullRect(QPageLayout::Point).size();
    const QSizeF page = PdfReadback::pageSizePoints(pdf);
    QVERIFY2(qAbs(page.width() - paper.width()) < 1 && qAbs(page.height() - paper.height()) < 1,
        qPrintable(QString("%1 x %2").arg(page.width()).arg(page.height())));
    const QImage rendered = PdfReadback::render(pdf, 96);
    QVERIFY(!rendered.isNull());
    const QRectF printable = layout.paintRectPixels(96);
    const QPointF topLeft = printable.topLeft() + placed.topLeft();
    const QRect ink = PdfReadback::inkBox(rendered);
    QVERIFY2(qAbs(ink.left() - topLeft.x()) <= 1 && qAbs(ink.top() - topLeft.y()) <= 1,
        qPrintable(QString("ink at %1,%2, expected %3,%4").arg(ink.left()).arg(ink.top()).arg(topLeft.x()).arg(topLeft.y())));
    QVERIFY2(qAbs(ink.width() - written.width()) <= 1 && qAbs(ink.height() - written.height()) <= 1,
        qPrintable(QString("ink %1 x %2").arg(ink.width()).arg(ink.height())));
    // Qt's JPEG (quality 94), then ghostscript: within 10 levels a channel
    // on this smooth picture.
    const int difference = PdfReadback::maxDifference(rendered, ink.topLeft(), written);
    QVERIFY2(difference <= 10, qPrintable(QString("difference %1").arg(difference)));
}

void TestPrintDialogQueue::refusedPrintReportsError()
{
    PrintInfo info;
    info.printerName = secondQueue;
    PrintDialog dialog(info);
    dialog.setImage(PdfReadback::smoothPicture(40, 30));
    dialog.show();
    // Sent to a file in a folder that does not exist, the printer's painter
    // cannot begin.
    QTemporaryDir dir;
    dialog.selectedPrinter()->setOutputFileName(dir.filePath("missing-folder/job.prn"));
    QList<ModalPrompts::Request> messages;
    ModalPrompts::ScopedResponder responder([&](const ModalPrompts::Request& request) {
        messages << request;
        return int(QMessageBox::Ok);
    });
    dialog.print();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().icon, QMessageBox::Warning);
    QCOMPARE(messages.first().title, QString("Error"));
    QCOMPARE(messages.first().text, QString("Failed to print on printer \"%1\".").arg(secondQueue));
    QVERIFY(dialog.isVisible());
}

// Writes the dialog with its printer list into VELLUMAR_SCREENSHOT_DIR, when
// set, for a person to look at (run under Xvfb with QT_QPA_PLATFORM=xcb).
void TestPrintDialogQueue::screenshot()
{
    const QString folder = qEnvironmentVariable("VELLUMAR_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("VELLUMAR_SCREENSHOT_DIR not set");
    PrintInfo info;
    info.printerName = firstQueue;
    PrintDialog dialog(info);
    dialog.setImage(renderedCanvas(PdfReadback::smoothPicture(1200, 800)));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::qWait(200);
    QVERIFY(dialog.grab().save(QDir(folder).filePath("print-dialog-with-printers.png")));
}

QTEST_MAIN(TestPrintDialogQueue)
#include "tst_printdialogqueue.moc"
