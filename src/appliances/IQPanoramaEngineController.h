#pragma once

#include "stitch/Rect.h"
#include "stitch/StitchEnums.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

class IQPanoramaEngine;

// The process-wide owner of the panorama engine and of the last stitch's
// results. The engine is made in the GUI thread; a stitch runs in a worker.
class IQPanoramaEngineController
{
public:
    static IQPanoramaEngineController* globalInstance();

    IQPanoramaEngine* createEngine(tagStitchStyle style, tagStitchOutputSize size);
    void releaseEngine();
    IQPanoramaEngine* engine() const { return m_pEngine; }

    // The whole panorama of the given photos, or a null image with the code
    // in *code; crop (when given) receives the library's crop.
    QImage stitch(const QList<QString>& paths, tagRECT* crop, int* code);
    // The last result cut to its crop rectangle.
    QImage cropedImage() const;

private:
    IQPanoramaEngineController() = default;
    ~IQPanoramaEngineController();

    IQPanoramaEngine* m_pEngine = nullptr;
    QImage m_Result;
    QRect m_CropRect = QRect(0, 0, -1, -1);
    QList<QString> m_InputPaths;
    QList<QString> m_OrderedPaths;
};
