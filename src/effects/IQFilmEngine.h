#pragma once

#include "effects/FilmEngine.h"

#include <cstdint>
#include <memory>

// Settings record of the film-look engine.
struct IQFilmEngineParam
{
    int effectType = 0;
    int effectModel = 0;
    int grainModel = 0;
    int grainIntensity = 0;
    double grainSize = 0.0;
    double defaultGrainSize0 = 0.0;
    double defaultGrainSize2 = 0.0;
    double defaultGrainSize1 = 0.0;
    int contrastType = 0;
    int saturationType = 0;
    int specialType = 0;
    int spare = 0;

    // A record with the engine's defaults (grain model 1, intensity 100, sizes 1.0).
    static std::unique_ptr<IQFilmEngineParam> defaultEngineParam();
    // True when no look is chosen and the intensity is 100; the grain model
    // and the sizes do not count.
    static bool isDefaultSettings(const IQFilmEngineParam* param);
};

// The film-look engine for one picture at a time:
//   startFilm(picture) -> apply...() in any number (type before model) ->
//   convet(...) as often as wanted -> finishFilm().
// Loads the film data resource on construction; the data is shared with
// every other engine of the process and released with the last one.
class IQFilmEngine
{
public:
    IQFilmEngine();
    virtual ~IQFilmEngine();

    IQFilmEngine(const IQFilmEngine&) = delete;
    IQFilmEngine& operator=(const IQFilmEngine&) = delete;

    void startEngine();
    int startFilm(const std::uint8_t* bits, int width, int height, int stride, int keepRowOrder);

    int applyFilmEffectType(FilmEffectType type);
    int applyFilmEffectModel(FilmEffectModel model);
    int applyFilmGrainModel(FilmGrainModel model);
    int applyFilmContrastType(FilmContrastType type);
    int applyFilmSaturationType(FilmSaturationType type);
    int applyFilmSpecialType(FilmSpecialType type);
    int applyFilmGrainIntensity(int intensity);
    int applyFilmGrainSize(double size);

    int getFilmDefaultGrainSize(double* size);

    // Converts and copies height x stride bytes into dst; refuses (FilmRefused)
    // a size other than the picture's.
    int convet(std::uint8_t* dst, int width, int height, int stride);

    int finishFilm();
    int finishEngine();

    const IQFilmEngineParam& param() const { return *m_param; }

private:
    void clearHandle();

    FPImage m_image{};
    std::unique_ptr<IQFilmEngineParam> m_param;
    bool m_engineLoaded = false;
};
