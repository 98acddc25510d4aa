#pragma once
// The run of vellicor-render: the program's own settings, initialisations, selection-file load,
// geometry and generation step, so that a run here gives the cells a run in the program gives
// from the same start; then the output file, written whole or not at all.

#include "render/RenderOptions.h"

#include <functional>
#include <optional>
#include <string>

namespace vellicor {

// Told the generations done so far and the total, every few hundred generations.
using RenderProgress = std::function<void(int64_t done, int64_t total)>;

// Nothing when the output file was written; otherwise one line saying why it was not.
std::optional<std::string> Render(const RenderOptions& options, const RenderProgress& progress = {});

} // namespace vellicor
