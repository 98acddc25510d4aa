#pragma once
// A few worker threads that run numbered slots, in slot order, off the caller's thread: the rule
// explorer's candidates and the collection's thumbnails. The work of one slot reads the cancel
// flag as often as it can and returns false when it stopped on it.
//
// Extend asks for more slots (those already asked for are not run again); threads start only as
// long as slots wait for them. Cancel (and the destructor) stops every slot within the work's
// next look at the flag and returns only when no worker is left.

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace vellicor {

class SlotWorkers {
public:
    using Work = std::function<bool(int slot, const std::atomic<bool>& cancel)>;

    // threads < 1: one per core.
    explicit SlotWorkers(Work work, int threads = 0);
    ~SlotWorkers();

    SlotWorkers(const SlotWorkers&) = delete;
    SlotWorkers& operator=(const SlotWorkers&) = delete;

    // Runs the slots up to slotCount.
    void Extend(int slotCount);
    // Returns when every slot asked for has been run.
    void Wait();
    // Stops the runs; when it returns no worker is left and the work is not called again.
    void Cancel();

    int ActiveWorkers() const;

private:
    void Run();

    const Work work_;
    const int maxThreads_;
    std::atomic<bool> cancel_{false};
    mutable std::mutex mutex_;
    int nextSlot_ = 0; // guarded by mutex_, as are the two below
    int slotEnd_ = 0;
    int active_ = 0;
    std::vector<std::thread> threads_;
};

} // namespace vellicor
