#include "appliances/IQPanoramaEngineController.h"

// Placeholder until the panorama engine lands: no engine, and a stitch that
// cannot run says so.
IQPanoramaEngineController* IQPanoramaEngineController::globalInstance()
{
    static IQPanoramaEngineController controller;
    return &controller;
}

IQPanoramaEngineController::~IQPanoramaEngineController() = default;

IQPanoramaEngine* IQPanoramaEngineController::createEngine(tagStitchStyle, tagStitchOutputSize)
{
    return nullptr;
}

void IQPanoramaEngineController::releaseEngine() {}

QImage IQPanoramaEngineController::stitch(const QList<QString>& paths, tagRECT*, int* code)
{
    m_InputPaths = paths;
    if (code && !paths.isEmpty())
        *code = StitchGridOrTempDir;
    return QImage();
}

QImage IQPanoramaEngineController::cropedImage() const
{
    return m_Result.isNull() ? QImage() : m_Result.copy(m_CropRect);
}
