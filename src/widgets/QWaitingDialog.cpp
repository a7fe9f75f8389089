#include "widgets/QWaitingDialog.h"

#include "ui_QWaitingDialog.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
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

void QWaitingDialog::showProgress()
{
    if (m_progressBar)
        return;
    // The spinner over the bar and the button, in a taller dialog.
    delete layout();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 12, 16, 12);
    column->addWidget(ui->verticalWidget, 0, Qt::AlignHCenter);
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setRange(0, 0);
    m_progressBar->setTextVisible(true);
    column->addWidget(m_progressBar);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->setCenterButtons(true);
    m_cancelButton = buttons->button(QDialogButtonBox::Cancel);
    column->addWidget(buttons);
    connect(m_cancelButton, &QPushButton::clicked, this, [this] {
        m_cancelButton->setEnabled(false);
        emit cancelRequested();
    });
    setFixedSize(260, 190);
}

void QWaitingDialog::setProgress(qint64 done, qint64 total)
{
    if (!m_progressBar)
        return;
    if (total < 1) {
        m_progressBar->setRange(0, 0);
        return;
    }
    // Per mille: totals past INT_MAX still fit the bar's int range.
    constexpr int steps = 1000;
    m_progressBar->setRange(0, steps);
    m_progressBar->setValue(int(qBound<qint64>(0, done, total) * steps / total));
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
        // With a Cancel button Escape asks the same; the worker's end still
        // closes the dialog.
        if (m_cancelButton && m_cancelButton->isEnabled())
            m_cancelButton->click();
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
