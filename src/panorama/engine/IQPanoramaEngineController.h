#pragma once

#include "panorama/engine/IQFinetuneArea.h"
#include "stitch/image/Rect.h"
#include "stitch/interface/StitchEnums.h"

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
    // Deletes the engine (its job, photo cache and temporary files) and
    // forgets the last result with it.
    void releaseEngine();
    IQPanoramaEngine* engine() const { return m_pEngine; }

    // The whole panorama of the given photos, or a null image with the code
    // in *code; crop (when given) receives the library's crop.
    QImage stitch(const QList<QString>& paths, tagRECT* crop, int* code);
    // The last result cut to its crop rectangle.
    QImage cropedImage() const;
    // `rect` of `whole`, sharing the whole's pixels where it lies inside
    // (no copy is made until either image is changed).
    static QImage cropOf(const QImage& whole, const QRect& rect);

    // The last result and what the library said of it, top-down.
    QImage resultImage() const { return m_Result; }
    QRect cropRect() const { return m_CropRect; }
    const QList<OverlapArea>& overlaps() const { return m_Overlaps; }
    const QList<BlendPolyLine>& blendPolyLines() const { return m_BlendPolyLines; }
    const QList<QString>& inputPaths() const { return m_InputPaths; }
    const QList<QString>& orderedPaths() const { return m_OrderedPaths; }

    // Rebuild the overlaps and seams from the engine.
    void collectOverlaps();
    void collectBlendPoints();

    // Fine-tune: re-stitch with the area's three point pairs; *code (when
    // given) receives the code.
    QImage finetune(const IQFinetuneArea& area, int* code = nullptr);
    // Fills the area of overlap `index`: element, photos, point pairs and
    // sizes. Returns the code of the point query (0: pairs found).
    int queryFinetuneArea(int index, IQFinetuneArea& area);
    // 0 when overlap `index` has three point pairs.
    int checkFinetuneArea(int index, bool vertical);
    QImage adjustPath(tagPOINT element, bool horizontal, tagPOINT* points, bool render, bool* changed,
                      unsigned short** path);
    unsigned short** dividingPath() const;
    void updateBlendPolyLine(const QList<BlendPolyLine>& lines) { m_BlendPolyLines = lines; }
    void updateOriginalImage(const QImage& image) { m_Result = image; }

    // Three points on one line within a pixel of length.
    static bool isCoLine(const tagPOINT* points);
    // True when a distance between two of the three points of one triple
    // differs by 201 pixels or more from the same distance in the other.
    static bool isPositionOffsetTooFar(const tagPOINT* a, const tagPOINT* b);

    // The conversions from the library's bottom-up rows, right and bottom
    // exclusive, to a top-down QRect of a result `height` rows high.
    static QRect topDownRect(const tagRECT& rect, int height);
    // The grid element of overlap `index` of a style and grid, and whether
    // it joins two photos one above the other.
    static tagPOINT overlapElement(tagStitchStyle style, int columns, int rows, int index, bool* vertical);
    // The seam points of a dividing-path record inside overlap `area`
    // (top-down); rows without a seam point are skipped.
    static QList<QPoint> seamPoints(const QRect& area, bool vertical, const unsigned short* path);

private:
    IQPanoramaEngineController() = default;
    ~IQPanoramaEngineController();

    IQPanoramaEngine* m_pEngine = nullptr;
    QImage m_Result;
    QList<OverlapArea> m_Overlaps;
    QList<BlendPolyLine> m_BlendPolyLines;
    QRect m_CropRect = QRect(0, 0, -1, -1);
    QList<QString> m_InputPaths;
    QList<QString> m_OrderedPaths;
};
