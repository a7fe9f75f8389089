#pragma once

#include <QFileDialog>
#include <QString>

// A save dialog for files of one type: the name written is the name typed
// with `suffix` (".pmp2", ".pdf") appended unless it ends so already,
// ignoring case. The question about replacing a file is asked about that
// final name, which may carry the suffix the user did not type. GUI thread.
class SuffixedSaveDialog : public QFileDialog
{
    Q_OBJECT

public:
    SuffixedSaveDialog(QWidget* parent, const QString& caption, const QString& start, const QString& filter,
        const QString& suffix);

    // The chosen file with the suffix; empty when none is chosen.
    QString chosenFile() const;

    // `name` with `suffix` appended unless it ends so, ignoring case.
    static QString withSuffix(const QString& name, const QString& suffix);

    void accept() override;

private:
    QString m_suffix;
};
