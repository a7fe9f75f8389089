// The print dialog with no print server reachable: the printer-less form,
// the placement rule, the preview, PDF output read back with poppler-utils,
// and how failures of the PDF file are reported.
#include "modebase/PrintDialog.h"
#include "appframe/ModalPrompts.h"

#include "support/PdfReadback.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QFileDialog>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

Q_DECLARE_METATYPE(PrintInfo)

namespace {

// Answers the PDF file dialog with `path` (empty: cancels) and records
// every message shown.
struct Prompts
{
    explicit Prompts(QString pdfPath = QString())
        : path(std::move(pdfPath))
        , responder([this](const ModalPrompts::Request& request) {
            if (request.kind == ModalPrompts::Kind::Dialog) {
                ++fileDialogs;
                auto* dialog = qobject_cast<QFileDialog*>(request.dialog);
                if (!dialog || path.isEmpty())
                    return int(QDialog::Rejected);
                startedAt = dialog->selectedFiles().value(0);
                dialog->selectFile(path);
                if (beforeWrite)
                    beforeWrite();
                return int(QDialog::Accepted);
            }
            if (afterWrite)
                afterWrite();
            messages << request;
            return int(QMessageBox::Ok);
        })
    {
    }

    QString path;
    int fileDialogs = 0;
    QString startedAt;
    QList<ModalPrompts::Request> messages;
    std::function<void()> beforeWrite;
    std::function<void()> afterWrite;
    ModalPrompts::ScopedResponder responder;
};

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// A printer whose page is simple to work with by hand: 300 x 450 points
// with 30-point margins. At 96 dpi (screen resolution here) one point is
// 96 / 72 = 4/3 pixels, so the paper is 400 x 600 pixels, the margins 40,
// and the printable area 320 x 520 pixels portrait, 520 x 320 landscape.
void makeTestPrinter(QPrinter& printer, bool landscape)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageLayout(QPageLayout(QPageSize(QSizeF(300, 450), QPageSize::Point, QString(), QPageSize::ExactMatch),
        landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(30, 30, 30, 30), QPageLayout::Point));
}

} // namespace

class TestPrintDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noPrintServer();
    void form();
    void printInfoRoundTrip_data();
    void printInfoRoundTrip();
    void imagePrintRect_data();
    void imagePrintRect();
    void preview();
    void pdfPage_data();
    void pdfPage();
    void pdfPathStartsAtLastFile();
    void pdfNameEndsInPdf_data();
    void pdfNameEndsInPdf();
    void noImageClosesWithoutOutput();
    void cancelledPathDialogKeepsDialogOpen();
    void unwritablePathReportsError();
    void failedWriteKeepsExistingPdf();
    void screenshots_data();
    void screenshots();

private:
    QTemporaryDir m_dir;
};

void TestPrintDialog::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QCOMPARE(QPrinterInfo::availablePrinterNames(), QStringList());
}

void TestPrintDialog::noPrintServer()
{
    PrintDialog dialog(PrintInfo{});
    dialog.setImage(PdfReadback::smoothPicture(120, 80));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    auto* placeholder = dialog.findChild<QLabel*>("printerListPlaceholder");
    QVERIFY(placeholder);
    QVERIFY(placeholder->isVisible());
    QCOMPARE(placeholder->text(), QString("<No printers found>"));
    QVERIFY(!dialog.findChild<QComboBox*>("printerListComboBox")->isVisible());
    QVERIFY(!dialog.findChild<QPushButton*>("printButton")->isEnabled());
    QCOMPARE(dialog.focusWidget(), dialog.findChild<QPushButton*>("exportPdfButton"));
    QVERIFY(!dialog.selectedPrinter());

    // "Print" is disabled; a call all the same only closes.
    dialog.print();
    QVERIFY(!dialog.isVisible());

    // PDF still works.
    dialog.show();
    const QString pdf = m_dir.filePath("no-server.pdf");
    Prompts prompts(pdf);
    dialog.findChild<QPushButton*>("exportPdfButton")->click();
    QVERIFY(prompts.messages.isEmpty());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(PdfReadback::pageCount(pdf), 1);
}

