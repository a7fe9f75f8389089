#include "panorama/engine/IQPanoramaEngineController.h"

#include "panorama/engine/IQPanoramaEngine.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// The word of a dividing path that marks a row without a seam point.
constexpr unsigned short kNoSeamPoint = 0xFFFF;

double distance(const tagPOINT& a, const tagPOINT& b)
{
    return std::hypot(double(a.x) - b.x, double(a.y) - b.y);
}

} // namespace

IQPanoramaEngineController* IQPanoramaEngineController::globalInstance()
{
    static IQPanoramaEngineController controller;
    return &controller;
}

IQPanoramaEngineController::~IQPanoramaEngineController()
{
    releaseEngine();
}

IQPanoramaEngine* IQPanoramaEngineController::createEngine(tagStitchStyle style, tagStitchOutputSize size)
{
    releaseEngine();
    m_pEngine = new IQPanoramaEngine(style, size);
    return m_pEngine;
}

void IQPanoramaEngineController::releaseEngine()
{
    delete m_pEngine;
    m_pEngine = nullptr;
    // The records describe the job just released, and the whole panorama
    // (hundreds of megabytes for a large one) is wanted by no one after it:
    // the retouch step holds its own crop.
    m_Overlaps.clear();
    m_BlendPolyLines.clear();
    m_Result = QImage();
    m_CropRect = QRect(0, 0, -1, -1);
#if defined(__GLIBC__)
    // The C library keeps freed blocks below its mapping threshold (which
    // grows to 32 MB after large frees) for the process; handed back, the
    // stitch's photos, layers and bands leave nothing behind.
    malloc_trim(0);
#endif
}

QRect IQPanoramaEngineController::topDownRect(const tagRECT& rect, int height)
{
    return QRect(QPoint(rect.left, height - rect.bottom), QPoint(rect.right - 1, height - rect.top - 1));
}

QImage IQPanoramaEngineController::stitch(const QList<QString>& paths, tagRECT* crop, int* code)
{
    if (!m_pEngine)
        return QImage();
    m_InputPaths = paths;
    m_OrderedPaths.clear();
    tagRECT libraryCrop{0, 0, 0, 0};
    m_Result = m_pEngine->stitch(paths, m_OrderedPaths, &libraryCrop, code);
    if (m_Result.isNull()) {
        m_CropRect = QRect(0, 0, -1, -1);
        m_Overlaps.clear();
        m_BlendPolyLines.clear();
        return QImage();
    }
    if (crop)
        *crop = libraryCrop;
    m_CropRect = topDownRect(libraryCrop, m_Result.height());
    collectOverlaps();
    collectBlendPoints();
    // Shared, not copied: a caller that paints on it gets its own pixels then.
    return m_Result;
}

QImage IQPanoramaEngineController::cropedImage() const
{
    return m_Result.isNull() ? QImage() : cropOf(m_Result, m_CropRect);
}

QImage IQPanoramaEngineController::cropOf(const QImage& whole, const QRect& rect)
{
    // A rectangle reaching outside (its outside transparent) or an odd
    // format: an ordinary copy.
    if (whole.isNull() || rect.isEmpty() || !whole.rect().contains(rect) || whole.depth() != 32)
        return whole.copy(rect);
    // Otherwise the crop's rows are looked at where they lie: the pixels
    // are read-only, so the first change to either image copies its own,
    // and the crop keeps the whole's pixels alive as long as it needs them.
    auto* keep = new QImage(whole);
    const uchar* first = keep->constBits() + qsizetype(rect.top()) * keep->bytesPerLine() + qsizetype(rect.left()) * 4;
    QImage view(
        first, rect.width(), rect.height(), keep->bytesPerLine(), keep->format(),
        [](void* info) { delete static_cast<QImage*>(info); }, keep);
    view.setDotsPerMeterX(whole.dotsPerMeterX());
    view.setDotsPerMeterY(whole.dotsPerMeterY());
    return view;
}

tagPOINT IQPanoramaEngineController::overlapElement(tagStitchStyle style, int columns, int rows, int index,
                                                    bool* vertical)
{
    bool down = false;
    tagPOINT element{index, 0};
    switch (style) {
    case StitchStyleVertical:
        down = true;
        element = tagPOINT{0, index};
        break;
    case StitchStyleTile: {
        const int across = (columns - 1) * rows;
        down = across <= index && index < columns * rows - 1;
        if (down)
            element = tagPOINT{0, index - across};
        else if (columns > 1)
            element = tagPOINT{index % (columns - 1), index / (columns - 1)};
        break;
    }
    default:
        break;
    }
    if (vertical)
        *vertical = down;
    return element;
}

