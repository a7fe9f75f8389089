#include "effects/FilmData.h"

#include <cstring>
#include <memory>
#include <new>

namespace {

struct FilmDataCopy
{
    std::unique_ptr<std::uint8_t[]> bytes;
    int loads = 0;
};

FilmDataCopy& filmData()
{
    static FilmDataCopy copy;
    return copy;
}

} // namespace

int ExecuteFPEngine(const void* data, int size)
{
    if (size != FilmDataSize || !data)
        return -1;
    FilmDataCopy& copy = filmData();
    if (!copy.bytes) {
        copy.bytes.reset(new (std::nothrow) std::uint8_t[FilmDataSize]);
        if (!copy.bytes)
            return -2;
        std::memcpy(copy.bytes.get(), data, FilmDataSize);
    }
    ++copy.loads;
    return 0;
}

int FinishFPEngine()
{
    FilmDataCopy& copy = filmData();
    if (copy.loads > 0 && --copy.loads == 0)
        copy.bytes.reset();
    return 0;
}

const std::uint8_t* fpFilmColorTable(int index)
{
    const FilmDataCopy& copy = filmData();
    if (!copy.bytes || index < 0 || index >= FilmGrainTablesOffset / FilmColorTableSize)
        return nullptr;
    return copy.bytes.get() + index * FilmColorTableSize;
}

const std::uint8_t* fpFilmGrainTable(int model)
{
    const FilmDataCopy& copy = filmData();
    if (!copy.bytes || model < 1 || model > FilmGrainModels)
        return nullptr;
    return copy.bytes.get() + FilmGrainTablesOffset + (model - 1) * FilmGrainTableSize;
}
