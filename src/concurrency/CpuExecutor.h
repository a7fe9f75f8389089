#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// The threads for CPU work outside the stitching library (which keeps a
// pool of its own so that it needs nothing of ours): picture renders and
// the decodes a project read starts ahead, the effect library's bands of
// rows, montage tiles and panorama photos.
//
// A fixed set of plain std::threads (so that ThreadSanitizer sees every
// hand-over), all started when the first work arrives and kept until the
// executor goes: no call starts a thread of its own.
//
// At most threadCount() threads run work at once, counting every thread
// that takes part: the workers, and a thread from outside (a montage or
// stitch worker, a test's main thread) while it runs its share of a loop.
// A loop started inside a task runs on that task's thread plus whatever
// workers are free, and its caller works through the loop's indices rather
// than wait for a worker: loops nest to any depth without adding threads,
// and a loop started while every worker is busy still ends.
class CpuExecutor
{
public:
    // The program's executor: one thread per core, at least two (a decode
    // waiting on the disk then holds up no render), a little below the
    // priority of the thread that first uses it.
    static CpuExecutor& shared();

    // `threads` at least 1. With `background` the workers run a little
    // below normal priority, so that a window busy rendering still answers
    // the mouse at once.
    explicit CpuExecutor(int threads, bool background = false);
    // Runs the tasks still queued, then joins every thread.
    ~CpuExecutor();
    CpuExecutor(const CpuExecutor&) = delete;
    CpuExecutor& operator=(const CpuExecutor&) = delete;

    // The most threads that run work at once.
    int threadCount() const { return maxThreads; }

    // Queues `task`. Tasks start in the order they came; a free worker
    // first helps the loops under way. Any thread; the caller must hold no
    // lock the task takes (when not one thread could be started the task
    // runs here, at once). The task must not throw.
    void submit(std::function<void()> task);

    // Calls body(i) once for every i in [0, count), each thread taking part
    // taking the next index not yet taken, and returns when all are done.
    // At most `lanes` threads (0: threadCount()) work on the loop at once;
    // one lane runs it all on the calling thread. A caller that holds a
    // thread's slot (a worker, or any thread inside a loop's body) always
    // takes part; another caller takes part when it finds a slot free, and
    // else waits for the workers. Any thread, also inside a task or
    // another loop's body. body must not throw.
    void forEach(int count, const std::function<void(int)>& body, int lanes = 0);

    // What runs, for tests and benchmarks.
    struct Load
    {
        int threads = 0;     // workers started
        int running = 0;     // threads running work now
        int peakRunning = 0; // the most at once since the last resetPeak()
    };
    Load load() const;
    void resetPeak();

private:
    struct Loop;

    void work();
    void startThreads();
    Loop* openLoop() const;
    void enter();

    mutable std::mutex mutex;
    std::condition_variable wake;    // workers: work to take
    std::condition_variable settled; // callers: a loop's helper done, or a slot free
    std::deque<std::function<void()>> tasks;
    std::vector<Loop*> loops; // loops that may take more threads, oldest first
    std::vector<std::thread> threads;
    const int maxThreads;
    const bool background;
    int running = 0;
    int peakRunning = 0;
    int callersWaiting = 0;
    bool started = false;
    bool stopping = false;
};
