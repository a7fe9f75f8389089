#include "effects/FilmGrain.h"

#include "effects/EffectCommon.h"
#include "effects/FilmEngine.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

struct GrainModel
{
    bool colour; // three draws per pixel, else one for all three samples
    double a1, as, ss, sb, a2;
};

const GrainModel grainModels[23] = {
    {true, 1.5, 0.08, 0.1, 1.25, 6.6},     {true, 1.5, 0.1, 0.1, 1.25, 6.486},
    {true, 1.5, 0.11, 0.15, 1.0, 7.35},    {true, 1.5, 0.1, 0.15, 1.25, 15.846},
    {true, 1.5, 0.05, 0.16, 1.25, 5.923},  {true, 1.5, 0.1, 0.06, 1.25, 6.243},
    {true, 1.5, 0.1, 0.12, 1.25, 5.912},   {true, 1.5, 0.1, 0.1, 1.25, 7.457},
    {true, 1.5, 0.1, 0.08, 1.25, 7.785},   {true, 1.5, 0.04, 0.28, 1.25, 6.182},
    {true, 1.5, 0.04, 0.28, 1.25, 11.63},  {true, 1.2, 0.04, 0.28, 1.25, 20.635},
    {false, 1.2, 0.02, 0.03, 1.25, 12.352}, {false, 1.2, 0.02, 0.03, 1.25, 27.431},
    {false, 1.2, 0.02, 0.1, 1.2, 35.373},  {false, 1.2, 0.08, 0.18, 1.25, 11.872},
    {false, 1.2, 0.1, 0.25, 1.25, 11.607}, {false, 1.2, 0.02, 0.035, 1.25, 14.59},
    {false, 1.2, 0.035, 0.04, 1.25, 20.569}, {false, 1.2, 0.05, 0.1, 1.25, 30.486},
    {false, 1.2, 0.06, 0.1, 1.25, 37.812}, {true, 1.5, 0.08, 0.18, 1.25, 8.947},
    {true, 1.5, 0.04, 0.28, 1.25, 6.439},
};

// Models past the table draw noise of amplitude 0.
const GrainModel beyondTable = {true, 1.5, 0.02, 0.0125, 1.1, 0.0};

constexpr int tileWidth = 300;
constexpr int tileHeight = 200;
constexpr int tilePixels = tileWidth * tileHeight;

struct GaussState
{
    bool secondOfPair = false;
    double x2 = 0.0;
    double s = 0.0;
};

thread_local GaussState gaussState;

// Column (or row) taps of the enlargement from `cropSize` to `size`.
struct Taps
{
    int index[4];
    int weight[4];
};

} // namespace

void FilmRandom::reseed(unsigned seed)
{
    // Lehmer start-up of 31 words, then the lagged sum r[i] = r[i-3] + r[i-31];
    // the first 310 sums are discarded.
    std::int32_t r[34];
    r[0] = std::int32_t(seed == 0 ? 1 : seed);
    for (int i = 1; i < 31; ++i) {
        const std::int64_t word = (16807LL * r[i - 1]) % 2147483647LL;
        r[i] = std::int32_t(word < 0 ? word + 2147483647LL : word);
    }
    for (int i = 31; i < 34; ++i)
        r[i] = r[i - 31];
    std::memcpy(m_state, r, sizeof m_state);
    m_index = 0;
    for (int i = 34; i < 344; ++i)
        next();
}

int FilmRandom::next()
{
    // m_state is a ring of the last 34 words; i-3 and i-31 are 31 and 3 back.
    const int i = m_index;
    const std::uint32_t sum = std::uint32_t(m_state[(i + 31) % 34]) + std::uint32_t(m_state[(i + 3) % 34]);
    m_state[i] = std::int32_t(sum);
    m_index = (i + 1) % 34;
    return int(sum >> 1);
}

FilmRandom& filmRandom()
{
    thread_local FilmRandom generator;
    return generator;
}

double gaussrand()
{
    GaussState& g = gaussState;
    double result;
    if (!g.secondOfPair) {
        double x1;
        do {
            const double u1 = filmRandom().next() / 2147483647.0;
            const double u2 = filmRandom().next() / 2147483647.0;
            x1 = 2.0 * u1 - 1.0;
            g.x2 = 2.0 * u2 - 1.0;
            g.s = x1 * x1 + g.x2 * g.x2;
        } while (g.s >= 1.0 || g.s == 0.0);
        result = x1 * std::sqrt(-2.0 * std::log(g.s) / g.s);
    } else {
        result = g.x2 * std::sqrt(-2.0 * std::log(g.s) / g.s);
    }
    g.secondOfPair = !g.secondOfPair;
    return result;
}

