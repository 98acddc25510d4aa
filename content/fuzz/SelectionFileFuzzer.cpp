// libFuzzer entry for the selection-file reader: any bytes, loaded at a point and into an array
// size taken from the first bytes. Built only with -DVELLICOR_FUZZ=ON and clang.

#include "content/SelectionFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vellicor::Automaton a;
    vellicor::Selection s;
    if (size >= 4) {
        a.wMaxHor = data[0] % 104 - 1; // -1..102: clamped by the engine
        a.wMaxVer = data[1] % 104 - 1;
        s.iPointX = static_cast<int8_t>(data[2]);
        s.iPointY = static_cast<int8_t>(data[3]);
        a.iGeometryMode = data[0] & 1;
        data += 4;
        size -= 4;
    }
    vellicor::LoadSelection(a, s, std::string_view(reinterpret_cast<const char*>(data), size));
    for (int x = 0; x <= vellicor::kMaxDimension; ++x)
        for (int y = 0; y <= vellicor::kMaxDimension; ++y)
            if (a.byArray[x][y] > 15 || a.byOldArray[x][y] > 15)
                std::abort();
    return 0;
}
