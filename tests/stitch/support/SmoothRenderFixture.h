#pragma once

// Two 24-bit images side by side (or one above the other) with masks, in a
// job of two elements, for the seam and blending tests and the benchmark.
#include "StitchTestHost.h"

#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <QTemporaryDir>

#include <functional>

struct SmoothRenderFixture
{
    using Colour = std::function<unsigned(int x, int y)>; // 0x00RRGGBB
    using Cover = std::function<bool(int x, int y)>;

    StitchTestHost host; // first: outlives the images
    tagStitchCallbacks table;
    CStitchOptions job;
    QTemporaryDir dir;
    CImage a;
    CImage b;
    CMask maskA;
    CMask maskB;
    tagRECT rectA{};
    tagRECT rectB{};
    tagRECT overlap{};

    // A is wa x ha at the origin; B is wb x hb, moved by (dx, dy).
    SmoothRenderFixture(int wa, int ha, int wb, int hb, int dx, int dy, tagStitchStyle style = StitchStyleHorizontal)
        : table(host.callbacks())
    {
        CStitchOptions::SetCallbacks(&table);
        job.m_FileManager.SetTempDir(dir.path());
        job.m_lWorkingLayer = 0;
        job.m_lFillColour = 0;
        job.m_Matrix.m_Style = style;
        job.m_Matrix.m_pElements = new CStitchElement[4];
        job.m_Matrix.m_lCols = 2;
        job.m_Matrix.m_lRows = 2;
        job.m_Matrix.m_lCount = 4;
        a.Create(wa, ha, 24);
        b.Create(wb, hb, 24);
        maskA.Create(unsigned(wa), unsigned(ha));
        maskB.Create(unsigned(wb), unsigned(hb));
        rectA = {0, 0, wa, ha};
        rectB = {dx, dy, dx + wb, dy + hb};
        IntersectRect(&overlap, &rectA, &rectB);
    }
    ~SmoothRenderFixture() { ReleaseElementMemory(&job); }

    CStitchElement* element() { return &job.m_Matrix.m_pElements[0]; }

    static void paint(CImage& image, CMask& mask, const Colour& colour, const Cover& cover)
    {
        image.Lock();
        for (int y = 0; y < image.Height(); ++y) {
            for (int x = 0; x < image.Width(); ++x) {
                unsigned char* p = image.Bits() + y * image.Stride() + x * 3;
                const unsigned c = colour(x, y);
                p[0] = c & 0xFF;
                p[1] = (c >> 8) & 0xFF;
                p[2] = (c >> 16) & 0xFF;
                mask.SetPixel(unsigned(y), unsigned(x), cover ? cover(x, y) : true);
            }
        }
        image.Unlock();
    }
    // Both images from one function of panorama coordinates.
    void paintBoth(const Colour& colourA, const Colour& colourB, const Cover& coverA = {}, const Cover& coverB = {})
    {
        paint(a, maskA, colourA, coverA);
        const int dx = rectB.left, dy = rectB.top;
        paint(b, maskB, [&](int x, int y) { return colourB(x + dx, y + dy); },
              coverB ? Cover([&](int x, int y) { return coverB(x + dx, y + dy); }) : Cover());
    }
    static const unsigned char* pixel(CImage& image, int x, int y)
    {
        return image.Bits() + y * image.Stride() + x * 3;
    }
};
