#include "effects/RowBands.h"

#include "concurrency/CpuExecutor.h"

#include <algorithm>
#include <cstdint>
#include <thread>

namespace Effects {

namespace {

constexpr std::int64_t PixelsPerBand = 256 * 1024;
constexpr int RowsPerBand = 16;
constexpr int MaximumBands = 64;

} // namespace

RowBand rowBand(int rows, int bands, int band)
{
    const auto edge = [&](int k) { return int(std::int64_t(rows) * k / bands); };
    return {band, edge(band), edge(band + 1)};
}

void runRowBands(int rows, int bands, const std::function<void(const RowBand&)>& job)
{
    bands = std::max(bands, 1);
    if (bands == 1) {
        job(rowBand(rows, 1, 0));
        return;
    }
    CpuExecutor::shared().forEach(bands, [&](int k) { job(rowBand(rows, bands, k)); });
}

int rowBandCount(int width, int height, int requested)
{
    if (width <= 0 || height <= 0)
        return 1;
    if (requested > 0)
        return std::min({requested, height, MaximumBands});
    const std::int64_t cores = std::max(1u, std::thread::hardware_concurrency());
    const std::int64_t bands = std::min({cores, std::int64_t(width) * height / PixelsPerBand, std::int64_t(height / RowsPerBand)});
    return int(std::max<std::int64_t>(bands, 1));
}

} // namespace Effects
