#include "widgets/QWaitingDialog.h"

#include "ui_QWaitingDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

QWaitingDialog::QWaitingDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::QWaitingDialog)
{
    ui->setupUi(this);
    ui->progressIndictor->setColor(Qt::white);
    ui->progressIndictor->startAnimation();
    setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
}

QWaitingDialog::~QWaitingDialog()
{
    ui->progressIndictor->stopAnimation();
    delete ui;
}

void QWaitingDialog::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(34, 34, 34, 128));
    p.setPen(QColor(Qt::transparent));
    p.drawRoundedRect(QRectF(0, 0, width() - 1, height() - 1), 12, 12, Qt::AbsoluteSize);
    p.end();
    QWidget::paintEvent(event);
}

void QWaitingDialog::keyPressEvent(QKeyEvent* event)
{
    // QDialog would reject() on Escape and end exec() under a running worker.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void QWaitingDialog::closeEvent(QCloseEvent* event)
{
    // A close from the window manager (Alt+F4, the title bar) arrives as a
    // spontaneous event; the worker's finished() calls close() from code.
    if (event->spontaneous()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
