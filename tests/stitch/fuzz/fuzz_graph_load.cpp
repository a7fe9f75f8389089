// Loads arbitrary bytes as a seam-graph file and reads every cost.
#include "FuzzFile.h"

#include "stitch/pyramid/CFileManager.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CFileManager files;
    files.SetTempDir(FuzzFile::folder().path());
    QString path;
    files.GetTotalTempFileName(7, path);
    if (!FuzzFile::write(path, data, size))
        return 0;
    unsigned short* costs = nullptr;
    int width = 0;
    int height = 0;
    if (files.LoadGraphFile(7, costs, width, height)) {
        unsigned sum = 0;
        for (long long i = 0; i < (long long)width * height; ++i)
            sum += costs[i];
        delete[] costs;
        (void)sum;
    }
    return 0;
}