void TestPrintDialog::form()
{
    PrintDialog dialog(PrintInfo{});
    QCOMPARE(dialog.windowTitle(), QString("Print"));
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.minimumSize(), QSize(480, 400));
    QCOMPARE(dialog.maximumSize(), QSize(627, 400));
    auto* preview = dialog.findChild<QLabel*>("previewLabel");
    QCOMPARE(preview->size(), QSize(180, 180));
    // Checked before showing: while another button has the focus, Qt lends
    // it the default.
    QVERIFY(dialog.findChild<QPushButton*>("printButton")->isDefault());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(preview->size(), QSize(180, 180));

    const QList<std::pair<const char*, const char*>> texts = {
        { "label", "Printer:" },
        { "label_3", "Page orientation:" },
        { "portrait", "Portrait" },
        { "landscape", "Landscape" },
        { "label_5", "Color mode:" },
        { "grayscale", "Grayscale" },
        { "color", "Color" },
        { "fitToPageCheckBox", "Fit to page" },
        { "exportPdfButton", "PDF" },
        { "printButton", "Print" },
        { "cancelButton", "Cancel" },
    };
    for (const auto& [name, text] : texts) {
        QWidget* widget = dialog.findChild<QWidget*>(name);
        QVERIFY2(widget, name);
        QCOMPARE(widget->property("text").toString(), QString(text));
    }

    // The tab order ends Print, Cancel, printer list: the widgets Tab stops
    // at, in the focus chain from "Print" on.
    auto nextTabStop = [](QWidget* widget) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
        return widget;
    };
    QWidget* print = dialog.findChild<QWidget*>("printButton");
    QCOMPARE(nextTabStop(print), dialog.findChild<QWidget*>("cancelButton"));
    QCOMPARE(nextTabStop(nextTabStop(print)), dialog.findChild<QWidget*>("printerListComboBox"));
}

void TestPrintDialog::printInfoRoundTrip_data()
{
    QTest::addColumn<PrintInfo>("given");
    QTest::addColumn<bool>("clickLandscape");
    QTest::addColumn<bool>("clickFit");

    QTest::newRow("initial, untouched") << PrintInfo{} << false << false;
    QTest::newRow("initial, landscape and fit off") << PrintInfo{} << true << true;
    QTest::newRow("all flags turned, untouched") << PrintInfo{ "gone-printer", true, false, true, false } << false << false;
    QTest::newRow("all flags turned, back to portrait and fit on")
        << PrintInfo{ "gone-printer", true, false, true, false } << true << true;
}

