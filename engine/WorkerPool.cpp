#include "engine/WorkerPool.h"

#include <algorithm>

namespace vellicor {

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
        unfinished_ = static_cast<int>(workers_.size());
        ++job_;
    }
    started_.notify_all();
    part(0);
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return unfinished_ == 0; });
    part_ = nullptr;
}

void WorkerPool::Work(int index)
{
    uint64_t done = 0;
    for (;;) {
        const std::function<void(int)>* part = nullptr;
        {
            std::unique_lock lock(mutex_);
            started_.wait(lock, [&] { return stopping_ || job_ != done; });
            if (stopping_)
                return;
            done = job_;
            part = part_;
        }
        (*part)(index);
        bool last = false;
        {
            std::lock_guard lock(mutex_);
            last = --unfinished_ == 0;
        }
        if (last)
            finished_.notify_one();
    }
}

} // namespace vellicor
