#pragma once

// The verdict of a ThreadSanitizer program (tests/*/tsan): each check that
// fails is named on stderr, and the program exits with 1 when one did.
// ThreadSanitizer itself makes the exit code 66 when it reports a race.

#include <atomic>
#include <cstdio>

namespace TsanCheck {

inline std::atomic<int>& failures()
{
    static std::atomic<int> count{0};
    return count;
}

inline void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "FAIL: %s\n", what);
        ++failures();
    }
}

// Says how the program went; its exit code.
inline int verdict(const char* program)
{
    std::printf("%s: %s\n", program, failures() ? "FAILED" : "passed");
    return failures() ? 1 : 0;
}

} // namespace TsanCheck