void TestPrintDialog::printInfoRoundTrip()
{
    QFETCH(PrintInfo, given);
    QFETCH(bool, clickLandscape);
    QFETCH(bool, clickFit);

    PrintDialog dialog(given);
    dialog.setImage(PdfReadback::smoothPicture(40, 30));
    auto* grayscale = dialog.findChild<QRadioButton*>("grayscale");
    auto* color = dialog.findChild<QRadioButton*>("color");
    QCOMPARE(color->isChecked(), given.color);
    QCOMPARE(grayscale->isChecked(), !given.color);
    QCOMPARE(dialog.findChild<QRadioButton*>("landscape")->isChecked(), given.landscape);
    QCOMPARE(dialog.findChild<QRadioButton*>("portrait")->isChecked(), !given.landscape);
    QCOMPARE(dialog.findChild<QCheckBox*>("fitToPageCheckBox")->isChecked(), given.fitToPage);
    QCOMPARE(dialog.printInfo(), given);

    PrintInfo expected = given;
    if (clickLandscape) {
        dialog.findChild<QRadioButton*>(given.landscape ? "portrait" : "landscape")->click();
        expected.landscape = !given.landscape;
    }
    if (clickFit) {
        dialog.findChild<QCheckBox*>("fitToPageCheckBox")->click();
        expected.fitToPage = !given.fitToPage;
    }
    // The colour choice is the dialog's; the record keeps the flag handed in.
    (given.color ? grayscale : color)->click();
    QCOMPARE(dialog.printInfo(), expected);
    QCOMPARE(dialog.pdfPrinter()->pageLayout().orientation(),
        expected.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void TestPrintDialog::imagePrintRect_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("fit");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QRectF>("expected");

    // Printable area 320 x 520 (portrait) or 520 x 320 (landscape); the
    // picture at x = width / 2 - its width / 2, y = 0.
    QTest::newRow("no picture") << QSize() << true << false << QRectF(0, 0, 0, 0);
    // 160 - 50 = 110.
    QTest::newRow("small, portrait") << QSize(100, 50) << false << false << QRectF(110, 0, 100, 50);
    // 260 - 50 = 210.
    QTest::newRow("small, landscape") << QSize(100, 50) << false << true << QRectF(210, 0, 100, 50);
    // 2:1 into 320 x 520: the width binds, 320 x 160.
    QTest::newRow("small, fit, portrait") << QSize(100, 50) << true << false << QRectF(0, 0, 320, 160);
    // 2:1 into 520 x 320: the width binds, 520 x 260.
    QTest::newRow("small, fit, landscape") << QSize(100, 50) << true << true << QRectF(0, 0, 520, 260);
    // 1:4 into 520 x 320: the height binds, 80 x 320; 260 - 40 = 220.
    QTest::newRow("tall, fit, landscape") << QSize(100, 400) << true << true << QRectF(220, 0, 80, 320);
    QTest::newRow("exactly the area") << QSize(320, 520) << false << false << QRectF(0, 0, 320, 520);
    // Wider than 320: 640 x 100 becomes 320 x 50.
    QTest::newRow("wide, portrait") << QSize(640, 100) << false << false << QRectF(0, 0, 320, 50);
    // Fits in height (400 <= 520): kept; 160 - 50 = 110.
    QTest::newRow("tall but fits, portrait") << QSize(100, 400) << false << false << QRectF(110, 0, 100, 400);
    // Taller than 520 though narrow: 1:10.4 into 320 x 520 gives 50 x 520;
    // 160 - 25 = 135.
    QTest::newRow("too tall, portrait") << QSize(100, 1040) << false << false << QRectF(135, 0, 50, 520);
    // Taller than 320 in landscape: 80 x 320 at 220.
    QTest::newRow("too tall, landscape") << QSize(100, 400) << false << true << QRectF(220, 0, 80, 320);
}

void TestPrintDialog::imagePrintRect()
{
    QFETCH(QSize, picture);
    QFETCH(bool, fit);
    QFETCH(bool, landscape);
    QFETCH(QRectF, expected);

    QPrinter printer(QPrinter::ScreenResolution);
    makeTestPrinter(printer, landscape);
    QCOMPARE(printer.resolution(), 96);
    QCOMPARE(printer.pageRect(QPrinter::DevicePixel).size(), landscape ? QSizeF(520, 320) : QSizeF(320, 520));

    PrintInfo info;
    info.fitToPage = fit;
    PrintDialog dialog(info);
    if (!picture.isEmpty())
        dialog.setImage(PdfReadback::smoothPicture(picture.width(), picture.height()));
    QCOMPARE(dialog.getImagePrintRect(&printer), expected);
    QCOMPARE(dialog.getImagePrintRect(nullptr), QRectF(0, 0, 0, 0));
}

void TestPrintDialog::preview()
{
    PrintDialog dialog(PrintInfo{});
    auto* label = dialog.findChild<QLabel*>("previewLabel");
    QVERIFY(label->pixmap().isNull());

    // A2 is 420 x 594 mm: fitted into 180 x 180 the page is 180 high and
    // 180 * 420 / 594 = 127.3, so 127 wide.
    const QImage picture = PdfReadback::smoothPicture(300, 200);
    dialog.setImage(picture);
    QImage shown = label->pixmap().toImage();
    QCOMPARE(shown.size() / shown.devicePixelRatio(), QSize(127, 180));
    // The corner is paper; the picture sits top-centred inside the margin.
    QCOMPARE(QColor(shown.pixel(3, shown.height() - 3)), QColor(Qt::white));
    const QPoint middleTop(shown.width() / 2, shown.height() / 10);
    QVERIFY(QColor(shown.pixel(middleTop)) != QColor(Qt::white));
    QVERIFY(!PdfReadback::isGrey(shown.convertToFormat(QImage::Format_RGB32)));

    dialog.findChild<QRadioButton*>("landscape")->click();
    shown = label->pixmap().toImage();
    QCOMPARE(shown.size() / shown.devicePixelRatio(), QSize(180, 127));

    dialog.findChild<QRadioButton*>("grayscale")->click();
    QVERIFY(PdfReadback::isGrey(label->pixmap().toImage().convertToFormat(QImage::Format_RGB32)));
    dialog.findChild<QRadioButton*>("color")->click();
    QVERIFY(!PdfReadback::isGrey(label->pixmap().toImage().convertToFormat(QImage::Format_RGB32)));
}

void TestPrintDialog::pdfPage_data()
{
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<bool>("color");

    QTest::newRow("portrait, colour") << false << true;
    QTest::newRow("landscape, colour") << true << true;
    QTest::newRow("portrait, grey") << false << false;
}

void TestPrintDialog::pdfPage()
{
    QFETCH(bool, landscape);
    QFETCH(bool, color);

    PrintInfo info;
    info.fitToPage = false;
    info.landscape = landscape;
    info.color = color;
    PrintDialog dialog(info);
    const QImage picture = PdfReadback::smoothPicture(400, 240);
    dialog.setImage(picture);
    const QString pdf = m_dir.filePath(QString("page-%1-%2.pdf").arg(landscape).arg(color));
    Prompts prompts(pdf);
    dialog.exportPdf();
    QVERIFY(prompts.messages.isEmpty());

    // A2, 420 x 594 mm, is 420 / 25.4 * 72 = 1190.55 by 594 / 25.4 * 72 =
    // 1683.78 points.
    const QSizeF page = PdfReadback::pageSizePoints(pdf);
    const QSizeF a2 = landscape ? QSizeF(1190.55, 1683.78).transposed() : QSizeF(1190.55, 1683.78);
    QVERIFY2(qAbs(page.width() - a2.width()) < 1 && qAbs(page.height() - a2.height()) < 1,
        qPrintable(QString("%1 x %2").arg(page.width()).arg(page.height())));

    // At 96 dpi, the printer's resolution, one picture pixel is one rendered
    // pixel. The picture's top left: the page's left margin plus half of what
    // the printable width leaves beside it, and the top margin.
    const QImage rendered = PdfReadback::render(pdf, 96);
    QVERIFY(!rendered.isNull());
    const QPageLayout layout = dialog.pdfPrinter()->pageLayout();
    const QRectF printable = layout.paintRectPixels(96);
    const QPointF topLeft(printable.left() + (printable.width() - picture.width()) / 2, printable.top());
    const QRect ink = PdfReadback::inkBox(rendered);
    QVERIFY2(qAbs(ink.left() - topLeft.x()) <= 1 && qAbs(ink.top() - topLeft.y()) <= 1,
        qPrintable(QString("ink at %1,%2, expected %3,%4").arg(ink.left()).arg(ink.top()).arg(topLeft.x()).arg(topLeft.y())));
    QVERIFY2(qAbs(ink.width() - picture.width()) <= 1 && qAbs(ink.height() - picture.height()) <= 1,
        qPrintable(QString("ink %1 x %2").arg(ink.width()).arg(ink.height())));

    if (color) {
        // Qt embeds the picture as a JPEG of quality 94; on this smooth
        // picture that stays within 8 levels a channel.
        const int difference = PdfReadback::maxDifference(rendered, ink.topLeft(), picture);
        QVERIFY2(difference <= 8, qPrintable(QString("difference %1").arg(difference)));
    } else {
        QVERIFY(PdfReadback::isGrey(rendered));
        // Grey as Qt's PDF writer makes it: qGray, (11 R + 16 G + 5 B) / 32,
        // kept losslessly.
        const int difference = PdfReadback::maxDifference(rendered, ink.topLeft(), PdfReadback::qGrayPicture(picture));
        QVERIFY2(difference <= 2, qPrintable(QString("difference %1").arg(difference)));
    }
}

void TestPrintDialog::pdfPathStartsAtLastFile()
{
    PrintDialog dialog(PrintInfo{});
    dialog.setImage(PdfReadback::smoothPicture(20, 20));
    const QString first = m_dir.filePath("first.pdf");
    {
        Prompts prompts(first);
        dialog.exportPdf();
    }
    Prompts prompts(m_dir.filePath("second.pdf"));
    dialog.exportPdf();
    QCOMPARE(prompts.startedAt, first);

    dialog.setOutputPath(QString());
    QCOMPARE(dialog.pdfPrinter()->outputFileName(), QString(" "));
}

void TestPrintDialog::pdfNameEndsInPdf_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("typed without") << "album" << "album.pdf";
    QTest::newRow("typed with") << "album.pdf" << "album.pdf";
    QTest::newRow("capitals") << "ALBUM.PDF" << "ALBUM.PDF";
    QTest::newRow("another suffix") << "album.v2" << "album.v2.pdf";
}

