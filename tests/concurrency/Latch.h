#pragma once

// Counts down to zero, for tests that wait on work handed to other
// threads. wait() returns false when zero does not come in time: a hang is
// a failure, not a stuck test run.

#include <chrono>
#include <condition_variable>
#include <mutex>

class Latch
{
public:
    explicit Latch(int count)
        : count(count)
    {
    }
    void arrive()
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (--count == 0)
            zero.notify_all();
    }
    bool wait(std::chrono::milliseconds limit = std::chrono::seconds(60))
    {
        std::unique_lock<std::mutex> lock(mutex);
        return zero.wait_for(lock, limit, [this] { return count <= 0; });
    }

private:
    std::mutex mutex;
    std::condition_variable zero;
    int count;
};
