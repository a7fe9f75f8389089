#include "montage/engine/IQZorivuvThread.h"

#include "montage/engine/IQZorivuvEngine.h"

IQZorivuvThread::IQZorivuvThread(IQZorivuvEngine* engine, const IQZorivuvParam* param, const QImage& overlay)
    : m_param(param ? *param : IQZorivuvParam())
    , m_engine(engine)
    , m_overlay(overlay)
{
    // Its maker owns it as a QObject; a pool running it as a task must not
    // delete it too (from the pool's thread, with its signals in flight).
    setAutoDelete(false);
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

void IQZorivuvThread::run()
{
    QImage mosaic;
    QImage mask;
    IQZorivuvEngine::RunInfo info;
    int code = IQZorivuvEngine::NoTarget;
    if (m_engine) {
        m_engine->overlay = m_overlay;
        const auto report = [this](qint64 done, qint64 total) {
            emit progress(done, total);
            return !m_cancelled.load();
        };
        code = m_engine->zorivuv(&m_param, mosaic, mask, &info, report);
    }
    emit zorivuvFinished(mosaic, mask, code, info.leftOut);
}
