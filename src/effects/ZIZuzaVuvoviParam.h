#pragma once

// The settings of one run of the picture effect pipeline (ZIZuzaVuvovi). A
// plain value record: fill a default one, change the fields you want and
// hand it to ZIZuzaVuvovi::setEngineParam, which copies it. A field at its
// default leaves the picture unchanged in the step that reads it.
//
// The canvas picture sets only the six fine-tune fields (saturation,
// contrast, brightness, sharpness, temperature, tint); the engine clamps
// those six to their slider ranges when a run starts, since they may come
// from a project file.
class ZIZuzaVuvoviParam
{
public:
    ZIZuzaVuvoviParam() = default;
    ZIZuzaVuvoviParam(const ZIZuzaVuvoviParam& other) = default;
    ZIZuzaVuvoviParam& operator=(const ZIZuzaVuvoviParam& other) = default;

    // True when every field holds its default (filterKeepLuminance is only
    // tested for being true); `reserved` takes part although no step reads it.
    static bool isDefaultSettings(const ZIZuzaVuvoviParam& param);

    int colorMode = 0;      // 0 none, 1 cross processing, 2 black and white, 3 sepia
    int filterBlue = 255;   // photo-filter colour; only the low 8 bits are used,
    int filterGreen = 255;  // and all three at 255 switch the filter off
    int filterRed = 255;
    int filterDensity = 50; // percent; 0 filters nothing
    bool filterKeepLuminance = true;
    int contrast = 0;       // -100..100
    int saturation = 0;     // -100..100
    int vignetting = 0;     // 0 off, up to 100
    int lensBlur = 0;       // levels = lensBlur x 0.07; runs when above 0
    int reserved = 50;      // read by no step
    int brightness = 0;     // -100..100
    int sharpness = 0;      // unsharp-mask amount 0..100
    int temperature = 5000; // kelvin, 2000..12000; 5000 with tint 10 is neutral
    int tint = 10;          // -150..150
    int gamma = 0;          // -20..100, 0 off; exponent ZIZuzaVuvovi::roundGamma
    int vibrance = 0;       // -100..100, 0 off
};
