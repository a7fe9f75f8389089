#include "panorama/engine/IQStitchThread.h"

#include "panorama/engine/IQPanoramaEngine.h"
#include "panorama/engine/IQPanoramaEngineController.h"

IQStitchThread::IQStitchThread(IQPanoramaEngineController* controller, const QList<QString>& paths,
                               QObject* parent)
    : QThread(parent)
    , m_pController(controller)
    , m_Paths(paths)
{
    // Its maker owns it as a QObject; a pool running it as a task must not
    // delete it too (from the pool's thread, with its signals in flight).
    setAutoDelete(false);
}

void IQStitchThread::run()
{
    int code = 0;
    IQPanoramaEngine* engine = m_pController->engine();
    if (engine) {
        engine->setCancelFlag(&m_bCancel);
        engine->setProgressReceiver([this](int percent) { emit progressChanged(percent); });
    }
    QImage image = m_pController->stitch(m_Paths, nullptr, &code);
    if (engine) {
        // The engine outlives this thread.
        engine->setProgressReceiver(nullptr);
        engine->setCancelFlag(nullptr);
    }
    if (!image.isNull())
        image = m_pController->cropedImage();
    if (engine && code == StitchBadArgument && !engine->refusedPhoto().isEmpty())
        emit photoRefused(engine->refusedPhoto(), engine->refusedReason());
    emit threadFinished(image, code);
}

void IQStitchThread::cancel()
{
    m_bCancel = true;
}
