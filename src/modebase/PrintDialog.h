#pragma once

#include "modebase/PrintInfo.h"

#include <QDialog>
#include <QImage>
#include <QPrinter>
#include <QRectF>

namespace Ui {
class PrintDialog;
}

// Prints one finished picture (a rendered canvas) on a printer of the
// system, or writes it as an A2 page into a PDF file. The picture goes to
// the top of the printable area, centred across it: at one picture pixel per
// device pixel when it fits and "Fit to page" is off, otherwise scaled down
// (or, with "Fit to page", up) until it touches the area's sides or bottom.
// A small preview shows the selected printer's paper (the A2 page when
// there is no printer) with the picture on it.
//
// Made, run with exec() and destroyed for each print; the owner reads
// printInfo() back afterwards. Failures of the output (a PDF path that
// cannot be written, a printer that refuses the job) are reported in an
// "Error" box through ModalPrompts and keep the dialog open. GUI thread only.
class PrintDialog : public QDialog
{
    Q_OBJECT

public:
    PrintDialog(const PrintInfo& printInfo, QWidget* parent = nullptr);
    ~PrintDialog() override;

    // Keeps a copy of the picture to print and redraws the preview.
    void setImage(QImage image);
    QImage image() const { return m_image; }

    // Where the PDF file dialog starts; empty means no file (kept as " ",
    // since the PDF printer needs some name).
    void setOutputPath(QString path);

    // The record as the dialog leaves it: printer name, landscape and fit to
    // page as last set, the export and colour flags as handed in.
    PrintInfo printInfo() const { return m_printInfo; }

    // The printer chosen in the list (null when the system has none) and
    // the A2 PDF printer; both stay the dialog's.
    QPrinter* selectedPrinter() const { return m_printer; }
    QPrinter* pdfPrinter() { return &m_pdfPrinter; }

public slots:
    // Prints the picture on the selected printer and closes the dialog.
    void print();
    // Asks for a file and writes the picture into it as a PDF; closes the
    // dialog once the file is in place.
    void exportPdf();
    // Where the picture goes on the printer's page, in device pixels of its
    // printable area; (0, 0, 0, 0) for a null printer or no picture.
    QRectF getImagePrintRect(QPrinter* printer);
    void updatePreview();
    void setLandscape(bool mode);
    void onPrinterSelected(QString name);
    // The PDF file chosen, ending in ".pdf" (added when not typed), or
    // empty when the user cancelled.
    QString pdfPathDialog();

private:
    // Paints the picture on `printer` in the current colour mode; false when
    // the painter could not begin or end.
    bool paintImage(QPrinter* printer);
    // Writes the PDF beside `path` and moves it there once complete.
    bool writePdf(const QString& path);
    QPageLayout::Orientation orientation() const;

    Ui::PrintDialog* ui;
    QImage m_image;
    QPrinter m_pdfPrinter;
    QPrinter* m_printer = nullptr;
    bool m_pdfFocus = false;
    PrintInfo m_printInfo;
};
