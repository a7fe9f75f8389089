#include "effects/RowBands.h"

#include <algorithm>
#include <cstdint>
#include <system_error>
#include <thread>
#include <vector>

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
    std::vector<std::thread> threads;
    std::vector<int> leftOver;
    threads.reserve(std::size_t(bands - 1));
    for (int k = 1; k < bands; ++k) {
        try {
            threads.emplace_back(job, rowBand(rows, bands, k));
        } catch (const std::system_error&) {
            leftOver.push_back(k);
        }
    }
    job(rowBand(rows, bands, 0));
    for (int k : leftOver)
        job(rowBand(rows, bands, k));
    for (std::thread& thread : threads)
        thread.join();
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
