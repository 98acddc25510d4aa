#include "content/Patterns.h"

#include "content/CellBounds.h"

#include <algorithm>

namespace vellicor {

namespace {

// Special patterns, relative to the centre: {dy, first dx, last dx}.
constexpr CellRun kCross3x3[] = {
    {-1, 0, 0}, {0, -1, 1}, {1, 0, 0}
};
constexpr CellRun kPoint2x2[] = {
    {0, 0, 1}, {1, 0, 1}
};
constexpr CellRun kSquare3x3[] = {
    {-1, -1, 1}, {0, -1, -1}, {0, 1, 1}, {1, -1, 1}
};
constexpr CellRun kLargeSquare4x4[] = {
    {-1, -1, 2}, {0, -1, -1}, {0, 2, 2}, {1, -1, -1}, {1, 2, 2}, {2, -1, 2}
};
constexpr CellRun kScrew8x8[] = {
    {-3, -1, -1}, {-2, -1, -1}, {-1, -1, 4}, {0, -1, -1}, {0, 2, 2}, {1, -1, -1}, {1, 2, 2},
    {2, -3, 2}, {3, 2, 2}, {4, 2, 2}
};
constexpr CellRun kScrew7x7[] = {
    {-3, -1, -1}, {-2, -1, -1}, {-1, -1, 3}, {0, -1, -1}, {0, 1, 1}, {1, -3, 1}, {2, 1, 1}, {3, 1, 1}
};
constexpr CellRun kLine3x1[] = {
    {0, -1, 1}
};
constexpr CellRun kLongLine4x1[] = {
    {0, -1, 2}
};
constexpr CellRun kRhomb3x3[] = {
    {-1, 0, 0}, {0, -1, -1}, {0, 1, 1}, {1, 0, 0}
};
constexpr CellRun kHexagon3x4[] = {
    {-1, 0, 0}, {0, -1, -1}, {0, 1, 1}, {1, -1, -1}, {1, 1, 1}, {2, 0, 0}
};
constexpr CellRun kOctogon4x4[] = {
    {-1, 0, 1}, {0, -1, -1}, {0, 2, 2}, {1, -1, -1}, {1, 2, 2}, {2, 0, 1}
};

// Life patterns, relative to the top-left corner of their box.
constexpr CellRun kGlider[] = {
    {0, 1, 1}, {1, 2, 2}, {2, 0, 2}
};
constexpr CellRun kThrowGlider[] = {
    {0, 25, 25}, {1, 22, 25}, {2, 13, 13}, {2, 21, 24}, {2, 34, 35}, {3, 12, 12}, {3, 14, 14},
    {3, 21, 21}, {3, 24, 24}, {3, 34, 35}, {4, 0, 1}, {4, 11, 11}, {4, 15, 16}, {4, 21, 24},
    {4, 30, 30}, {5, 0, 1}, {5, 11, 11}, {5, 15, 16}, {5, 22, 25}, {5, 30, 30}, {6, 11, 11},
    {6, 15, 16}, {6, 25, 25}, {7, 12, 12}, {7, 14, 14}, {8, 13, 13}, {9, 22, 22}, {9, 24, 24},
    {10, 23, 24}, {11, 23, 23}
};
constexpr CellRun kBoat1[] = {
    {0, 3, 3}, {1, 4, 4}, {2, 0, 0}, {2, 4, 4}, {3, 1, 4}
};
constexpr CellRun kBoat2[] = {
    {0, 4, 4}, {1, 5, 5}, {2, 0, 0}, {2, 5, 5}, {3, 1, 5}
};
constexpr CellRun kBoat3[] = {
    {0, 5, 5}, {1, 6, 6}, {2, 0, 0}, {2, 6, 6}, {3, 1, 6}
};
constexpr CellRun kFleet[] = {
    {0, 5, 8}, {1, 4, 9}, {2, 4, 7}, {2, 9, 10}, {3, 8, 9}, {5, 3, 4}, {6, 0, 0}, {6, 11, 11},
    {7, 12, 12}, {8, 0, 0}, {8, 12, 12}, {9, 1, 12}, {12, 6, 9}, {13, 5, 10}, {14, 5, 8}, {14, 10, 11},
    {15, 9, 10}
};
constexpr CellRun kBlock[] = {
    {0, 0, 1}, {1, 0, 1}
};
constexpr CellRun kTub[] = {
    {0, 1, 1}, {1, 0, 0}, {1, 2, 2}, {2, 1, 1}
};
constexpr CellRun kBoatOther[] = {
    {0, 1, 2}, {1, 0, 0}, {1, 2, 2}, {2, 1, 1}
};
constexpr CellRun kShip[] = {
    {0, 1, 2}, {1, 0, 0}, {1, 2, 2}, {2, 0, 1}
};
constexpr CellRun kSnake[] = {
    {0, 0, 0}, {0, 2, 3}, {1, 0, 1}, {1, 3, 3}
};
constexpr CellRun kBeehive[] = {
    {0, 1, 2}, {1, 0, 0}, {1, 3, 3}, {2, 1, 2}
};
constexpr CellRun kAircraftCarrier[] = {
    {0, 2, 3}, {1, 0, 0}, {1, 3, 3}, {2, 0, 1}
};
constexpr CellRun kBarge[] = {
    {0, 2, 2}, {1, 1, 1}, {1, 3, 3}, {2, 0, 0}, {2, 2, 2}, {3, 1, 1}
};
constexpr CellRun kLongBoat[] = {
    {0, 2, 3}, {1, 1, 1}, {1, 3, 3}, {2, 0, 0}, {2, 2, 2}, {3, 1, 1}
};
constexpr CellRun kLongSnake[] = {
    {0, 3, 4}, {1, 0, 0}, {1, 2, 2}, {1, 4, 4}, {2, 0, 1}
};
constexpr CellRun kLoaf[] = {
    {0, 1, 2}, {1, 0, 0}, {1, 3, 3}, {2, 0, 0}, {2, 2, 2}, {3, 1, 1}
};
constexpr CellRun kEater[] = {
    {0, 0, 1}, {1, 0, 0}, {1, 2, 2}, {2, 2, 2}, {3, 2, 3}
};
constexpr CellRun kLongShip[] = {
    {0, 2, 3}, {1, 1, 1}, {1, 3, 3}, {2, 0, 0}, {2, 2, 2}, {3, 0, 1}
};
constexpr CellRun kLongBarge[] = {
    {0, 3, 3}, {1, 2, 2}, {1, 4, 4}, {2, 1, 1}, {2, 3, 3}, {3, 0, 0}, {3, 2, 2}, {4, 1, 1}
};
constexpr CellRun kLongLongSnake[] = {
    {0, 4, 5}, {1, 3, 3}, {1, 5, 5}, {2, 0, 0}, {2, 2, 2}, {3, 0, 1}
};
constexpr CellRun kCanoe[] = {
    {0, 3, 4}, {1, 4, 4}, {2, 3, 3}, {3, 0, 0}, {3, 2, 2}, {4, 0, 1}
};
constexpr CellRun kMango[] = {
    {0, 2, 3}, {1, 1, 1}, {1, 4, 4}, {2, 0, 0}, {2, 3, 3}, {3, 1, 2}
};
constexpr CellRun kShillelagh[] = {
    {0, 0, 1}, {1, 0, 0}, {1, 2, 2}, {2, 2, 2}, {3, 1, 1}, {4, 1, 2}
};
constexpr CellRun kTubWithTail[] = {
    {0, 1, 1}, {1, 0, 0}, {1, 2, 2}, {2, 1, 1}, {2, 3, 3}, {3, 3, 3}, {4, 3, 4}
};
constexpr CellRun kPond[] = {
    {0, 1, 2}, {1, 0, 0}, {1, 3, 3}, {2, 0, 0}, {2, 3, 3}, {3, 1, 2}
};
constexpr CellRun kShuttle[] = {
    {0, 0, 0}, {1, 0, 1}, {2, 1, 2}, {3, 1, 3}, {4, 1, 2}, {5, 0, 1}, {6, 0, 0}
};
constexpr CellRun kAcorn[] = {
    {0, 1, 1}, {1, 3, 3}, {2, 0, 1}, {2, 4, 6}
};
constexpr CellRun kBHepto[] = {
    {0, 0, 0}, {1, 0, 1}, {2, 1, 2}, {3, 0, 1}
};

// {command, wMaxHor must exceed, wMaxVer must exceed (0: any array), cells, named width, height}
constexpr SpecialPattern kSpecialPatterns[] = {
    {123, 3, 3, 5, 3, 3, kCross3x3},
    {305, 0, 0, 4, 2, 2, kPoint2x2},
    {125, 0, 0, 8, 3, 3, kSquare3x3},
    {130, 4, 4, 12, 4, 4, kLargeSquare4x4},
    {168, 7, 7, 20, 8, 8, kScrew8x8},
    {306, 6, 6, 16, 7, 7, kScrew7x7},
    {126, 3, 2, 3, 3, 1, kLine3x1},
    {131, 5, 2, 4, 4, 1, kLongLine4x1},
    {127, 0, 0, 4, 3, 3, kRhomb3x3},
    {129, 2, 4, 6, 3, 4, kHexagon3x4},
    {132, 4, 4, 8, 4, 4, kOctogon4x4},
};

// {command, name, box width, box height, cells}
constexpr LifePattern kLifePatterns[] = {
    {420, "Glider", 3, 3, 5, kGlider},
    {421, "Throw-glider", 36, 12, 50, kThrowGlider},
    {422, "Boat 1", 5, 4, 8, kBoat1},
    {423, "Boat 2", 6, 4, 9, kBoat2},
    {424, "Boat 3", 7, 4, 10, kBoat3},
    {425, "Fleet", 13, 16, 55, kFleet},
    {426, "Block", 2, 2, 4, kBlock},
    {427, "Tub", 3, 3, 4, kTub},
    {428, "Boat other", 3, 3, 5, kBoatOther},
    {429, "Ship", 3, 3, 6, kShip},
    {430, "Snake", 4, 2, 6, kSnake},
    {431, "Beehive", 4, 3, 6, kBeehive},
    {432, "Aircraft carrier", 4, 3, 6, kAircraftCarrier},
    {433, "Barge", 4, 4, 6, kBarge},
    {434, "Long boat", 4, 4, 7, kLongBoat},
    {435, "Long snake", 5, 3, 7, kLongSnake},
    {436, "Loaf", 4, 4, 7, kLoaf},
    {437, "Eater", 4, 4, 7, kEater},
    {438, "Long ship", 4, 4, 8, kLongShip},
    {439, "Long barge", 5, 5, 8, kLongBarge},
    {440, "Long long snake", 6, 4, 8, kLongLongSnake},
    {441, "Canoe", 5, 5, 8, kCanoe},
    {442, "Mango", 5, 4, 8, kMango},
    {443, "Shillelagh", 3, 5, 8, kShillelagh},
    {444, "Tub with tail", 5, 5, 8, kTubWithTail},
    {445, "Pond", 4, 4, 8, kPond},
    {446, "Shuttle", 4, 7, 13, kShuttle},
    {447, "Acorn", 7, 3, 7, kAcorn},
    {448, "B-Hepto", 3, 4, 7, kBHepto},
};

} // namespace

std::span<const SpecialPattern> SpecialPatterns() { return kSpecialPatterns; }
std::span<const LifePattern> LifePatterns() { return kLifePatterns; }

const SpecialPattern* FindSpecialPattern(int32_t command)
{
    const auto found = std::ranges::find(kSpecialPatterns, command, &SpecialPattern::iCommand);
    return found == std::end(kSpecialPatterns) ? nullptr : &*found;
}

const LifePattern* FindLifePattern(int32_t command)
{
    const auto found = std::ranges::find(kLifePatterns, command, &LifePattern::iCommand);
    return found == std::end(kLifePatterns) ? nullptr : &*found;
}

EditOutcome PlaceSpecialPattern(Automaton& a, const SpecialPattern& pattern, const ResetHook& resetAutomaton)
{
    a.bIncrementalPaint = 0;
    const int maxHor = EffectiveMaxHor(a);
    const int maxVer = EffectiveMaxVer(a);
    if (maxHor <= pattern.iMinMaxHor || maxVer <= pattern.iMinMaxVer)
        return EditOutcome::kFigureTooLarge;
    if (resetAutomaton)
        resetAutomaton();
    ClearArray(a);
    const int cx = maxHor / 2;
    const int cy = maxVer / 2;
    for (const CellRun& run : pattern.runs)
        for (int dx = run.dxFirst; dx <= run.dxLast; ++dx)
            if (InArray(a, cx + dx, cy + run.dy))
                a.byArray[cx + dx][cy + run.dy] = 1;
    ApplyGeometry(a);
    return EditOutcome::kDone;
}

EditOutcome PlaceLifePattern(Automaton& a, Selection& s, const LifePattern& pattern)
{
    const int64_t px = s.iPointX;
    const int64_t py = s.iPointY;
    // The mouse only marks live cells; a point left elsewhere (a size change since) is measured
    // the same way, and one on or before the ring (the record's start value (0, 0)) is refused
    // outright, so the box always lies on live cells.
    if (px < 1 || py < 1 || EffectiveMaxHor(a) - px < pattern.iBoxWidth || EffectiveMaxVer(a) - py < pattern.iBoxHeight)
        return EditOutcome::kObjectOverlaps;
    const int x0 = static_cast<int>(px);
    const int y0 = static_cast<int>(py);
    for (int x = x0; x < x0 + pattern.iBoxWidth; ++x)
        std::fill_n(a.byArray[x] + y0, pattern.iBoxHeight, uint8_t{0});
    for (const CellRun& run : pattern.runs)
        for (int dx = run.dxFirst; dx <= run.dxLast; ++dx)
            a.byArray[x0 + dx][y0 + run.dy] = 1;
    ApplyGeometry(a);
    s.bCellHighlight = 0;
    return EditOutcome::kDone;
}

} // namespace vellicor
