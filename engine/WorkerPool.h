#pragma once
// Threads that wait for work and run the parts of one job together, the calling thread among
// them: the threads are made once, not at every generation.
//
// A job of a large field takes a fraction of a millisecond, about what waking a sleeping thread
// can cost, so a thread that has just finished first spins for a few tens of microseconds on
// the job counter (yielding between short bursts, so that on a busy machine the thread it waits
// for can have the core), then sleeps on the condition variable: steady runs never sleep, an
// idle pool takes no processor time.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace vellicor {

class WorkerPool {
public:
    // threads in all, the caller of Run included; at least 1.
    explicit WorkerPool(int threads);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    int Threads() const { return static_cast<int>(workers_.size()) + 1; }

    // part(0) .. part(Threads() - 1), each on its own thread; returns when all have finished.
    // One Run at a time.
    void Run(const std::function<void(int)>& part);

private:
    void Work(int index);

    std::vector<std::thread> workers_;
    std::mutex mutex_;
    std::condition_variable started_;
    std::condition_variable finished_;
    const std::function<void(int)>* part_ = nullptr;
    std::atomic<uint64_t> job_{0};     // counts the jobs started, so a worker never runs one twice
    std::atomic<int> unfinished_{0};   // workers still on the current job
    bool stopping_ = false;            // under mutex_
};

} // namespace vellicor
