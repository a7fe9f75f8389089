#include "filebrowser/IQFileController.h"

#include "platform/uniqueFileName.h"

#include <QObject>

namespace {

// Keeps the default suffix in step with the chosen filter up to the moment
// the dialog accepts, so that the overwrite question sees the name that will
// really be written ("picture" under BMP is asked about as "picture.bmp").
class SaveImageFileDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    void syncDefaultSuffix() { setDefaultSuffix(IQFileController::suffixForFilter(selectedNameFilter())); }

    void accept() override
    {
        syncDefaultSuffix();
        QFileDialog::accept();
    }
};

} // namespace

int IQFileController::openDirDialog(QWidget* parent, QString& dir, const QString& startDir)
{
    QFileDialog dialog(parent, QString(), QString());
    if (!startDir.isEmpty())
        dialog.setDirectory(startDir);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    const int result = dialog.exec();
    if (result == QDialog::Accepted) {
        const QStringList selected = dialog.selectedFiles();
        if (!selected.isEmpty())
            dir = selected.first();
    }
    return result;
}

int IQFileController::openFileDialog(QWidget* parent, QList<QString>& files, IQCommon::enFileFilter filter,
                                     const QString& startDir, QFileDialog::FileMode mode)
{
    const QString filterText = IQCommon::supportedExt(filter);
    QFileDialog dialog(parent, QObject::tr("Open File"), QString(), filterText);
    if (!startDir.isEmpty())
        dialog.setDirectory(startDir);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(mode);
    dialog.selectNameFilter(filterText);
    const int result = dialog.exec();
    if (result == QDialog::Accepted)
        files = dialog.selectedFiles();
    return result;
}

int IQFileController::saveImageDialog(QWidget* parent, QString& path, const QString& startDir,
                                      const QString& selectedFilter)
{
    SaveImageFileDialog dialog(parent, QObject::tr("Save File"), QString(),
                               QStringList{jpegFilter(), pngFilter(), bmpFilter()}.join(QStringLiteral(";;")));
    if (!startDir.isEmpty())
        dialog.setDirectory(startDir);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectNameFilter(selectedFilter.isEmpty() ? pngFilter() : selectedFilter);
    // Set before the dialog shows: a native dialog takes the suffix (and asks
    // about overwriting) on its own, before accept() runs here.
    dialog.syncDefaultSuffix();
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(suffixForFilter(filter)); });
    const int result = dialog.exec();
    if (result == QDialog::Accepted) {
        const QStringList selected = dialog.selectedFiles();
        if (!selected.isEmpty())
            path = selected.first();
    }
    return result;
}

QString IQFileController::suffixForFilter(const QString& filter)
{
    if (filter == bmpFilter())
        return QStringLiteral("bmp");
    if (filter == pngFilter())
        return QStringLiteral("png");
    if (filter == jpegFilter())
        return QStringLiteral("jpg");
    return QString();
}

QString IQFileController::uniqueFileName(const QString& fileName, const QString& dir)
{
    return ::uniqueFileName(fileName, dir);
}
