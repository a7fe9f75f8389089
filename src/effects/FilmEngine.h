#pragma once

// The film-look engine: an effect colour table chosen by model, optional
// contrast, saturation and special colour tables composed on top of it, a
// tone curve chosen by the contrast type, and film grain. Pictures are 24-bit
// (three bytes per pixel, blue first), rows `stride` bytes apart. The tables
// come from the process's film data (FilmData.h).
//
// Not thread-safe for one handle; the film data is shared by all handles.

#include <cstddef>
#include <cstdint>

// Results of the film functions.
enum FilmResult : int {
    FilmOk = 0,
    FilmNoParamInfo = -1, // the settings record cannot be made
    FilmNoMemory = -2,    // a table or work buffer cannot be allocated
    FilmRefused = -3,     // a number outside its range, or a picture of another size
};

enum FilmEffectType : int {};      // 0..4 pick the model's range test; others give no effect table
enum FilmEffectModel : int {};     // 0 none, 1..28
enum FilmGrainModel : int {};      // 0 none, 1..23
enum FilmContrastType : int {};    // 0 none, 1..4
enum FilmSaturationType : int {};  // 0 none, 1..4
enum FilmSpecialType : int {};     // 0 none, 1..7

// Settings and tables of one handle; made with every field zero on first need.
struct FPParamInfo
{
    std::uint8_t* source; // the picture, height x stride bytes, in internal row order
    int width;
    int height;
    int stride;
    int effectType;
    int effectModel;
    int grainModel;
    int contrastType;
    int saturationType;
    int specialType;
    int grainIntensity; // default 100
    double grainSize;   // default 1.0
    std::uint8_t* effectTable;
    std::uint8_t* grainTable;
    std::uint8_t* contrastTable;
    std::uint8_t* saturationTable;
    std::uint8_t* specialTable;
    int combined; // 1 while combinedTable holds the composition in use
    std::uint8_t* combinedTable;
    std::uint8_t toneTable[256];
};

// The handle, owned by the caller and cleared to zero before first use.
struct FPImage
{
    std::uint8_t* output; // the converted picture, height x stride bytes
    int width;
    int height;
    int stride;
    FPParamInfo* paramInfo;
    std::size_t outputSize; // bytes allocated at `output`
};

FPParamInfo* fpGetParamInfo(FPImage* image);
int SetFPParamAsDefault(FPImage* image);
// Copies the picture; keepRowOrder 0 stores the rows last first, which the
// conversion turns back, so 0 returns the picture in its own row order.
int SetFPImage(FPImage* image, const std::uint8_t* bits, int width, int height, int stride, int keepRowOrder);
int SetFilmEffectType(FPImage* image, int type);
// Set the type first: with type 0 only models 1..28 copy a table.
int SetFilmEffectModel(FPImage* image, int model);
int SetFilmGrainModel(FPImage* image, int model);
int SetFilmContrastType(FPImage* image, int type);
int SetFilmSaturationType(FPImage* image, int type);
int SetFilmSpecialType(FPImage* image, int type);
int SetFilmGrainIntensity(FPImage* image, int intensity);
int SetFilmGrainSize(FPImage* image, double size);
// Grain first, then the composed colour table; each call starts again from
// the stored picture.
int ConvertFPImage(FPImage* image);
// Frees everything of the handle; the caller clears it before reuse.
int DisposeFPImage(FPImage* image);

// Building blocks, public for tests and benchmarks.
void fpGammaTable(FPParamInfo* info);
int fpCombineTable(FPParamInfo* info);
// Makes `a` map a colour through a, then through b. 0 or -2.
int fpCombineTwoTable(std::uint8_t* a, const std::uint8_t* b);
// Trilinear look-up of (c0, c1, c2) in a colour table.
void fpLookupColor(const std::uint8_t* table, int c0, int c1, int c2, std::uint8_t out[3]);
// Applies a colour table to every pixel.
void fpApplyColorTable(const std::uint8_t* table, std::uint8_t* bits, int width, int height, int stride);
void fpPhotoFilmCombine(FPParamInfo* info, std::uint8_t* bits, int width, int height, int stride);
void fpReorderImage(std::uint8_t* bits, int height, int stride);

// Operations the engine offers but does not use itself.
void fpGammaCombineTable(std::uint8_t* table, const std::uint8_t curve[256]);
void fpPhotoFilmEffect(FPParamInfo* info, std::uint8_t* bits, int width, int height, int stride);
void fpPhotoFilmContrast(FPParamInfo* info, std::uint8_t* bits, int width, int height, int stride);
void fpPhotoFilmSaturation(FPParamInfo* info, std::uint8_t* bits, int width, int height, int stride);
void fpPhotoFilmSpecial(FPParamInfo* info, std::uint8_t* bits, int width, int height, int stride);
void fpPhotoBrightness(FPParamInfo* info, std::uint8_t* bits, int width, int height, int stride);
void fpInitTable(std::uint16_t curve[256], int kind);
