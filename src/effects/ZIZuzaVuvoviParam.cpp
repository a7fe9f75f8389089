#include "effects/ZIZuzaVuvoviParam.h"

bool ZIZuzaVuvoviParam::isDefaultSettings(const ZIZuzaVuvoviParam& param)
{
    const ZIZuzaVuvoviParam d;
    return param.colorMode == d.colorMode && param.filterBlue == d.filterBlue && param.filterGreen == d.filterGreen
        && param.filterRed == d.filterRed && param.filterDensity == d.filterDensity && param.filterKeepLuminance
        && param.contrast == d.contrast && param.saturation == d.saturation && param.vignetting == d.vignetting
        && param.lensBlur == d.lensBlur && param.reserved == d.reserved && param.brightness == d.brightness
        && param.sharpness == d.sharpness && param.temperature == d.temperature && param.tint == d.tint
        && param.gamma == d.gamma && param.vibrance == d.vibrance;
}
