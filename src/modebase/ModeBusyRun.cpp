#include "modebase/ModeBusyRun.h"

#include "widgets/QWaitingDialog.h"

ModeBusyRun::ModeBusyRun(QThread* worker, QWidget* parent)
    : m_worker(worker)
    , m_dialog(std::make_unique<QWaitingDialog>(parent))
{
}

ModeBusyRun::~ModeBusyRun() = default;

void ModeBusyRun::showProgress(std::function<void()> cancel)
{
    m_dialog->showProgress();
    QObject::connect(m_dialog.get(), &QWaitingDialog::cancelRequested, m_dialog.get(),
        [worker = m_worker, cancel = std::move(cancel)] {
            if (worker && cancel)
                cancel();
        });
}

void ModeBusyRun::onEnded(std::function<void()> hook)
{
    QObject::connect(m_worker, &QThread::finished, m_dialog.get(), [hook = std::move(hook)] { hook(); });
}

void ModeBusyRun::exec()
{
    if (!m_worker)
        return;
    QThread* worker = m_worker;
    // Both after the caller's connections and the onEnded() hooks: see the
    // order in the header.
    QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    QObject::connect(worker, &QThread::finished, m_dialog.get(), &QWidget::close);
    worker->start(QThread::InheritPriority);
    m_dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    m_dialog->exec();
}
