#pragma once
// A gallery's worth of candidates run in parallel, off the caller's thread.
//
// Slots are numbered in reading order and taken by a few worker threads in that order; each
// slot's result goes to the sink as soon as it is known, on the worker's thread (a window posts
// it on to its own). A slot whose candidate is dull tries the next attempt, up to
// kExploreAttempts; when every attempt was dull the slot still shows a picture rather than a hole
// or an endless search: the noise with the most structure, marked noise, or when none was noise
// the attempt that stayed alive longest, marked dull, run to the end.
//
// The start is shared read-only by the workers; each run copies it. Cancel (and the destructor)
// stops every run within one generation and returns only when no worker is left.

#include "explore/CandidateRun.h"

#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace vellicor {

// Noise is most of what random rules make, and most of it is found at K / 4. With this many tries
// a place, a 6 x 6 gallery of 100 x 100 cells from a random start fills in about 25 ms on two
// cores, and a gallery of nothing but noise, where every place tries them all, in about 0.12 s
// (the explorer's benchmark): more would make the worst case wait longer for noise.
inline constexpr int kExploreAttempts = 48;

// How a slot's picture is marked: every attempt was dull, and this is the best of them.
enum class SlotMark { None, Dull, Noise };

struct SlotResult {
    int slot = 0;
    RuleSet rules{};
    SlotMark mark = SlotMark::None;
    int attempts = 0;       // candidates run for the slot, this one included
    double structure = 0.0; // StructureFigure of last
    std::shared_ptr<const Automaton> last; // the cells after K generations
};

class Exploration {
public:
    using Sink = std::function<void(SlotResult)>;

    // threads < 1: one per core.
    Exploration(std::shared_ptr<const Automaton> start, ExplorePlan plan, int32_t generations, Sink sink,
                int threads = 0);
    ~Exploration();

    Exploration(const Exploration&) = delete;
    Exploration& operator=(const Exploration&) = delete;

    // Runs the slots up to slotCount (those already asked for are not run again).
    void Extend(int slotCount);
    // Returns when every slot asked for has gone to the sink.
    void Wait();
    // Stops the runs; when it returns no worker is left and the sink is not called again.
    void Cancel();

    int ActiveWorkers() const;
    const ExplorePlan& Plan() const { return plan_; }
    int32_t Generations() const { return generations_; }

private:
    void Work();
    bool RunSlot(int slot); // false when cancelled

    const std::shared_ptr<const Automaton> start_;
    const ExplorePlan plan_;
    const int32_t generations_;
    const Sink sink_;
    const int maxThreads_;
    std::atomic<bool> cancel_{false};
    mutable std::mutex mutex_;
    int nextSlot_ = 0; // guarded by mutex_, as are the two below
    int slotEnd_ = 0;
    int active_ = 0;
    std::vector<std::thread> threads_;
};

// A whole exploration on the caller's thread's behalf: slots 0 .. count - 1 in slot order.
std::vector<SlotResult> ExploreAll(const Automaton& start, const ExplorePlan& plan, int32_t generations, int count,
                                   int threads = 0);

} // namespace vellicor
