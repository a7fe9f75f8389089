#include "effects/FilmEngine.h"

#include "effects/EffectCommon.h"
#include "effects/FilmData.h"
#include "effects/FilmGrain.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// A table copy that has not been filled from the film data maps every
// colour to itself rather than to black.
void fillIdentity(std::uint8_t* table)
{
    for (int n2 = 0; n2 < 17; ++n2)
        for (int n1 = 0; n1 < 17; ++n1)
            for (int n0 = 0; n0 < 17; ++n0) {
                const int index = n2 * 289 + n1 * 17 + n0;
                table[index] = std::uint8_t(std::min(255, n0 * 16));
                table[FilmColorPlaneSize + index] = std::uint8_t(std::min(255, n1 * 16));
                table[2 * FilmColorPlaneSize + index] = std::uint8_t(std::min(255, n2 * 16));
            }
}

// Allocates a colour table copy on first need.
bool ensureColorTable(std::uint8_t*& table)
{
    if (!table) {
        table = static_cast<std::uint8_t*>(std::malloc(FilmColorTableSize));
        if (!table)
            return false;
        fillIdentity(table);
    }
    return true;
}

bool copyColorTable(std::uint8_t* table, int index)
{
    const std::uint8_t* source = fpFilmColorTable(index);
    if (!source)
        return false;
    std::memcpy(table, source, FilmColorTableSize);
    return true;
}

void freeAndClear(std::uint8_t*& p)
{
    std::free(p);
    p = nullptr;
}

// Setter of a composed table kind: contrast, saturation or special.
int setColorType(FPImage* image, int type, int maximum, int firstIndex, int FPParamInfo::*field,
                 std::uint8_t* FPParamInfo::*table)
{
    FPParamInfo* info = fpGetParamInfo(image);
    if (!info)
        return FilmNoParamInfo;
    // Numbers past the data would read outside it.
    if (type < 0 || type > maximum)
        return FilmRefused;
    info->*field = type;
    if (!ensureColorTable(info->*table))
        return FilmNoMemory;
    if (type > 0)
        copyColorTable(info->*table, firstIndex + type);
    return FilmOk;
}

} // namespace

FPParamInfo* fpGetParamInfo(FPImage* image)
{
    if (!image)
        return nullptr;
    if (!image->paramInfo)
        image->paramInfo = static_cast<FPParamInfo*>(std::calloc(1, sizeof(FPParamInfo)));
    return image->paramInfo;
}

int SetFPParamAsDefault(FPImage* image)
{
    FPParamInfo* info = fpGetParamInfo(image);
    if (!info)
        return FilmNoParamInfo;
    info->grainIntensity = 100;
    info->grainSize = 1.0;
    return FilmOk;
}

int SetFPImage(FPImage* image, const std::uint8_t* bits, int width, int height, int stride, int keepRowOrder)
{
    FPParamInfo* info = fpGetParamInfo(image);
    if (!info)
        return FilmNoParamInfo;
    if (!bits || width <= 0 || height <= 0 || stride < 3 * width)
        return FilmRefused;
    freeAndClear(info->source);
    const std::size_t bytes = Effects::planeBytes(stride, height);
    info->source = static_cast<std::uint8_t*>(std::malloc(bytes));
    if (!info->source)
        return FilmNoMemory;
    if (keepRowOrder) {
        std::memcpy(info->source, bits, bytes);
    } else {
        for (int y = 0; y < height; ++y)
            std::memcpy(info->source + std::size_t(height - 1 - y) * stride, bits + std::size_t(y) * stride, std::size_t(stride));
    }
    image->width = info->width = width;
    image->height = info->height = height;
    image->stride = info->stride = stride;
    return FilmOk;
}

int SetFilmEffectType(FPImage* image, int type)
{
    FPParamInfo* info = fpGetParamInfo(image);
    if (!info)
        return FilmNoParamInfo;
    info->effectType = type;
    return FilmOk;
}

int SetFilmEffectModel(FPImage* image, int model)
{
    FPParamInfo* info = fpGetParamInfo(image);
    if (!info)
        return FilmNoParamInfo;
    if (model < 0 || model > FilmEffectModels)
        return FilmRefused;
    if (!ensureColorTable(info->effectTable))
        return FilmNoMemory;
    info->effectModel = model;
    const bool copies = info->effectType == 0 ? (model >= 1) : (info->effectType >= 1 && info->effectType <= 4 && model >= 1);
    if (copies)
        copyColorTable(info->effectTable, model - 1);
    return FilmOk;
}

int SetFilmGrainModel(FPImage* image, int model)
{
    FPParamInfo* info = fpGetParamInfo(image);
    if (!info)
        return FilmNoParamInfo;
    if (model < 0 || model > FilmGrainModels)
        return FilmRefused;
    info->grainModel = model;
    if (!info->grainTable) {
        info->grainTable = static_cast<std::uint8_t*>(std::calloc(FilmGrainTableSize, 1));
        if (!info->grainTable)
            return FilmNoMemory;
    }
    if (const std::uint8_t* source = fpFilmGrainTable(model))
        std::memcpy(info->grainTable, source, FilmGrainTableSize);
    return FilmOk;
}

