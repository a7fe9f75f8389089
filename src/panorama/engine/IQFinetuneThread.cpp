#include "panorama/engine/IQFinetuneThread.h"

#include "panorama/engine/IQPanoramaEngineController.h"

IQFinetuneThread::IQFinetuneThread(IQPanoramaEngineController* controller, const IQFinetuneArea& area,
                                   QObject* parent)
    : QThread(parent)
    , m_pController(controller)
    , m_Area(area)
{
    // Its maker owns it as a QObject; a pool running it as a task must not
    // delete it too (from the pool's thread, with its signals in flight).
    setAutoDelete(false);
}

void IQFinetuneThread::run()
{
    int code = 0;
    QImage image = m_pController->finetune(m_Area, &code);
    if (!image.isNull())
        image = m_pController->cropedImage();
    else if (code == 0)
        code = -2; // a failure never reads as success
    emit threadFinished(image, code);
}
