#pragma once

// Film grain: Gaussian noise drawn into a 300 x 200 tile, laid over the
// picture in overlapping copies at random steps, enlarged from a random crop
// (coarser for larger grain sizes), then added to each pixel weighted by the
// grain table entry of its colour.
//
// The random draws come from a generator of the grain's own, seeded with the
// model number at every generation: the same settings give the same grain,
// and the process's rand() is left alone. Per thread; no locks.

#include <cstdint>

struct FPParamInfo;

// Adds the grain of info's grainModel, grainIntensity, grainSize and
// grainTable to 24-bit pixels. 0, or -2 when the noise cannot be allocated
// (the picture is then unchanged).
int fpPhotoFilmGrain(FPParamInfo* info, std::uint8_t* bits, int width, int height, int stride);

// Fills width x height x 3 signed samples (pixel (x, y) at (y x width + x) x 3).
// Returns 0, or -2 when working memory is short (the samples are then zero).
int fpGenerateNoiseImage(std::int16_t* noise, int width, int height, int model, int intensity, double size);

// Enlarge a random crop of width / scale by height / scale pixels back to
// the full size, in place: four B-spline taps from scale 2 up, two linear
// taps below. 0; -1 for a scale below 1; -2 when memory is short.
int fpResampleByScaleBicubic(std::int16_t* noise, int width, int height, int channels, double scale);
int fpResampleByScale(std::int16_t* noise, int width, int height, int channels, double scale);

// The cubic B-spline kernel.
double CubicWeight(double x);

// A standard normal number (polar method) and a uniform one in [-1, 1],
// from the grain's generator.
double gaussrand();
double averagerand();

// Default grain size of a picture (modes 0, 1, 2). Returns 0.
int GetFilmDefaultGrainSize(double* out, int width, int height, int mode);

// The grain's generator: the additive feedback sequence of the C library's
// rand() (outputs 0..2147483647), so a given seed gives the familiar numbers.
class FilmRandom
{
public:
    explicit FilmRandom(unsigned seed = 1) { reseed(seed); }
    void reseed(unsigned seed);
    int next();

private:
    std::int32_t m_state[34];
    int m_index = 0;
};

// The calling thread's grain generator.
FilmRandom& filmRandom();
