#pragma once

#include <QList>
#include <QRect>
#include <QSharedPointer>

// One effect of a picture: its code, its value, a region no operation reads
// (always the null rectangle) and whether it is on. Always handled through
// QSharedPointer, so that every holder of a picture's effect list shares the
// picture's own records.
struct PictureEffect
{
    // Effect codes. Any other code (0 included) is ignored everywhere.
    enum Code {
        ClearAll = -1,
        FlipHorizontally = 1,
        FlipVertically = 2,
        Opacity = 7, // 0..1, read by the content; changes no pixel
        Saturation = 15,
        Contrast = 16,
        Brightness = 17,
        Sharpness = 18,
        Temperature = 19, // kelvin
        Tint = 20,
    };

    PictureEffect() = default;
    PictureEffect(int effect, double param, bool enable = false)
        : effect(effect), param(param), enable(enable)
    {
    }

    int effect = 0;
    double param = 0.0;
    QRect rect;
    bool enable = false;

    // True for the six fine-tune codes, Saturation .. Tint.
    static bool isFineTune(int code) { return code >= Saturation && code <= Tint; }
    // The value a new picture holds for a fine-tune code (temperature 5000,
    // tint 10, the others 0).
    static double neutralValue(int code);
    // A fine-tune value as the engine takes it: held to the code's slider
    // range (saturation, contrast, brightness -100..100, sharpness 0..100,
    // temperature 2000..12000, tint -150..150), then truncated toward zero.
    // A project file may hold any double: NaN gives the neutral value.
    static int fineTuneValue(int code, double param);
};

using PictureEffectList = QList<QSharedPointer<PictureEffect>>;
