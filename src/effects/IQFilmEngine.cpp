#include "effects/IQFilmEngine.h"

#include "effects/FilmData.h"
#include "effects/FilmGrain.h"

#include <QFile>

#include <cstring>

std::unique_ptr<IQFilmEngineParam> IQFilmEngineParam::defaultEngineParam()
{
    auto param = std::make_unique<IQFilmEngineParam>();
    param->grainModel = 1;
    param->grainIntensity = 100;
    param->grainSize = 1.0;
    param->defaultGrainSize0 = 1.0;
    param->defaultGrainSize2 = 1.0;
    param->defaultGrainSize1 = 1.0;
    return param;
}

bool IQFilmEngineParam::isDefaultSettings(const IQFilmEngineParam* param)
{
    return param->effectType == 0 && param->effectModel == 0 && param->contrastType == 0
        && param->saturationType == 0 && param->specialType == 0 && param->grainIntensity == 100;
}

IQFilmEngine::IQFilmEngine()
    : m_param(std::make_unique<IQFilmEngineParam>())
{
    startEngine();
}

IQFilmEngine::~IQFilmEngine()
{
    finishEngine();
}

void IQFilmEngine::clearHandle()
{
    std::memset(&m_image, 0, sizeof m_image);
}

void IQFilmEngine::startEngine()
{
    if (m_engineLoaded)
        return;
    QFile file(QStringLiteral(":/film/data/filmdata/film.data"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray data = file.readAll();
    m_engineLoaded = ExecuteFPEngine(data.constData(), int(data.size())) == 0;
}

int IQFilmEngine::startFilm(const std::uint8_t* bits, int width, int height, int stride, int keepRowOrder)
{
    // The previous picture's buffers go before the handle is reused.
    DisposeFPImage(&m_image);
    clearHandle();
    SetFPParamAsDefault(&m_image);
    const int result = SetFPImage(&m_image, bits, width, height, stride, keepRowOrder);

    *m_param = *IQFilmEngineParam::defaultEngineParam();
    GetFilmDefaultGrainSize(&m_param->defaultGrainSize0, m_image.width, m_image.height, 0);
    GetFilmDefaultGrainSize(&m_param->defaultGrainSize2, m_image.width, m_image.height, 2);
    GetFilmDefaultGrainSize(&m_param->defaultGrainSize1, m_image.width, m_image.height, 1);
    m_param->grainSize = m_param->defaultGrainSize0;
    SetFilmGrainSize(&m_image, m_param->defaultGrainSize0);
    return result;
}

int IQFilmEngine::applyFilmEffectType(FilmEffectType type) { return SetFilmEffectType(&m_image, type); }
int IQFilmEngine::applyFilmEffectModel(FilmEffectModel model) { return SetFilmEffectModel(&m_image, model); }
int IQFilmEngine::applyFilmGrainModel(FilmGrainModel model) { return SetFilmGrainModel(&m_image, model); }
int IQFilmEngine::applyFilmContrastType(FilmContrastType type) { return SetFilmContrastType(&m_image, type); }
int IQFilmEngine::applyFilmSaturationType(FilmSaturationType type) { return SetFilmSaturationType(&m_image, type); }
int IQFilmEngine::applyFilmSpecialType(FilmSpecialType type) { return SetFilmSpecialType(&m_image, type); }
int IQFilmEngine::applyFilmGrainIntensity(int intensity) { return SetFilmGrainIntensity(&m_image, intensity); }
int IQFilmEngine::applyFilmGrainSize(double size) { return SetFilmGrainSize(&m_image, size); }

int IQFilmEngine::getFilmDefaultGrainSize(double* size)
{
    return GetFilmDefaultGrainSize(size, m_image.width, m_image.height, 1);
}

int IQFilmEngine::convet(std::uint8_t* dst, int width, int height, int stride)
{
    if (!dst || width != m_image.width || height != m_image.height || stride != m_image.stride)
        return FilmRefused;
    const int result = ConvertFPImage(&m_image);
    if (result == FilmOk)
        std::memcpy(dst, m_image.output, std::size_t(height) * std::size_t(stride));
    return result;
}

int IQFilmEngine::finishFilm()
{
    const int result = DisposeFPImage(&m_image);
    clearHandle();
    return result;
}

int IQFilmEngine::finishEngine()
{
    DisposeFPImage(&m_image);
    clearHandle();
    if (m_engineLoaded) {
        FinishFPEngine();
        m_engineLoaded = false;
    }
    return 0;
}
