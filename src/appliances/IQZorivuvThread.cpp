#include "appliances/IQZorivuvThread.h"

#include "appliances/IQZorivuvEngine.h"

IQZorivuvThread::IQZorivuvThread(IQZorivuvEngine* engine, const IQZorivuvParam* param, const QImage& overlay)
    : m_param(param ? *param : IQZorivuvParam())
    , m_engine(engine)
    , m_overlay(overlay)
{
    // A pool that runs it as a task must not delete it too.
    setAutoDelete(false);
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

void IQZorivuvThread::run()
{
    QImage mosaic;
    QImage mask;
    int leftOut = 0;
    int code = IQZorivuvEngine::NoTarget;
    if (m_engine) {
        m_engine->overlay = m_overlay;
        code = m_engine->zorivuv(&m_param, mosaic, mask, &leftOut);
    }
    emit zorivuvFinished(mosaic, mask, code, leftOut);
}