int SetFilmContrastType(FPImage* image, int type)
{
    return setColorType(image, type, FilmContrastTypes, 27, &FPParamInfo::contrastType, &FPParamInfo::contrastTable);
}

int SetFilmSaturationType(FPImage* image, int type)
{
    return setColorType(image, type, FilmSaturationTypes, 31, &FPParamInfo::saturationType, &FPParamInfo::saturationTable);
}

int SetFilmSpecialType(FPImage* image, int type)
{
    return setColorType(image, type, FilmSpecialTypes, 35, &FPParamInfo::specialType, &FPParamInfo::specialTable);
}

int SetFilmGrainIntensity(FPImage* image, int intensity)
{
    FPParamInfo* info = fpGetParamInfo(image);
    if (!info)
        return FilmNoParamInfo;
    info->grainIntensity = intensity;
    return FilmOk;
}

int SetFilmGrainSize(FPImage* image, double size)
{
    FPParamInfo* info = fpGetParamInfo(image);
    if (!info)
        return FilmNoParamInfo;
    if (!std::isfinite(size))
        return FilmRefused;
    info->grainSize = size;
    return FilmOk;
}

void fpGammaTable(FPParamInfo* info)
{
    if (info->effectModel == 0 || info->contrastType == 0)
        return;
    double g;
    switch (info->contrastType) {
    case 1: g = 0.5555555555555556; break;
    case 2: g = 0.7142857142857143; break;
    case 3: g = 1.4; break;
    default: g = 1.8; break;
    }
    // The curve works on the distance from white.
    const double linearSlope = std::pow(0.018, g) / 0.018;
    for (int x = 0; x < 255; ++x) {
        const double v = x / 255.0;
        const double f = v <= 0.018 ? v * linearSlope : std::pow(v, g);
        const int n = int(f * 255.0 + 0.5);
        info->toneTable[255 - x] = std::uint8_t(n >= 255 ? 0 : 255 - n);
    }
}

void fpLookupColor(const std::uint8_t* table, int c0, int c1, int c2, std::uint8_t out[3])
{
    const int i0 = c0 >> 4, i1 = c1 >> 4, i2 = c2 >> 4;
    const int f0 = c0 & 15, f1 = c1 & 15, f2 = c2 & 15;
    // The eight corner weights (they add up to 4096) and offsets, once for
    // all three planes.
    const int a0 = 16 - f0, a1 = 16 - f1, a2 = 16 - f2;
    const int w[8] = {a0 * a1 * a2, f0 * a1 * a2, a0 * f1 * a2, f0 * f1 * a2,
                      a0 * a1 * f2, f0 * a1 * f2, a0 * f1 * f2, f0 * f1 * f2};
    const std::uint8_t* corner = table + i2 * 289 + i1 * 17 + i0;
    for (int p = 0; p < 3; ++p, corner += FilmColorPlaneSize) {
        const int sum = corner[0] * w[0] + corner[1] * w[1] + corner[17] * w[2] + corner[18] * w[3]
                      + corner[289] * w[4] + corner[290] * w[5] + corner[306] * w[6] + corner[307] * w[7];
        out[p] = std::uint8_t(sum >> 12);
    }
}

int fpCombineTwoTable(std::uint8_t* a, const std::uint8_t* b)
{
    auto work = Effects::allocate<std::uint8_t>(FilmColorTableSize);
    if (!work)
        return FilmNoMemory;
    std::memcpy(work.get(), a, FilmColorTableSize);
    for (int n = 0; n < FilmColorPlaneSize; ++n) {
        std::uint8_t out[3];
        fpLookupColor(b, work[n], work[FilmColorPlaneSize + n], work[2 * FilmColorPlaneSize + n], out);
        a[n] = out[0];
        a[FilmColorPlaneSize + n] = out[1];
        a[2 * FilmColorPlaneSize + n] = out[2];
    }
    return FilmOk;
}

int fpCombineTable(FPParamInfo* info)
{
    if (!info->combinedTable) {
        info->combinedTable = static_cast<std::uint8_t*>(std::malloc(FilmColorTableSize));
        if (!info->combinedTable) {
            info->combined = 0;
            return FilmNoMemory;
        }
    }
    info->combined = 0;
    const auto compose = [info](const std::uint8_t* table) {
        if (!table)
            return;
        if (info->combined) {
            fpCombineTwoTable(info->combinedTable, table);
        } else {
            std::memcpy(info->combinedTable, table, FilmColorTableSize);
            info->combined = 1;
        }
    };
    if (info->effectModel != 0)
        compose(info->effectTable);
    if (info->contrastType != 0)
        compose(info->contrastTable);
    if (info->effectModel != 0 && info->contrastType != 0 && info->combined)
        fpGammaCombineTable(info->combinedTable, info->toneTable);
    if (info->saturationType != 0)
        compose(info->saturationTable);
    if (info->specialType != 0)
        compose(info->specialTable);
    return FilmOk;
}