double averagerand()
{
    return 2.0 * filmRandom().next() / 2147483647.0 - 1.0;
}

double CubicWeight(double x)
{
    const auto p3 = [](double t) { return t > 0.0 ? t * t * t : 0.0; };
    return (p3(x + 2.0) - 4.0 * p3(x + 1.0) + 6.0 * p3(x) - 4.0 * p3(x - 1.0)) / 6.0;
}

int GetFilmDefaultGrainSize(double* out, int width, int height, int mode)
{
    const int longest = std::max(width, height);
    int threshold = 0, divisor = 1;
    switch (mode) {
    case 0: threshold = 1424; divisor = 64; break;
    case 1: threshold = 1900; divisor = 86; break;
    case 2: threshold = 3200; divisor = 142; break;
    default:
        *out = 1.0;
        return 0;
    }
    *out = longest < threshold ? 1.0 : std::min(10.0, 1.0 + 0.1 * ((longest - threshold) / divisor));
    return 0;
}

namespace {

// The crop of the enlargement: at least one pixel each way, whatever the
// scale. Draws its position only where there is room.
bool cropOut(const std::int16_t* noise, int width, int height, int channels, double scale,
             std::unique_ptr<std::int16_t[]>& crop, int& cropWidth, int& cropHeight)
{
    cropWidth = std::max(1, std::min(width, int(width / scale + 0.5)));
    cropHeight = std::max(1, std::min(height, int(height / scale + 0.5)));
    const int left = width > cropWidth ? filmRandom().next() % (width - cropWidth) : 0;
    const int top = height > cropHeight ? filmRandom().next() % (height - cropHeight) : 0;
    crop = Effects::allocate<std::int16_t>(std::size_t(cropWidth) * cropHeight * channels);
    if (!crop)
        return false;
    for (int y = 0; y < cropHeight; ++y) {
        std::memcpy(crop.get() + std::size_t(y) * cropWidth * channels,
                    noise + (std::size_t(top + y) * width + left) * channels,
                    std::size_t(cropWidth) * channels * sizeof(std::int16_t));
    }
    return true;
}

std::unique_ptr<Taps[]> makeTaps(int size, int cropSize, bool cubic)
{
    auto taps = Effects::allocate<Taps>(std::size_t(size));
    if (!taps)
        return taps;
    for (int x = 0; x < size; ++x) {
        const double f = std::max(0.0, (x + 0.5) * cropSize / size - 0.5);
        const int i = int(f);
        Taps& t = taps[std::size_t(x)];
        if (cubic) {
            for (int k = 0; k < 4; ++k) {
                t.index[k] = std::min(std::max(i + k - 1, 0), cropSize - 1);
                t.weight[k] = int(CubicWeight(k - 1 - (f - i)) * 1024.0);
            }
        } else {
            const int w = int((f - i) * 1024.0);
            t.index[0] = std::min(i, cropSize - 1);
            t.index[1] = std::min(i + 1, cropSize - 1);
            t.weight[0] = 1024 - w;
            t.weight[1] = w;
            t.index[2] = t.index[3] = t.index[0];
            t.weight[2] = t.weight[3] = 0;
        }
    }
    return taps;
}

int enlarge(std::int16_t* noise, int width, int height, int channels, double scale, bool cubic)
{
    std::unique_ptr<std::int16_t[]> crop;
    int cropWidth = 0, cropHeight = 0;
    if (!cropOut(noise, width, height, channels, scale, crop, cropWidth, cropHeight))
        return -2;
    const auto columns = makeTaps(width, cropWidth, cubic);
    const auto rows = makeTaps(height, cropHeight, cubic);
    auto middle = Effects::allocate<std::int32_t>(std::size_t(cropHeight) * width * channels);
    if (!columns || !rows || !middle)
        return -2;
    const int tapCount = cubic ? 4 : 2;

    for (int y = 0; y < cropHeight; ++y) {
        const std::int16_t* in = crop.get() + std::size_t(y) * cropWidth * channels;
        std::int32_t* out = middle.get() + std::size_t(y) * width * channels;
        for (int x = 0; x < width; ++x) {
            const Taps& t = columns[std::size_t(x)];
            for (int c = 0; c < channels; ++c) {
                std::int32_t sum = 0;
                for (int k = 0; k < tapCount; ++k)
                    sum += in[t.index[k] * channels + c] * t.weight[k];
                out[x * channels + c] = sum >> 10;
            }
        }
    }
    for (int y = 0; y < height; ++y) {
        const Taps& t = rows[std::size_t(y)];
        std::int16_t* out = noise + std::size_t(y) * width * channels;
        for (int x = 0; x < width * channels; ++x) {
            std::int32_t sum = 0;
            for (int k = 0; k < tapCount; ++k)
                sum += middle[std::size_t(t.index[k]) * width * channels + x] * t.weight[k];
            out[x] = std::int16_t(std::clamp(sum >> 10, -32768, 32767));
        }
    }
    return 0;
}

} // namespace

