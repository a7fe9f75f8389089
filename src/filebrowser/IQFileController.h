#pragma once

#include "files/IQCommon.h"

#include <QFileDialog>
#include <QList>
#include <QString>

class QWidget;

// The program's file dialogs and free file names.
//
// Each dialog is modal, returns the QDialog::exec() result (QDialog::Accepted
// or QDialog::Rejected) and writes its out-parameter only when the user
// accepts, so a caller's value survives Cancel. Start folders come from and
// go back to Settings through the caller. GUI thread only.
class IQFileController
{
public:
    IQFileController() = delete;

    // Filters of the save-image dialog, in the order it lists them.
    static QString jpegFilter() { return QStringLiteral("JPEG Image (*.jpeg *.jpg)"); }
    static QString pngFilter() { return QStringLiteral("PNG image (*.png)"); }
    static QString bmpFilter() { return QStringLiteral("Windows BMP image (*.bmp)"); }

    // Chooses a folder; `dir` becomes the first selected path.
    static int openDirDialog(QWidget* parent, QString& dir, const QString& startDir);

    // Chooses existing image files (mode ExistingFile or ExistingFiles);
    // `files` is replaced by the selection in the dialog's order.
    static int openFileDialog(QWidget* parent, QList<QString>& files, IQCommon::enFileFilter filter,
                              const QString& startDir, QFileDialog::FileMode mode);

    // Chooses where to save an image as JPEG, PNG or BMP. `selectedFilter`
    // names the filter to open on; empty means PNG. A name typed without a
    // suffix gets the suffix of the filter chosen when the user accepts, and
    // the overwrite question is asked about that full name. A typed suffix
    // stays as typed; the save worker writes the format it names.
    static int saveImageDialog(QWidget* parent, QString& path, const QString& startDir,
                               const QString& selectedFilter);

    // The suffix the save dialog gives a name under `filter`; empty for a
    // filter it does not offer.
    static QString suffixForFilter(const QString& filter);

    // "dir/base.suffix" when free, else the first free "dir/base_N.suffix"
    // with N counting from 1 (the rule of platform/uniqueFileName.h, which the
    // update downloader shares).
    static QString uniqueFileName(const QString& fileName, const QString& dir);
};
