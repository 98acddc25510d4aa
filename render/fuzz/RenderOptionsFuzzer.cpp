// libFuzzer entry for the renderer's command line: the bytes split at NUL into arguments, as the
// system hands them to main. Whatever they are, the parser returns either a reason or options
// whose every number lies in the range the renderer relies on. Built only with -DVELLICOR_FUZZ=ON.

#include "render/RenderOptions.h"

#include "engine/Automaton.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using vellicor::RenderOptions;

const char* BrokenPromise(const RenderOptions& o)
{
    if (o.help)
        return nullptr;
    if (o.outputPath.empty())
        return "options without an output file";
    if (o.scale < 1 || o.scale > vellicor::kMaxRenderScale)
        return "scale out of range";
    if (o.delay < 0 || o.delay > vellicor::kMaxRenderDelay)
        return "delay out of range";
    if (o.generations < 0 || o.generations > vellicor::kMaxRenderGenerations)
        return "generations out of range";
    if (o.atX < 1 || o.atX > 100 || o.atY < 1 || o.atY > 100)
        return "--at out of the array";
    if (o.explore < 0 || o.explore > vellicor::kMaxExploreCandidates)
        return "explore out of range";
    if (o.states < 2 || o.states > vellicor::kStateCount)
        return "states out of range";
    if (o.explore > 0 && (o.output != RenderOptions::Output::Png || o.generations < 1))
        return "explore without a .png or without generations";
    return nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> arguments(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            arguments.emplace_back();
        else
            arguments.back() += static_cast<char>(data[i]);
    }
    const auto parsed = vellicor::ParseRenderOptions(arguments);
    if (const auto* message = std::get_if<std::string>(&parsed)) {
        if (message->empty()) {
            std::fprintf(stderr, "refused without a reason\n");
            std::abort();
        }
    } else if (const char* broken = BrokenPromise(std::get<RenderOptions>(parsed))) {
        std::fprintf(stderr, "%s\n", broken);
        std::abort();
    }
    return 0;
}
