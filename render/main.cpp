// vellicor-render: the automaton without a window, for scripts and batch work. See --help.

#include "render/RenderOptions.h"
#include "render/Renderer.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    using namespace vellicor;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const auto parsed = ParseRenderOptions(arguments);
    if (const auto* refused = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "vellicor-render: %s\n", refused->c_str());
        return 2;
    }
    const RenderOptions& options = std::get<RenderOptions>(parsed);
    if (options.help) {
        std::fwrite(RenderUsage().data(), 1, RenderUsage().size(), stdout);
        return 0;
    }

    // Progress only once the run has taken a second, and then a few times a second, on one line.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    Clock::time_point shown{};
    bool anyShown = false;
    const auto progress = [&](int64_t done, int64_t total) {
        const Clock::time_point now = Clock::now();
        if (options.quiet || now - start < std::chrono::seconds(1) || (anyShown && now - shown < std::chrono::milliseconds(200)))
            return;
        std::fprintf(stderr, "\rvellicor-render: generation %lld of %lld", static_cast<long long>(done),
                     static_cast<long long>(total));
        shown = now;
        anyShown = true;
    };
    const std::optional<std::string> failure = Render(options, progress);
    if (anyShown)
        std::fputc('\n', stderr);
    if (failure) {
        std::fprintf(stderr, "vellicor-render: %s\n", failure->c_str());
        return 1;
    }
    return 0;
}
