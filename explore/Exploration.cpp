#include "explore/Exploration.h"

#include <algorithm>

namespace vellicor {

Exploration::Exploration(std::shared_ptr<const Automaton> start, ExplorePlan plan, int32_t generations, Sink sink,
                         int threads)
    : start_(std::move(start)), plan_(plan), generations_(std::max(generations, 1)), sink_(std::move(sink)),
      maxThreads_(threads > 0 ? threads : static_cast<int>(std::max(1u, std::thread::hardware_concurrency())))
{
}

Exploration::~Exploration() { Cancel(); }

void Exploration::Extend(int slotCount)
{
    std::lock_guard lock(mutex_);
    if (cancel_ || slotCount <= slotEnd_)
        return;
    slotEnd_ = slotCount;
    while (active_ < maxThreads_ && active_ < slotEnd_ - nextSlot_) {
        ++active_;
        threads_.emplace_back([this] { Work(); });
    }
}

void Exploration::Work()
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
        RunSlot(slot);
    }
}

bool Exploration::RunSlot(int slot)
{
    auto run = std::make_shared<Automaton>();
    // The best dull attempt so far: any noise beats the other kinds, which show little or nothing.
    RuleSet best{};
    SlotMark bestMark = SlotMark::Dull;
    RunOutcome bestOutcome{RunVerdict::DiesOut, -1};
    for (int attempt = 0; attempt < kExploreAttempts; ++attempt) {
        const RuleSet rules = MakeCandidate(plan_, slot, attempt);
        *run = *start_;
        PrepareCandidate(*run, rules);
        const RunOutcome outcome = RunCandidate(*run, generations_, true, &cancel_);
        if (outcome.verdict == RunVerdict::Cancelled)
            return false;
        if (outcome.verdict == RunVerdict::Lively) {
            sink_({slot, rules, SlotMark::None, attempt + 1, outcome.structure, std::move(run)});
            return true;
        }
        const bool noise = outcome.verdict == RunVerdict::Noise;
        const bool better = noise ? bestMark == SlotMark::Dull || outcome.structure > bestOutcome.structure
                                  : bestMark == SlotMark::Dull && outcome.generations > bestOutcome.generations;
        if (better) {
            best = rules;
            bestMark = noise ? SlotMark::Noise : SlotMark::Dull;
            bestOutcome = outcome;
        }
    }
    *run = *start_;
    PrepareCandidate(*run, best);
    const RunOutcome shown = RunCandidate(*run, generations_, false, &cancel_);
    if (shown.verdict == RunVerdict::Cancelled)
        return false;
    sink_({slot, best, bestMark, kExploreAttempts, shown.structure, std::move(run)});
    return true;
}

void Exploration::Wait()
{
    std::vector<std::thread> threads;
    {
        std::lock_guard lock(mutex_);
        threads.swap(threads_);
    }
    for (std::thread& t : threads)
        t.join();
}

void Exploration::Cancel()
{
    cancel_ = true;
    Wait();
}

int Exploration::ActiveWorkers() const
{
    std::lock_guard lock(mutex_);
    return active_;
}

std::vector<SlotResult> ExploreAll(const Automaton& start, const ExplorePlan& plan, int32_t generations, int count,
                                   int threads)
{
    std::vector<SlotResult> results(static_cast<size_t>(std::max(count, 0)));
    std::mutex mutex;
    Exploration exploration(std::make_shared<Automaton>(start), plan, generations,
                            [&](SlotResult r) {
                                std::lock_guard lock(mutex);
                                results[static_cast<size_t>(r.slot)] = std::move(r);
                            },
                            threads);
    exploration.Extend(count);
    exploration.Wait();
    return results;
}

} // namespace vellicor
