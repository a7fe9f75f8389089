#include "modebase/PrintDialog.h"
#include "ui_PrintDialog.h"

#include "appframe/ModalPrompts.h"
#include "modebase/SuffixedSaveDialog.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinterInfo>
#include <QSignalBlocker>
#include <QTemporaryFile>

#include <cmath>
#include <cstdio>

namespace {

// The PDF printer reports no write errors (its painter ends well even when
// the disk filled up midway), so a file counts as written only when it ends
// with the trailer marker, the last thing the writer puts out.
bool isCompletePdf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    file.seek(qMax<qint64>(0, file.size() - 64));
    return file.readAll().trimmed().endsWith("%%EOF");
}

} // namespace

PrintDialog::PrintDialog(const PrintInfo& printInfo, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::PrintDialog)
    , m_pdfPrinter(QPrinter::ScreenResolution)
    , m_printInfo(printInfo)
{
    ui->setupUi(this);
    // The form fixes the label at 180 x 180; sizing it now gives the preview
    // that size before the layout first runs, too.
    ui->previewLabel->resize(ui->previewLabel->minimumSize());

    m_pdfPrinter.setOutputFormat(QPrinter::PdfFormat);
    m_pdfPrinter.setPageSize(QPageSize(QPageSize::A2));
    m_pdfPrinter.setOutputFileName(QStringLiteral(" "));

    const QStringList printers = QPrinterInfo::availablePrinterNames();
    if (!printers.isEmpty()) {
        ui->printerListPlaceholder->hide();
        ui->printerListComboBox->addItems(printers);
        QString name = m_printInfo.printerName;
        if (!printers.contains(name))
            name = QPrinterInfo::defaultPrinterName();
        // A fresh print server has queues but no default destination.
        if (!printers.contains(name))
            name = printers.first();
        ui->printerListComboBox->setCurrentIndex(printers.indexOf(name));
        onPrinterSelected(name);
        m_pdfFocus = m_printInfo.exportPdf;
    } else {
        ui->printerListComboBox->hide();
        ui->printButton->setEnabled(false);
        ui->exportPdfButton->setFocus();
    }

    ui->color->setChecked(m_printInfo.color);
    ui->grayscale->setChecked(!m_printInfo.color);
    setLandscape(m_printInfo.landscape);
    ui->fitToPageCheckBox->setChecked(m_printInfo.fitToPage);
    if (m_pdfFocus)
        ui->exportPdfButton->setFocus();

    connect(ui->cancelButton, &QPushButton::clicked, this, &QDialog::close);
    connect(ui->printButton, &QPushButton::clicked, this, &PrintDialog::print);
    connect(ui->exportPdfButton, &QPushButton::clicked, this, &PrintDialog::exportPdf);
    connect(ui->printerListComboBox, &QComboBox::currentTextChanged, this, &PrintDialog::onPrinterSelected);
    connect(ui->landscape, &QRadioButton::toggled, this, &PrintDialog::setLandscape);
    connect(ui->fitToPageCheckBox, &QCheckBox::toggled, this, [this](bool checked) {
        updatePreview();
        m_printInfo.fitToPage = checked;
    });
    connect(ui->color, &QRadioButton::toggled, this, &PrintDialog::updatePreview);
}

PrintDialog::~PrintDialog()
{
    delete m_printer;
    delete ui;
}

void PrintDialog::setImage(QImage image)
{
    m_image = image;
    updatePreview();
}

void PrintDialog::setOutputPath(QString path)
{
    m_pdfPrinter.setOutputFileName(path.isEmpty() ? QStringLiteral(" ") : path);
}

void PrintDialog::print()
{
    if (m_image.isNull() || !m_printer) {
        close();
        return;
    }
    m_pdfFocus = false;
    if (!paintImage(m_printer)) {
        ModalPrompts::message(QMessageBox::Warning, nullptr, tr("Error"),
            tr("Failed to print on printer \"%1\".").arg(m_printer->printerName()));
        return;
    }
    close();
}

void PrintDialog::exportPdf()
{
    if (m_image.isNull()) {
        close();
        return;
    }
    const QString path = pdfPathDialog();
    if (path.isEmpty())
        return;
    m_pdfFocus = true;
    const bool written = writePdf(path);
    m_pdfPrinter.setOutputFileName(path);
    if (!written) {
        ModalPrompts::message(QMessageBox::Warning, nullptr, tr("Error"), tr("Failed to save file:") + path);
        return;
    }
    close();
}

QRectF PrintDialog::getImagePrintRect(QPrinter* printer)
{
    if (!printer || m_image.isNull())
        return QRectF(0, 0, 0, 0);
    const QRectF page = printer->pageRect(QPrinter::DevicePixel);
    const qreal pw = page.width();
    const qreal ph = page.height();
    QSizeF size = m_image.size();
    // Too tall is treated like too wide: nothing may run off the paper.
    if (ui->fitToPageCheckBox->isChecked() || size.width() > pw || size.height() > ph)
        size = size.scaled(pw, ph, Qt::KeepAspectRatio);
    return QRectF(pw / 2 - size.width() / 2, 0, size.width(), size.height());
}