void IQPanoramaEngineController::collectOverlaps()
{
    m_Overlaps.clear();
    if (!m_pEngine)
        return;
    QList<tagRECT> rects;
    m_pEngine->overlapRects(rects);
    const int height = m_Result.height();
    int count = rects.size();
    // A tile grid's last rectangles are the row strips' overlaps. The seam
    // between two rows runs there (its path counts from that rectangle), so
    // the record of the rows' column-0 pair takes it; the strips get no
    // record of their own, as no photo pair of the grid stands behind one.
    const bool tile = m_pEngine->style() == StitchStyleTile;
    const int across = (m_pEngine->columns() - 1) * m_pEngine->rows();
    const int seams = qMax(0, m_pEngine->columns() * m_pEngine->rows() - 1);
    if (tile)
        count = qMin(count, seams);
    for (int i = 0; i < count; ++i) {
        OverlapArea area;
        tagPOINT element =
            overlapElement(m_pEngine->style(), m_pEngine->columns(), m_pEngine->rows(), i, &area.vertical);
        const int strip = seams + (i - across);
        area.rect = topDownRect(rects.at(tile && area.vertical && strip < rects.size() ? strip : i), height);
        tagPOINT pairs[6];
        area.pairsFound = m_pEngine->get3PairPoints(element, area.vertical, pairs) == 0;
        m_Overlaps.append(area);
    }
}

QList<QPoint> IQPanoramaEngineController::seamPoints(const QRect& area, bool vertical, const unsigned short* path)
{
    QList<QPoint> points;
    if (!path || path[0] <= 2)
        return points;
    const int last = path[1];
    // Row r of the path counts from the overlap's first bitmap row, which is
    // its bottom row in the top-down result; a vertical pair's path runs
    // across, its rows being the overlap's columns.
    for (int k = 0; k + 2 < path[0]; ++k) {
        const unsigned short offset = path[2 + k];
        if (offset == kNoSeamPoint)
            continue;
        const int row = last - k;
        if (vertical)
            points.append(QPoint(area.left() + row, area.bottom() - offset));
        else
            points.append(QPoint(area.left() + offset, area.bottom() - row));
    }
    return points;
}

void IQPanoramaEngineController::collectBlendPoints()
{
    m_BlendPolyLines.clear();
    if (!m_pEngine)
        return;
    unsigned short** paths = m_pEngine->dividingPaths();
    const int count = std::min<int>(int(m_Overlaps.size()), paths ? m_pEngine->dividingPathCount() : 0);
    for (int i = 0; i < count; ++i) {
        const unsigned short* path = paths[i];
        if (!path || path[0] < 2)
            continue;
        const OverlapArea& area = m_Overlaps.at(i);
        BlendPolyLine line;
        line.vertical = area.vertical;
        line.pairsFound = area.pairsFound;
        line.points = seamPoints(area.rect, area.vertical, path);
        m_BlendPolyLines.append(line);
    }
}

QImage IQPanoramaEngineController::finetune(const IQFinetuneArea& area, int* code)
{
    if (!m_pEngine) {
        if (code)
            *code = -2;
        return QImage();
    }
    // The library counts rows from the bottom, and wants the upper (or
    // left) photo's point first.
    const int heightA = area.sizeA.height();
    const int heightB = area.sizeB.height();
    tagPOINT pairs[6];
    for (int k = 0; k < 3; ++k) {
        const tagPOINT a{area.points[k].x, heightA - area.points[k].y};
        const tagPOINT b{area.points[3 + k].x, heightB - area.points[3 + k].y};
        pairs[2 * k] = area.vertical ? b : a;
        pairs[2 * k + 1] = area.vertical ? a : b;
    }
    tagRECT crop{0, 0, 0, 0};
    int result = 0;
    QImage image = m_pEngine->finetune(pairs, area.element, area.vertical, &crop, &result);
    if (code)
        *code = result;
    if (image.isNull())
        return QImage();
    m_Result = image;
    m_CropRect = topDownRect(crop, m_Result.height());
    collectOverlaps();
    if (m_pEngine->style() != StitchStyleTile)
        collectBlendPoints();
    return m_Result.copy();
}

