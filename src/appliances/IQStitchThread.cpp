#include "appliances/IQStitchThread.h"

#include "appliances/IQPanoramaEngineController.h"

IQStitchThread::IQStitchThread(IQPanoramaEngineController* controller, const QList<QString>& paths,
                               QObject* parent)
    : QThread(parent)
    , m_pController(controller)
    , m_Paths(paths)
{
}

void IQStitchThread::run()
{
    int code = 0;
    m_pController->stitch(m_Paths, nullptr, &code);
    emit threadFinished(code == 0 ? m_pController->cropedImage() : QImage(), code);
}

void IQStitchThread::cancel()
{
    m_bCancel = true;
}
