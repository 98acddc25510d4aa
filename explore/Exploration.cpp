#include "explore/Exploration.h"

#include <algorithm>
#include <mutex>

namespace vellicor {

Exploration::Exploration(std::shared_ptr<const Automaton> start, ExplorePlan plan, int32_t generations, Sink sink,
                         int threads)
    : start_(std::move(start)), plan_(plan), generations_(std::max(generations, 1)), sink_(std::move(sink)),
      workers_([this](int slot, const std::atomic<bool>& cancel) { return RunSlot(slot, cancel); }, threads)
{
}

Exploration::~Exploration() { Cancel(); }

bool Exploration::RunSlot(int slot, const std::atomic<bool>& cancel)
{
    auto run = std::make_shared<Automaton>();
    RuleSet best{};
    int32_t bestGenerations = -1;
    for (int attempt = 0; attempt < kExploreAttempts; ++attempt) {
        const RuleSet rules = MakeCandidate(plan_, slot, attempt);
        *run = *start_;
        PrepareCandidate(*run, rules);
        const RunOutcome outcome = RunCandidate(*run, generations_, true, &cancel);
        if (outcome.verdict == RunVerdict::Cancelled)
            return false;
        if (outcome.verdict == RunVerdict::Lively) {
            sink_({slot, rules, false, attempt + 1, std::move(run)});
            return true;
        }
        if (outcome.generations > bestGenerations) {
            best = rules;
            bestGenerations = outcome.generations;
        }
    }
    *run = *start_;
    PrepareCandidate(*run, best);
    if (RunCandidate(*run, generations_, false, &cancel).verdict == RunVerdict::Cancelled)
        return false;
    sink_({slot, best, true, kExploreAttempts, std::move(run)});
    return true;
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