void TestPrintDialog::pdfNameEndsInPdf()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QTemporaryDir folder;
    PrintDialog dialog(PrintInfo{});
    dialog.setImage(PdfReadback::smoothPicture(20, 20));
    Prompts prompts(folder.filePath(typed));
    dialog.exportPdf();
    QVERIFY(prompts.messages.isEmpty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{written});
    QCOMPARE(PdfReadback::pageCount(folder.filePath(written)), 1);
    QCOMPARE(dialog.pdfPrinter()->outputFileName(), folder.filePath(written));
}

void TestPrintDialog::noImageClosesWithoutOutput()
{
    PrintDialog dialog(PrintInfo{});
    dialog.show();
    Prompts prompts(m_dir.filePath("never.pdf"));
    dialog.exportPdf();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(prompts.fileDialogs, 0);
    QVERIFY(!QFile::exists(m_dir.filePath("never.pdf")));
}

void TestPrintDialog::cancelledPathDialogKeepsDialogOpen()
{
    PrintDialog dialog(PrintInfo{});
    dialog.setImage(PdfReadback::smoothPicture(20, 20));
    dialog.show();
    Prompts prompts;
    dialog.exportPdf();
    QCOMPARE(prompts.fileDialogs, 1);
    QVERIFY(prompts.messages.isEmpty());
    QVERIFY(dialog.isVisible());
}