int IQPanoramaEngineController::queryFinetuneArea(int index, IQFinetuneArea& area)
{
    if (!m_pEngine || index < 0 || index >= m_Overlaps.size() || m_OrderedPaths.isEmpty())
        return -3;
    area.vertical = m_Overlaps.at(index).vertical;
    const int columns = m_pEngine->columns();
    const int rows = m_pEngine->rows();
    int a = 0;
    int b = 0;
    switch (m_pEngine->style()) {
    case StitchStyleVertical:
        area.element = tagPOINT{0, index};
        a = index + 1;
        b = index;
        break;
    case StitchStyleTile:
        if (area.vertical) {
            // Like a column: A is the lower photo of column 0, B the upper.
            const int r = index - (columns - 1) * rows;
            area.element = tagPOINT{0, r};
            a = columns * (r + 1);
            b = columns * r;
        } else {
            area.element = tagPOINT{index % (columns - 1), index / (columns - 1)};
            a = columns * area.element.y + area.element.x;
            b = a + 1;
        }
        break;
    default:
        area.element = tagPOINT{index, 0};
        a = index;
        b = index + 1;
        break;
    }
    const int count = int(m_OrderedPaths.size());
    if (a < 0 || a >= count || b < 0)
        return -3;
    area.pathA = m_OrderedPaths.at(a);
    // The ring's last overlap joins the last photo to the first.
    area.pathB = m_OrderedPaths.at(b % count);
    // The sizes the job saw: the photos upright and reduced as they were read.
    area.sizeA = IQPanoramaEngine::photoSize(area.pathA, m_pEngine->outputSize());
    area.sizeB = IQPanoramaEngine::photoSize(area.pathB, m_pEngine->outputSize());
    tagPOINT pairs[6];
    tagPOINT element = area.element;
    const int code = m_pEngine->get3PairPoints(element, area.vertical, pairs);
    if (code != 0)
        return code;
    for (int k = 0; k < 3; ++k) {
        const tagPOINT first = pairs[2 * k];
        const tagPOINT second = pairs[2 * k + 1];
        const tagPOINT pa = area.vertical ? second : first;
        const tagPOINT pb = area.vertical ? first : second;
        area.points[k] = tagPOINT{pa.x, area.sizeA.height() - pa.y};
        area.points[3 + k] = tagPOINT{pb.x, area.sizeB.height() - pb.y};
    }
    return 0;
}

int IQPanoramaEngineController::checkFinetuneArea(int index, bool vertical)
{
    if (!m_pEngine)
        return -2;
    bool unused = false;
    tagPOINT element = overlapElement(m_pEngine->style(), m_pEngine->columns(), m_pEngine->rows(), index, &unused);
    if (m_pEngine->style() == StitchStyleTile && vertical)
        element = tagPOINT{0, index - (m_pEngine->columns() - 1) * m_pEngine->rows()};
    tagPOINT pairs[6];
    return m_pEngine->get3PairPoints(element, vertical, pairs);
}

QImage IQPanoramaEngineController::adjustPath(tagPOINT element, bool horizontal, tagPOINT* points, bool render,
                                              bool* changed, unsigned short** path)
{
    if (!m_pEngine) {
        if (changed)
            *changed = false;
        return QImage();
    }
    return m_pEngine->adjustPath(element, horizontal, points, render, changed, path);
}

unsigned short** IQPanoramaEngineController::dividingPath() const
{
    return m_pEngine ? m_pEngine->dividingPaths() : nullptr;
}

bool IQPanoramaEngineController::isCoLine(const tagPOINT* points)
{
    const double a = distance(points[0], points[1]);
    const double b = distance(points[1], points[2]);
    const double c = distance(points[0], points[2]);
    return std::abs(a + b + c - 2.0 * std::max({a, b, c})) <= 1.0;
}

bool IQPanoramaEngineController::isPositionOffsetTooFar(const tagPOINT* a, const tagPOINT* b)
{
    static const int couples[3][2] = {{0, 1}, {1, 2}, {0, 2}};
    for (const auto& couple : couples) {
        const int da = int(distance(a[couple[0]], a[couple[1]]));
        const int db = int(distance(b[couple[0]], b[couple[1]]));
        if (std::abs(da - db) >= 201)
            return true;
    }
    return false;
}