int fpResampleByScale(std::int16_t* noise, int width, int height, int channels, double scale)
{
    if (!(scale >= 1.0))
        return -1;
    if (width <= 0 || height <= 0 || channels <= 0)
        return 0;
    return enlarge(noise, width, height, channels, scale, false);
}

int fpResampleByScaleBicubic(std::int16_t* noise, int width, int height, int channels, double scale)
{
    if (!(scale >= 1.0))
        return -1;
    if (scale <= 1.000001 || width <= 0 || height <= 0 || channels <= 0)
        return 0;
    if (scale < 2.0)
        return fpResampleByScale(noise, width, height, channels, scale);
    return enlarge(noise, width, height, channels, scale, true);
}

int fpGenerateNoiseImage(std::int16_t* noise, int width, int height, int model, int intensity, double size)
{
    const std::size_t pixels = width > 0 && height > 0 ? std::size_t(width) * std::size_t(height) : 0;
    filmRandom().reseed(unsigned(model));
    gaussState = GaussState();
    if (model <= 0) {
        std::fill(noise, noise + pixels * 3, std::int16_t(0));
        return 0;
    }
    const GrainModel& row = model <= 23 ? grainModels[model - 1] : beyondTable;
    const double sigma = intensity * row.a1 * row.a2 * 0.005 * (1.0 + row.as * (size - 1.0));
    const double scale = row.sb + row.ss * (size - 1.0);

    auto tile = Effects::allocate<std::int16_t>(std::size_t(tilePixels) * 3);
    if (!tile) {
        std::fill(noise, noise + pixels * 3, std::int16_t(0));
        return -2;
    }
    const auto sample = [sigma](double g) { return std::int16_t(std::clamp(g * sigma + 0.5, -32768.0, 32767.0)); };
    for (int i = 0; i < tilePixels; ++i) {
        std::int16_t* s = tile.get() + i * 3;
        if (row.colour) {
            const double g1 = gaussrand(), g2 = gaussrand(), g3 = gaussrand();
            s[0] = sample(g3);
            s[1] = sample(g2);
            s[2] = sample(g1);
        } else {
            s[0] = s[1] = s[2] = sample(gaussrand());
        }
    }

    // The tile is reused at random steps; later copies overwrite the ends of earlier ones.
    std::size_t position = 0;
    while (position < pixels) {
        const std::size_t count = std::min<std::size_t>(tilePixels, pixels - position);
        std::memcpy(noise + position * 3, tile.get(), count * 3 * sizeof(std::int16_t));
        position += std::size_t(filmRandom().next() % 30000 + 15000);
    }
    if (pixels > 0)
        fpResampleByScaleBicubic(noise, width, height, 3, scale);
    return 0;
}

int fpPhotoFilmGrain(FPParamInfo* info, std::uint8_t* bits, int width, int height, int stride)
{
    if (!info || !bits || width <= 0 || height <= 0)
        return 0;
    auto noise = Effects::allocate<std::int16_t>(std::size_t(width) * std::size_t(height) * 3);
    if (!noise)
        return -2;
    if (fpGenerateNoiseImage(noise.get(), width, height, info->grainModel, info->grainIntensity, info->grainSize) != 0)
        return -2;
    const std::uint8_t* weights = info->grainTable;
    if (!weights)
        return 0;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = bits + std::size_t(y) * std::size_t(stride);
        const std::int16_t* d = noise.get() + std::size_t(y) * width * 3;
        for (int x = 0; x < width; ++x, p += 3, d += 3) {
            const std::uint8_t* w = weights + ((p[2] >> 4) * 256 + (p[1] >> 4) * 16 + (p[0] >> 4)) * 3;
            for (int c = 0; c < 3; ++c)
                p[c] = Effects::clampByte(p[c] + ((d[c] * w[c]) >> 8));
        }
    }
    return 0;
}