void fpApplyColorTable(const std::uint8_t* table, std::uint8_t* bits, int width, int height, int stride)
{
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = bits + std::size_t(y) * std::size_t(stride);
        for (int x = 0; x < width; ++x, p += 3)
            fpLookupColor(table, p[0], p[1], p[2], p);
    }
}

void fpPhotoFilmCombine(FPParamInfo* info, std::uint8_t* bits, int width, int height, int stride)
{
    if (info->combinedTable)
        fpApplyColorTable(info->combinedTable, bits, width, height, stride);
}

void fpReorderImage(std::uint8_t* bits, int height, int stride)
{
    auto spare = Effects::allocate<std::uint8_t>(std::size_t(stride));
    if (!spare)
        return;
    for (int i = 0; i < height / 2; ++i) {
        std::uint8_t* top = bits + std::size_t(i) * stride;
        std::uint8_t* bottom = bits + std::size_t(height - 1 - i) * stride;
        std::memcpy(spare.get(), top, std::size_t(stride));
        std::memcpy(top, bottom, std::size_t(stride));
        std::memcpy(bottom, spare.get(), std::size_t(stride));
    }
}

int ConvertFPImage(FPImage* image)
{
    FPParamInfo* info = fpGetParamInfo(image);
    if (!info)
        return FilmNoParamInfo;
    if (!info->source)
        return FilmRefused;
    const std::size_t bytes = Effects::planeBytes(image->stride, image->height);
    // A picture of another size than the last needs a buffer of its own size.
    if (image->output && image->outputSize != bytes) {
        freeAndClear(image->output);
        image->outputSize = 0;
    }
    if (!image->output) {
        image->output = static_cast<std::uint8_t*>(std::malloc(bytes));
        if (!image->output)
            return FilmNoMemory;
        image->outputSize = bytes;
    }
    std::memcpy(image->output, info->source, bytes);
    if (info->grainModel != 0)
        fpPhotoFilmGrain(info, image->output, image->width, image->height, image->stride);
    fpGammaTable(info);
    fpCombineTable(info);
    if (info->combined == 1)
        fpPhotoFilmCombine(info, image->output, image->width, image->height, image->stride);
    fpReorderImage(image->output, image->height, image->stride);
    return FilmOk;
}

int DisposeFPImage(FPImage* image)
{
    if (!image)
        return FilmNoParamInfo;
    if (FPParamInfo* info = image->paramInfo) {
        freeAndClear(info->source);
        freeAndClear(info->effectTable);
        freeAndClear(info->grainTable);
        freeAndClear(info->contrastTable);
        freeAndClear(info->saturationTable);
        freeAndClear(info->specialTable);
        freeAndClear(info->combinedTable);
        std::free(info);
    }
    std::free(image->output);
    return FilmOk;
}

void fpGammaCombineTable(std::uint8_t* table, const std::uint8_t curve[256])
{
    for (int i = 0; i < FilmColorTableSize; ++i)
        table[i] = curve[table[i]];
}

void fpPhotoFilmEffect(FPParamInfo* info, std::uint8_t* bits, int width, int height, int stride)
{
    if (info->effectTable)
        fpApplyColorTable(info->effectTable, bits, width, height, stride);
}

void fpPhotoFilmContrast(FPParamInfo* info, std::uint8_t* bits, int width, int height, int stride)
{
    if (info->contrastTable)
        fpApplyColorTable(info->contrastTable, bits, width, height, stride);
}

void fpPhotoFilmSaturation(FPParamInfo* info, std::uint8_t* bits, int width, int height, int stride)
{
    if (info->saturationTable)
        fpApplyColorTable(info->saturationTable, bits, width, height, stride);
}

void fpPhotoFilmSpecial(FPParamInfo* info, std::uint8_t* bits, int width, int height, int stride)
{
    if (info->specialTable)
        fpApplyColorTable(info->specialTable, bits, width, height, stride);
}

void fpPhotoBrightness(FPParamInfo* info, std::uint8_t* bits, int width, int height, int stride)
{
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = bits + std::size_t(y) * std::size_t(stride);
        for (int x = 0; x < 3 * width; ++x)
            p[x] = info->toneTable[p[x]];
    }
}

void fpInitTable(std::uint16_t curve[256], int kind)
{
    const auto arc = [](int i) { return std::uint16_t(std::sqrt(65536.0 - double(2 * i - 256) * (2 * i - 256))); };
    for (int i = 0; i < 256; ++i)
        curve[i] = i <= 128 ? std::uint16_t(2 * i) : arc(i);
    switch (kind) {
    case 1:
        for (int i = 0; i < 256; ++i)
            curve[i] = arc(i);
        break;
    case 2:
        for (int i = 0; i < 256; ++i)
            curve[i] = i <= 128 ? std::uint16_t(512 - 2 * i) : arc(i);
        break;
    case 3:
        for (int i = 0; i < 256; ++i)
            curve[i] = i <= 128 ? std::uint16_t(256) : arc(i);
        break;
    case 4: case 5: case 6: case 7:
        for (int i = 0; i < 256; ++i)
            curve[i] = std::uint16_t(512 - 2 * i);
        break;
    default:
        break;
    }
}
