#pragma once

#include <QDialog>

class QProgressBar;
class QPushButton;

namespace Ui {
class QWaitingDialog;
}

// The modal busy dialog shown while a worker thread runs: 104 x 104,
// frameless, translucent, a dark rounded backdrop with a turning white
// spinner in its middle (the spinner turns from construction on).
//
// Callers connect the worker's QThread::finished to close(), set the window
// flags Qt::Dialog | Qt::FramelessWindowHint and call exec(). Only that
// programmatic close ends the dialog: Escape and a close asked by the window
// manager are ignored, so the user cannot start a second job while the
// first still runs.
//
// A long run that can report progress and be stopped calls showProgress()
// before exec(): the dialog then grows a progress bar and Qt's Cancel
// button (Escape presses it). Cancel only asks (cancelRequested()); the
// dialog still closes when the worker has finished, so no second run can
// start meanwhile.
class QWaitingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit QWaitingDialog(QWidget* parent = nullptr);
    ~QWaitingDialog() override;

    // Adds the progress bar and the Cancel button. Once only.
    void showProgress();
    // Null until showProgress().
    QProgressBar* progressBar() const { return m_progressBar; }
    QPushButton* cancelButton() const { return m_cancelButton; }

public slots:
    // `done` of `total` steps; a total below 1 shows a busy bar.
    void setProgress(qint64 done, qint64 total);

signals:
    // Cancel was pressed (once; the button is disabled after it).
    void cancelRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Ui::QWaitingDialog* ui;
    QProgressBar* m_progressBar = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
