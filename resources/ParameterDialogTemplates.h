#pragma once
// The parameter dialogs of the Options and Initialize menus, and the ids of the controls their
// procedures address. Each template is named after its English resource; its French twin is
// found under the same name with "_FR" appended.

#include "resources/DialogTemplate.h"

namespace vellicor {

extern const DialogTemplate DIALOG_RULES;       // transition rules: one check box per state and sum
extern const DialogTemplate DIALOG_NEIGHBOURS;  // weights, modulo mode, homogeneous mode, presets
extern const DialogTemplate DIALOG_STAT;        // count and density per state
extern const DialogTemplate DIALOG_ARRAY;       // visible width and height of the array
extern const DialogTemplate DIALOG_ARRAYFILL;   // the Array fill rectangle
extern const DialogTemplate DIALOG_RANDOM;      // cells per state of the Random fill
extern const DialogTemplate DIALOG_PREFERENCES; // drawing, geometry and processing settings

namespace rules_dialog {
// The box of state s (row) and reduced sum k (column).
constexpr int BoxId(int state, int sum) { return 103 + 10 * state + sum; }
constexpr int SwatchId(int state) { return 300 + state; }
} // namespace rules_dialog

namespace neighbours_dialog {
// The field of iNeighbours[a][b] stands in grid row a and grid column b.
constexpr int WeightId(int a, int b) { return 110 + 3 * a + b; }
inline constexpr int kOneDimensional = 103;
inline constexpr int kTwoDimensional = 104;
inline constexpr int kFiveNeighbours = 105;
inline constexpr int kNineNeighbours = 106;
inline constexpr int kHomogeneous = 107;
inline constexpr int kFirstModulo = 120; // the button of iModuloMode m is 120 + m, m = 0..3
inline constexpr int kLastModulo = 123;
inline constexpr int kUserModulo = 125;
inline constexpr int kModuloRules = 126;
inline constexpr int kModuloNeighbours = 127;
} // namespace neighbours_dialog

namespace stat_dialog {
constexpr int CountId(int state) { return 350 + state; }
constexpr int DensityId(int state) { return 390 + state; }
} // namespace stat_dialog

namespace array_dialog {
inline constexpr int kWidth = 200;
inline constexpr int kHeight = 201;
} // namespace array_dialog

namespace fill_dialog {
inline constexpr int kWidth = 101;
inline constexpr int kHeight = 102;
} // namespace fill_dialog

namespace random_dialog {
constexpr int SwatchId(int state) { return 300 + state; }
constexpr int CountId(int state) { return 350 + state; }
} // namespace random_dialog

namespace preferences_dialog {
inline constexpr int kCellWidth = 103;
inline constexpr int kDynamicCell = 104;
inline constexpr int kDrawGrid = 105;
inline constexpr int kIterIncrement = 106;
inline constexpr int kIterLimit = 107;
inline constexpr int kContinuousDelay = 110;
inline constexpr int kEllipse = 115; // 115 + bRectangle
inline constexpr int kRectangle = 116;
inline constexpr int kPlane = 120; // 120 + bPlane
inline constexpr int kTorus = 121;
} // namespace preferences_dialog

} // namespace vellicor
