#include "explore/SlotWorkers.h"

#include <algorithm>

namespace vellicor {

SlotWorkers::SlotWorkers(Work work, int threads)
    : work_(std::move(work)),
      maxThreads_(threads > 0 ? threads : static_cast<int>(std::max(1u, std::thread::hardware_concurrency())))
{
}

SlotWorkers::~SlotWorkers() { Cancel(); }

void SlotWorkers::Extend(int slotCount)
{
    std::lock_guard lock(mutex_);
    if (cancel_ || slotCount <= slotEnd_)
        return;
    slotEnd_ = slotCount;
    while (active_ < maxThreads_ && active_ < slotEnd_ - nextSlot_) {
        ++active_;
        threads_.emplace_back([this] { Run(); });
    }
}

void SlotWorkers::Run()
{
    for (;;) {
        int slot = 0;
        {
            std::lock_guard lock(mutex_);
            if (cancel_ || nextSlot_ >= slotEnd_) {
                --active_;
                return;
            }
            slot = nextSlot_++;
        }
        if (!work_(slot, cancel_)) {
            std::lock_guard lock(mutex_);
            --active_;
            return;
        }
    }
}

void SlotWorkers::Wait()
{
    std::vector<std::thread> threads;
    {
        std::lock_guard lock(mutex_);
        threads.swap(threads_);
    }
    for (std::thread& t : threads)
        t.join();
}

void SlotWorkers::Cancel()
{
    cancel_ = true;
    Wait();
}

int SlotWorkers::ActiveWorkers() const
{
    std::lock_guard lock(mutex_);
    return active_;
}

} // namespace vellicor