void PrintDialog::updatePreview()
{
    if (m_image.isNull())
        return;
    QPrinter* device = m_printer ? m_printer : &m_pdfPrinter;
    const QRectF r = getImagePrintRect(device);
    const QPageLayout layout = device->pageLayout();
    const int resolution = device->resolution();
    const QRect paper = layout.fullRectPixels(resolution);
    const QMargins margins = layout.marginsPixels(resolution);
    if (paper.width() <= 0 || paper.height() <= 0)
        return;

    const QSizeF previewSize = QSizeF(paper.size()).scaled(QSizeF(ui->previewLabel->size()), Qt::KeepAspectRatio);
    const int w = qRound(previewSize.width());
    const int h = qRound(previewSize.height());
    const qreal s = qreal(w) / paper.width();

    const QPointF position((margins.left() + r.x()) * s, (margins.top() + r.y()) * s);
    const QPoint rounded(qRound(position.x()), qRound(position.y()));
    const QPointF rest = position - QPointF(rounded);
    const int iw = qRound(r.width() * s + rest.x() / 2);
    const int ih = qRound(r.height() * s + rest.y() / 2);

    const qreal d = qApp->devicePixelRatio();
    QPixmap pixmap(qRound(w * d), qRound(h * d));
    pixmap.setDevicePixelRatio(d);

    QImage picture = m_image.scaled(qRound(iw * d), qRound(ih * d), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (ui->grayscale->isChecked())
        picture = picture.convertToFormat(QImage::Format_Grayscale8);
    picture.setDevicePixelRatio(d);

    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.drawImage(rounded, picture);
    if (palette().color(QPalette::Window).valueF() > 0.45) {
        painter.setOpacity(0.25);
        painter.setPen(Qt::black);
        painter.drawRect(QRectF(0.5, 0.5, qRound(pixmap.width() / d) - 1, qRound(pixmap.height() / d) - 1));
    }
    painter.end();
    ui->previewLabel->setPixmap(pixmap);
}

void PrintDialog::setLandscape(bool mode)
{
    {
        const QSignalBlocker blockLandscape(ui->landscape);
        const QSignalBlocker blockPortrait(ui->portrait);
        // An auto-exclusive radio button cannot be unchecked on its own.
        ui->landscape->setChecked(mode);
        ui->portrait->setChecked(!mode);
    }
    m_printInfo.landscape = mode;
    if (m_printer)
        m_printer->setPageOrientation(orientation());
    m_pdfPrinter.setPageOrientation(orientation());
    updatePreview();
}

void PrintDialog::onPrinterSelected(QString name)
{
    delete m_printer;
    m_printer = new QPrinter(QPrinterInfo::printerInfo(name), QPrinter::ScreenResolution);
    // A printer starts in its own orientation; the one shown applies.
    m_printer->setPageOrientation(orientation());
    m_printInfo.printerName = name;
    updatePreview();
}

QString PrintDialog::pdfPathDialog()
{
    // A name typed without ".pdf" gets it, as the file it names is a PDF.
    SuffixedSaveDialog dialog(
        this, tr("Choose pdf location"), m_pdfPrinter.outputFileName(), QStringLiteral("*.pdf"), QStringLiteral(".pdf"));
    if (ModalPrompts::execDialog(&dialog) != QDialog::Accepted)
        return QString();
    return dialog.chosenFile();
}

bool PrintDialog::paintImage(QPrinter* printer)
{
    printer->setColorMode(ui->color->isChecked() ? QPrinter::Color : QPrinter::GrayScale);
    const QRectF target = getImagePrintRect(printer);
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    painter.drawImage(target, m_image, QRectF(0, 0, m_image.width(), m_image.height()));
    return painter.end();
}

bool PrintDialog::writePdf(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return false;
    // Written under a temporary name beside the target, so a failure midway
    // leaves an existing file untouched.
    QTemporaryFile temporary(info.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(info.fileName())));
    if (!temporary.open())
        return false;
    temporary.close();

    m_pdfPrinter.setOutputFileName(temporary.fileName());
    if (!paintImage(&m_pdfPrinter) || !isCompletePdf(temporary.fileName()))
        return false;

    const QFile::Permissions permissions = info.exists()
        ? QFile::permissions(path)
        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther;
    temporary.setPermissions(permissions);
    // rename() replaces an existing file in one step.
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(info.absoluteFilePath()).constData()) != 0)
        return false;
    temporary.setAutoRemove(false);
    return true;
}

QPageLayout::Orientation PrintDialog::orientation() const
{
    return m_printInfo.landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}
