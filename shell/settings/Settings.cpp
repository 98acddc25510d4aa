#include "shell/settings/Settings.h"

#include <algorithm>
#include <iterator>

namespace vellicor {

Settings::Settings(int32_t quorrelEdition) : bQuorrelEdition(quorrelEdition)
{
    std::copy(std::begin(kDefaultRed), std::end(kDefaultRed), byRColor);
    std::copy(std::begin(kDefaultGreen), std::end(kDefaultGreen), byGColor);
    std::copy(std::begin(kDefaultBlue), std::end(kDefaultBlue), byBColor);
    BuildPalette(*this);
    ChooseHelpFile(*this);
}

void ChooseHelpFile(Settings& settings)
{
    if (settings.bQuorrelEdition != 0)
        settings.szHelpFile = "QRLUS.HLP"; // one help for both languages
    else
        settings.szHelpFile = settings.iLanguage == 1 ? "VLRUS.HLP" : "VLRFR.HLP";
}

void BuildPalette(Settings& settings)
{
    for (int s = 0; s < kStateCount; ++s) {
        const auto lowByte = [](int32_t component) { return static_cast<uint32_t>(component) & 0xFFu; };
        settings.crStateColor[s] = lowByte(settings.byRColor[s]) | lowByte(settings.byGColor[s]) << 8
            | lowByte(settings.byBColor[s]) << 16;
    }
}

void ComputeDefaultLayout(DefaultLayout& layout, int32_t mainClientHeight, int32_t bIconBarOn)
{
    const int32_t h = std::clamp<int32_t>(mainClientHeight, 0, 1 << 20);
    const int32_t top = bIconBarOn != 0 ? 32 : 0;
    const int32_t viewHeight = std::max(0, h - 32);
    layout.info = {0, top + 144, 130, std::max(0, h - 176)};
    layout.matrix = {130, top, 310, viewHeight};
    layout.mosaic = {440, top, 193, viewHeight / 2};
    layout.multiBitmap = {440, top + viewHeight / 2, 193, viewHeight / 2};
}

void ResetAutomaton(Model& model)
{
    // ResetRun covers the level, the change counter, the incremental paint, the first tile with
    // its geometry and the cell total; the origin must be in place before the cell size.
    ResetRun(model.automaton);
    model.cells.iOriginX = 10;
    model.cells.iOriginY = 10;
    ComputeCellSize(model.cells, model.automaton);
    ChooseHelpFile(model.settings);
}

} // namespace vellicor
