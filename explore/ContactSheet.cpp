#include "explore/ContactSheet.h"

#include "explore/Exploration.h"

#include <algorithm>
#include <charconv>

namespace vellicor {

SheetLayout ContactSheetLayout(int count, int tileWidth, int tileHeight)
{
    SheetLayout layout;
    if (count <= 0)
        return layout;
    // The smallest whole number whose square holds count, without floating point.
    while (layout.columns * layout.columns < count)
        ++layout.columns;
    layout.rows = (count + layout.columns - 1) / layout.columns;
    layout.tileWidth = tileWidth;
    layout.tileHeight = tileHeight;
    layout.width = kSheetMargin + layout.columns * (tileWidth + kSheetMargin);
    layout.height = kSheetMargin + layout.rows * (tileHeight + kSheetMargin);
    return layout;
}

SheetPicture ComposeContactSheet(const std::vector<const Automaton*>& tiles, const uint32_t crStateColor[kStateCount],
                                 int scale)
{
    SheetPicture sheet;
    if (tiles.empty())
        return sheet;
    scale = std::max(scale, 1);
    const int columns = EffectiveMaxHor(*tiles.front()) - 1;
    const int rows = EffectiveMaxVer(*tiles.front()) - 1;
    const SheetLayout layout = ContactSheetLayout(static_cast<int>(tiles.size()), columns * scale, rows * scale);
    sheet.width = layout.width;
    sheet.height = layout.height;
    sheet.pixels.assign(static_cast<size_t>(sheet.width) * static_cast<size_t>(sheet.height), kSheetGround);
    uint32_t colors[kStateCount];
    for (int s = 0; s < kStateCount; ++s) {
        const uint32_t c = crStateColor[s];
        colors[s] = 0xFF000000u | (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
    }
    for (size_t i = 0; i < tiles.size(); ++i) {
        const int left = kSheetMargin + static_cast<int>(i) % layout.columns * (layout.tileWidth + kSheetMargin);
        const int top = kSheetMargin + static_cast<int>(i) / layout.columns * (layout.tileHeight + kSheetMargin);
        for (int py = 0; py < layout.tileHeight; ++py) {
            const size_t row = static_cast<size_t>(top + py) * static_cast<size_t>(sheet.width);
            uint32_t* line = sheet.pixels.data() + row + static_cast<size_t>(left);
            for (int px = 0; px < layout.tileWidth; ++px)
                line[px] = colors[tiles[i]->byArray[px / scale + 1][py / scale + 1] & 15];
        }
    }
    return sheet;
}

std::string SheetText(const std::vector<SlotResult>& tiles)
{
    std::string text;
    for (const SlotResult& tile : tiles) {
        for (const int32_t mask : tile.rules) {
            text += std::to_string(mask);
            text += ' ';
        }
        char figure[32];
        const auto written = std::to_chars(figure, figure + sizeof figure, tile.structure, std::chars_format::fixed, 2);
        text.append(figure, written.ptr);
        text += '\n';
    }
    return text;
}

ExploreSheet MakeExploreSheet(const Automaton& start, const uint32_t crStateColor[kStateCount],
                              const ExploreSheetOptions& options)
{
    const ExplorePlan plan{CandidateKind::New, options.seed, options.states, {}, {}};
    const std::vector<SlotResult> results = ExploreAll(start, plan, options.generations, options.count);
    std::vector<const Automaton*> tiles;
    for (const SlotResult& r : results)
        tiles.push_back(r.last.get());
    return {ComposeContactSheet(tiles, crStateColor, options.scale), SheetText(results)};
}

std::string SheetTextPath(const std::string& picturePath)
{
    const size_t slash = picturePath.find_last_of('/');
    const size_t dot = picturePath.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return (hasExtension ? picturePath.substr(0, dot) : picturePath) + ".txt";
}

} // namespace vellicor
