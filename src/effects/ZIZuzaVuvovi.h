#pragma once

// The picture effect pipeline: one fixed chain of effects run in place over
// 24-bit pixels stored blue, green, red (a QImage::Format_BGR888 buffer).
// Steps, in order, each skipped at its default: vibrance; contrast and
// saturation; brightness and sharpness (the first run that needs them makes
// the tone context and analyses that picture's exposure once); gamma; white
// balance; colour conversion; photo filter; lens blur; vignetting.
//
// Each canvas picture owns one engine, made with its source size. The
// engine's mutex is held by setEngineParam, for the whole of runLomo and
// during destruction, so parameters never change during a run and one
// engine never runs two chains at once; different engines share no state.
// Large pictures are split into bands of rows run on several threads; the
// result never depends on the number of threads.

#include "effects/ZIZuzaVuvoviParam.h"

#include <cstddef>
#include <cstdint>
#include <mutex>

struct ACE_EXP_CONTEXT;
struct AWB_WHITEBALANCE_CONTEXT;

class ZIZuzaVuvovi
{
public:
    ZIZuzaVuvovi(int width, int height);
    ~ZIZuzaVuvovi();
    ZIZuzaVuvovi(const ZIZuzaVuvovi&) = delete;
    ZIZuzaVuvovi& operator=(const ZIZuzaVuvovi&) = delete;

    void setEngineParam(const ZIZuzaVuvoviParam& param);

    // Runs the chain in place on `height` rows of `width` pixels, rows
    // `bytesPerLine` bytes apart; bytes past 3 x width in a row are never
    // changed. Returns true, also when nothing was to be done; false, with
    // the buffer untouched, for a buffer the engine cannot take: no bits,
    // rows shorter than 3 x width, or a picture wider or higher than the
    // engine was made for or with rows longer than its padded 24-bit rows.
    // The six fine-tune values are held to their slider ranges for the run;
    // the engine's record keeps what was set.
    bool runLomo(unsigned char* bits, int width, int height, int bytesPerLine);

    // The same chain step by step through the plain operations, exactly as
    // the steps are defined; runLomo must give the same bytes. Kept for the
    // tests and as the readable statement of the chain.
    bool runLomoReference(unsigned char* bits, int width, int height, int bytesPerLine);

    // Threads a run may use: 0 (the default) picks by picture size and the
    // machine, 1 runs everything on the calling thread.
    void setThreadCount(int threads);

    // Tone operations of the engine, on B, G, R pixels rows `stride` apart.
    // src and dst may be the same buffer. Vibrance -100..100 (clamped)
    // makes colours stronger (positive) or greyer (negative); images whose
    // stride is below 3 x width are left alone.
    void vibrance(unsigned char* src, unsigned char* dst, int width, int height, int stride, int value);
    // Every pixel byte through the table of exponent `gamma`.
    void gammaTransform(unsigned char* src, unsigned char* dst, int width, int height, int stride, float gamma);
    // Sepia tone, in place.
    void oldPhoto(unsigned char* bits, int width, int height, int stride);
    // Gamma exponent of a gamma setting: -20..100 maps onto 0.1..5.0;
    // settings outside act as the nearer end.
    static float roundGamma(int value);
    // Lens-blur levels of a lens-blur setting: trunc(value x 0.07).
    static int roundLensBlur(int value);
    // Makes the tone context and analyses the picture's exposure, once in
    // the engine's life. Returns 0. Takes the engine's lock.
    int analysisExposure(unsigned char* bits, int width, int height, int stride);
    // The swap buffer of the engine's size, allocated on first need; null
    // when memory is short. Takes the engine's lock; the buffer belongs to
    // the engine and is overwritten by runs with lens blur.
    unsigned char* swapingData();

private:
    enum class Path { Fast, Reference };
    bool run(unsigned char* bits, int width, int height, int bytesPerLine, Path path);
    bool acceptable(const unsigned char* bits, int width, int height, int bytesPerLine) const;
    std::size_t swapBytes() const;
    void runReference(unsigned char* bits, int width, int height, int bytesPerLine, const ZIZuzaVuvoviParam& param);
    void runFast(unsigned char* bits, int width, int height, int bytesPerLine, const ZIZuzaVuvoviParam& param);
    bool needsExposureContext(const ZIZuzaVuvoviParam& param) const;
    // The unlocked forms of analysisExposure and swapingData, for the run.
    void primeExposure(unsigned char* bits, int width, int height, int stride);
    unsigned char* swapSpace();
    AWB_WHITEBALANCE_CONTEXT* whiteBalance();
    void lensBlurAndVignetting(unsigned char* bits, int width, int height, int bytesPerLine, const ZIZuzaVuvoviParam& param);

    ACE_EXP_CONTEXT* exposureContext = nullptr;
    AWB_WHITEBALANCE_CONTEXT* whiteBalanceContext = nullptr;
    int width;
    int height;
    unsigned char* swapBuffer = nullptr;
    ZIZuzaVuvoviParam param;
    int threadCount = 0;
    // std::mutex rather than QBasicMutex: same non-recursive lock, and
    // ThreadSanitizer sees it.
    std::mutex mutex;
};

// A random factor in [0.5, 1.5).
double noise();

// weight x a + (1 - weight) x b.
double colorBlend(double weight, double a, double b);
