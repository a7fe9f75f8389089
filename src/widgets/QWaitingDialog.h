#pragma once

#include <QDialog>

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
class QWaitingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit QWaitingDialog(QWidget* parent = nullptr);
    ~QWaitingDialog() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Ui::QWaitingDialog* ui;
};
