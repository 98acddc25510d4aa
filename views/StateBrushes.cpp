#include "views/StateBrushes.h"

#include "views/ArrayImage.h"

namespace vellicor {

void BuildStateBrushes(StateBrushes& brushes, const uint32_t crStateColor[kStateCount])
{
    for (int s = 0; s < kStateCount; ++s)
        brushes.hStateBrush[s] = QBrush(ColorOfStateEntry(crStateColor[s]));
}

} // namespace vellicor
