#include "modebase/SuffixedSaveDialog.h"

#include "appframe/ModalPrompts.h"

#include <QFileInfo>

SuffixedSaveDialog::SuffixedSaveDialog(
    QWidget* parent, const QString& caption, const QString& start, const QString& filter, const QString& suffix)
    : QFileDialog(parent, caption, start, filter)
    , m_suffix(suffix)
{
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    // Asked in accept(), about the name with the suffix.
    setOption(QFileDialog::DontConfirmOverwrite, true);
}

QString SuffixedSaveDialog::chosenFile() const
{
    const QString typed = selectedFiles().value(0);
    return typed.isEmpty() ? QString() : withSuffix(typed, m_suffix);
}

QString SuffixedSaveDialog::withSuffix(const QString& name, const QString& suffix)
{
    if (name.endsWith(suffix, Qt::CaseInsensitive))
        return name;
    return name + suffix;
}

void SuffixedSaveDialog::accept()
{
    const QString typed = selectedFiles().value(0);
    // Empty or a folder: the dialog's own handling (it opens folders).
    if (typed.isEmpty() || QFileInfo(typed).isDir()) {
        QFileDialog::accept();
        return;
    }
    const QString finalName = withSuffix(typed, m_suffix);
    if (QFileInfo::exists(finalName)) {
        const QMessageBox::StandardButton answer = ModalPrompts::question(this, windowTitle(),
            tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(finalName).fileName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    QFileDialog::accept();
}
