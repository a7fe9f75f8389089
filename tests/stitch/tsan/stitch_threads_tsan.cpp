// Runs the stitching library's main road under ThreadSanitizer with its
// worker threads (four at most) and on one thread, on a row and a 2 x 2
// tile; before that, loops started from two threads at once and from
// inside a loop. Exits with 1 when the two decide differently or the road fails,
// and 77 (skipped) without the photograph; ThreadSanitizer makes the exit
// code 66 when it reports a race.
#include "RoadRecord.h"
#include "SyntheticViews.h"

#include "stitch/threads/StitchThreads.h"

#include <QGuiApplication>

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString path = SyntheticViews::photoPath();
    if (path.isEmpty()) {
        std::puts("mate-backgrounds is not installed: skipped");
        return 77;
    }
    const QImage photo(path);
    struct Case
    {
        const char* name;
        int style, cols, rows, width;
        bool hard;
    };
    const Case cases[] = {{"row of 3", 0, 3, 1, 320, false}, {"2 x 2 tile, rolled", 3, 2, 2, 320, true}};
    int failures = 0;
    {
        StitchThreads::SetLimit(4);
        constexpr int kOuter = 30, kInner = 40;
        std::vector<std::atomic<int>> first(kOuter * kInner), second(kOuter * kInner);
        auto nested = [&](std::vector<std::atomic<int>>& visits) {
            for (int round = 0; round < 20; ++round)
                StitchThreads::For(kOuter, [&](int i) {
                    StitchThreads::For(kInner, [&](int j) { visits[size_t(i * kInner + j)].fetch_add(1); });
                });
        };
        std::thread other([&] { nested(second); });
        nested(first);
        other.join();
        bool once = true;
        for (int i = 0; i < kOuter * kInner; ++i)
            once = once && first[size_t(i)].load() == 20 && second[size_t(i)].load() == 20;
        std::printf("loops at once: %s\n", once ? "every index once a round" : "WRONG");
        failures += once ? 0 : 1;
    }
    for (const Case& c : cases) {
        StitchThreads::SetLimit(1);
        const RoadRecord one = RecordRoad(photo, c.style, c.cols, c.rows, c.width, c.hard, 0);
        StitchThreads::SetLimit(4);
        const RoadRecord several = RecordRoad(photo, c.style, c.cols, c.rows, c.width, c.hard, 0);
        const bool same = one.text == several.text && one.progress == several.progress
                          && one.lockCalls == several.lockCalls && one.text.contains("stitch 0:");
        std::printf("%s: %s\n", c.name, same ? "same" : "DIFFERENT");
        if (!same) {
            std::printf("-- one thread\n%s-- several\n%s", one.text.constData(), several.text.constData());
            ++failures;
        }
    }
    std::printf("%d passed, %d failed\n", int(std::size(cases)) + 1 - failures, failures);
    return failures ? 1 : 0;
}
