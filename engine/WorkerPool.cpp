#include "engine/WorkerPool.h"

#include <algorithm>
#include <chrono>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace vellicor {

namespace {

constexpr auto kSpinTime = std::chrono::microseconds(50);

// True as soon as done() holds, false when it still does not after kSpinTime.
template <class Done>
bool SpinUntil(Done done)
{
    const auto end = std::chrono::steady_clock::now() + kSpinTime;
    for (;;) {
        for (int i = 0; i < 64; ++i) {
            if (done())
                return true;
#if defined(__x86_64__)
            _mm_pause();
#endif
        }
        if (std::chrono::steady_clock::now() >= end)
            return done();
        // On a busy machine the thread being waited for may need this core.
        std::this_thread::yield();
    }
}

} // namespace

WorkerPool::WorkerPool(int threads)
{
    const int extra = std::max(threads, 1) - 1;
    workers_.reserve(static_cast<size_t>(extra));
    for (int i = 0; i < extra; ++i)
        workers_.emplace_back([this, i] { Work(i + 1); });
}

WorkerPool::~WorkerPool()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        job_.fetch_add(1, std::memory_order_release); // spinning workers look at the counter only
    }
    started_.notify_all();
    for (std::thread& worker : workers_)
        worker.join();
}

void WorkerPool::Run(const std::function<void(int)>& part)
{
    if (workers_.empty()) {
        part(0);
        return;
    }
    {
        std::lock_guard lock(mutex_);
        part_ = &part;
        unfinished_.store(static_cast<int>(workers_.size()), std::memory_order_relaxed);
        job_.fetch_add(1, std::memory_order_release);
    }
    started_.notify_all();
    part(0);
    auto allFinished = [this] { return unfinished_.load(std::memory_order_acquire) == 0; };
    if (!SpinUntil(allFinished)) {
        std::unique_lock lock(mutex_);
        finished_.wait(lock, allFinished);
    }
}

void WorkerPool::Work(int index)
{
    uint64_t done = 0;
    for (;;) {
        auto started = [&] { return job_.load(std::memory_order_acquire) != done; };
        if (!SpinUntil(started)) {
            std::unique_lock lock(mutex_);
            started_.wait(lock, started);
        }
        const std::function<void(int)>* part = nullptr;
        {
            std::lock_guard lock(mutex_);
            if (stopping_)
                return;
            done = job_.load(std::memory_order_relaxed);
            part = part_;
        }
        (*part)(index);
        if (unfinished_.fetch_sub(1, std::memory_order_acq_rel) == 1) {
            // Under the mutex, so that Run cannot miss it between its test and its wait.
            std::lock_guard lock(mutex_);
            finished_.notify_one();
        }
    }
}

} // namespace vellicor