void TestPrintDialog::unwritablePathReportsError()
{
    const QString regularFile = m_dir.filePath("plain-file");
    QVERIFY(TestSupport::writeFile(regularFile, "not a folder"));
    const QString path = regularFile + "/out.pdf";

    PrintDialog dialog(PrintInfo{});
    dialog.setImage(PdfReadback::smoothPicture(20, 20));
    dialog.show();
    Prompts prompts(path);
    dialog.exportPdf();
    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.messages.first().icon, QMessageBox::Warning);
    QCOMPARE(prompts.messages.first().title, QString("Error"));
    QCOMPARE(prompts.messages.first().text, "Failed to save file:" + path);
    QVERIFY(dialog.isVisible());
}

void TestPrintDialog::failedWriteKeepsExistingPdf()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("kept.pdf");
    PrintDialog dialog(PrintInfo{});
    dialog.setImage(PdfReadback::smoothPicture(40, 40));
    {
        Prompts prompts(path);
        dialog.exportPdf();
        QVERIFY(prompts.messages.isEmpty());
    }
    const QByteArray before = fileHash(path);
    QVERIFY(!before.isEmpty());

    // A noisy picture makes a PDF far past the 4096-byte limit set while it
    // is written; the limit's signal is ignored so the write only fails.
    QImage noise(600, 400, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, random.generate() | 0xff000000);
    dialog.setImage(noise);
    dialog.show();

    struct rlimit original {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &original), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    Prompts prompts(path);
    prompts.beforeWrite = [&] {
        struct rlimit limited = original;
        limited.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &limited);
    };
    prompts.afterWrite = [&] { setrlimit(RLIMIT_FSIZE, &original); };
    dialog.exportPdf();
    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.messages.first().text, "Failed to save file:" + path);
    QVERIFY(dialog.isVisible());
    QCOMPARE(fileHash(path), before);
    // No half-written file is left beside it.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{ "kept.pdf" });
}

void TestPrintDialog::screenshots_data()
{
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<bool>("color");

    QTest::newRow("portrait-colour") << false << true;
    QTest::newRow("landscape-colour") << true << true;
    QTest::newRow("portrait-grey") << false << false;
    QTest::newRow("landscape-grey") << true << false;
}

// Writes the dialog as it looks into VELLUMAR_SCREENSHOT_DIR, when set, for
// a person to look at (run under Xvfb with QT_QPA_PLATFORM=xcb).
void TestPrintDialog::screenshots()
{
    const QString folder = qEnvironmentVariable("VELLUMAR_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("VELLUMAR_SCREENSHOT_DIR not set");
    QFETCH(bool, landscape);
    QFETCH(bool, color);
    PrintInfo info;
    info.landscape = landscape;
    info.color = color;
    PrintDialog dialog(info);
    dialog.setImage(PdfReadback::smoothPicture(1200, 800));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::qWait(200);
    QVERIFY(dialog.grab().save(QDir(folder).filePath(QString("print-dialog-%1.png").arg(QTest::currentDataTag()))));
}

int main(int argc, char** argv)
{
    // A socket nobody serves: no printer can be listed, whatever this
    // machine has installed.
    const QByteArray socket = QDir::temp().filePath(QString("vellumar-no-print-server-%1.sock").arg(QCoreApplication::applicationPid())).toLocal8Bit();
    qputenv("CUPS_SERVER", socket);
    QApplication app(argc, argv);
    TestPrintDialog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_printdialog.moc"
