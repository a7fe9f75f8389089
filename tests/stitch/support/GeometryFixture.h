#pragma once

// Jobs of synthetic views filled as alignment would fill them, for the
// coordinate, outline and warp tests.

#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <QList>
#include <QStringList>

struct GeometryFixture
{
    // A loaded job of cols x rows views (element i shows cameras[i]), its
    // pair data filled from the truth; colour tables are the identity.
    static CStitchOptions* job(StitchTestHost& host, const SyntheticViews& views,
                               const QList<SyntheticViews::Camera>& cameras, tagStitchStyle style, int cols,
                               int rows, STITCHMETHOD method = StitchMethodCalibrated, double focalScale = 1.0)
    {
        tagStitchCallbacks table = host.callbacks();
        CStitchOptions* job = PSCreateStitch(style, StitchOutputOriginal, method, &table);
        if (!job)
            return nullptr;
        QStringList names;
        QList<tagPOINT> sizes;
        for (int i = 0; i < cols * rows; ++i) {
            names << QStringLiteral("view%1").arg(i);
            sizes << tagPOINT{views.width(), views.height()};
            host.addImage(names.last(), views.render(cameras[i]));
        }
        if (PSLoadImages(job, int(names.size()), names, sizes.data()) != 0) {
            PSReleaseStitch(job);
            return nullptr;
        }
        job->m_Matrix.m_lCols = cols;
        job->m_Matrix.m_lRows = rows;
        job->m_Matrix.m_Style = style;
        for (int i = 0; i < cols * rows; ++i)
            for (int v = 0; v < 768; ++v)
                job->m_Matrix.m_pElements[i].m_ColorTable[v] = static_cast<unsigned char>(v % 256);
        views.fillJob(job, cameras, focalScale);
        return job;
    }

    // +1 for a rotation, -1 for a mirror image of one.
    static double determinant(const double m[9])
    {
        return m[0] * (m[4] * m[8] - m[5] * m[7]) - m[1] * (m[3] * m[8] - m[5] * m[6])
               + m[2] * (m[3] * m[7] - m[4] * m[6]);
    }

    // Frame of the library's panorama in the library world, from element i:
    // G_true G^T. A truth drawn through a mirrored frame would be mirrored
    // as the panorama is: check its determinant.
    static void frame(const SyntheticViews::Camera& camera, const CStitchTransform& G, double out[9])
    {
        double truth[9];
        SyntheticViews::libraryRotation(camera, truth);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                out[3 * r + c] = truth[3 * r] * G.m_Matrix[3 * c] + truth[3 * r + 1] * G.m_Matrix[3 * c + 1]
                                 + truth[3 * r + 2] * G.m_Matrix[3 * c + 2];
    }
};
