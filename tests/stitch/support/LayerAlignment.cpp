#include "LayerAlignment.h"

#include "StitchTestHost.h"

#include "stitch/align/CStitchAlign.h"
#include "stitch/align/CStitchMatch.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/motion/CCameraCalibration.h"
#include "stitch/motion/CMotionEstimation.h"

#include <cmath>

namespace LayerAlignment {

CStitchOptions* load(StitchTestHost& host, const SyntheticViews& views, const QList<SyntheticViews::Camera>& cameras,
                     tagStitchStyle style, int cols, int rows, tagStitchOutputSize size, STITCHMETHOD method)
{
    QStringList names;
    QList<tagPOINT> sizes;
    for (int i = 0; i < cameras.size(); ++i) {
        names << QStringLiteral("view%1").arg(i);
        sizes << tagPOINT{views.width(), views.height()};
        host.addImage(names.last(), views.render(cameras[i]));
    }
    tagStitchCallbacks table = host.callbacks();
    CStitchOptions* job = PSCreateStitch(style, size, method, &table);
    if (!job)
        return nullptr;
    if (PSLoadImages(job, int(names.size()), names, sizes.data()) != 0) {
        PSReleaseStitch(job);
        return nullptr;
    }
    job->m_Matrix.m_lCols = cols;
    job->m_Matrix.m_lRows = rows;
    return job;
}

int align(CStitchOptions* job, const std::function<void(int, bool)>& afterMatching)
{
    const int top = job->m_lDeepestLayer, working = job->m_lWorkingLayer;
    bool shift = false;
    if (const int result = CStitchAlign(job).StartUpCoarseAlign(top, shift))
        return result;
    const int first = !shift ? top : top > working ? top - 1 : working;
    for (int layer = first; layer >= working; --layer) {
        if (const int result = CStitchMatch(job).Run(layer, layer == first, 20, 80))
            return result;
        if (afterMatching)
            afterMatching(layer, layer == first);
        if (job->m_Method == StitchMethodCalibrated) {
            CameraSettings settings;
            if (const int result = CCameraCalibration(job).Run(layer, &settings))
                return result;
            job->m_Method = settings.m_Method;
            job->m_dFocalLength = settings.m_dFocalLength;
        }
        if (const int result = CMotionEstimation(job).Run(layer))
            return result;
    }
    return 0;
}

int viewOf(const CStitchElement* element)
{
    return element->m_Pyramid.m_strName.mid(4).toInt();
}

bool trueMap(const SyntheticViews& views, const SyntheticViews::Camera& from, const SyntheticViews::Camera& to,
             int layer, QPointF p, QPointF* out)
{
    const double zoom = std::ldexp(1.0, layer);
    const QPointF full = (p + QPointF(0.5, 0.5)) * zoom - QPointF(0.5, 0.5);
    QPointF mapped;
    if (!views.map(from, to, full, &mapped))
        return false;
    *out = (mapped + QPointF(0.5, 0.5)) / zoom - QPointF(0.5, 0.5);
    return true;
}

QPointF rotate(const double m[9], double focal, QPointF p, QPointF centreOut, QPointF centreIn)
{
    const double v[3] = {p.x() - centreIn.x(), p.y() - centreIn.y(), -focal};
    const double w[3] = {m[0] * v[0] + m[1] * v[1] + m[2] * v[2], m[3] * v[0] + m[4] * v[1] + m[5] * v[2],
                         m[6] * v[0] + m[7] * v[1] + m[8] * v[2]};
    return QPointF(w[0] / w[2] * -focal, w[1] / w[2] * -focal) + centreOut;
}

} // namespace LayerAlignment
