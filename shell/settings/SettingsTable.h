#pragma once
// The one table of the settings file: for every key, the member it fills, its default and the
// range a loaded value is held to, and the two orders in which the file is read and written.
//
// Ranges. The file is trusted as far as it cannot break the program: values are used as they
// stand except where an index, a size or a division depends on them, and those are clamped here
// and nowhere else:
//   wMaxHor, wMaxVer          1 .. 101: what the cell arrays hold (0 .. 100 live cells a side)
//   iArrayFillHorMax/VerMax   0 .. 100: a fill rectangle can never exceed the largest array
//   iCellWidth                1 .. 1000 pixels: the Array window divides by it
//   iMBitmapHor, iMBitmapVer  0 .. 1000 pixels: the tile pitch wMaxHor + gap - 1 is never
//                             negative (0 only for an array without live columns, where no
//                             tile fits)
//   iContinuousDelay          0 .. 32767, what the Preferences dialog accepts
//   window rectangles         x, y -16384 .. 16384, width, height 0 .. 16384: no window can be
//                             absurdly large and no coordinate sum can overflow
// Everything else takes any 32-bit value: the engine and the views are safe with any rule mask,
// weight, modulo, limit or step, and flags mean "not 0".

#include "shell/settings/Settings.h"

#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vellicor {

inline constexpr std::string_view kSettingsSection = "Vellicor";

struct SettingRange {
    int32_t min;
    int32_t max;
};
inline constexpr SettingRange kAnyValue{std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};

// One member of the model that the file stores: a scalar (rows = 0), a one-dimensional array
// (columns = 0, keys "name[i]") or a two-dimensional one (keys "name[i][j]").
struct SettingFamily {
    std::string_view name;
    int rows;
    int columns;
    int32_t& (*member)(Model& model, int i, int j);
    int32_t fixedDefault;
    const int32_t* elementDefaults; // per element (row-major) when not null
    int layoutSlot;                 // 0..11: default from the default layout (see LayoutDefault)
    SettingRange range;
};

// Every family the file knows, in no particular order.
std::span<const SettingFamily> SettingFamilies();

// One key of the file: element (i, j) of a family.
struct SettingKey {
    const SettingFamily* family;
    int i;
    int j;

    std::string Name() const;
    int32_t Default(const DefaultLayout& layout) const;
    int32_t& Member(Model& model) const { return family->member(model, i, j); }
    int32_t Value(const Model& model) const;
    int32_t Clamp(int32_t value) const;
};

// The default of rectangle key slot (iMatrixX .. iMultiBitmapHeight, in that order).
int32_t LayoutDefault(const DefaultLayout& layout, int slot);

// Work that loading does between reads, at fixed places of the order.
enum class LoadAction { ResetNeighbours, BuildPalette, DecodeRules, ResetRandomCounts, ComputeCellSize };

// A step of the load order: every element of one family, or an action.
using LoadStep = std::variant<std::string_view, LoadAction>;
std::span<const LoadStep> LoadOrder();

// A step of the save order: the elements of up to three families interleaved (element 0 of
// each, then element 1 of each, ...), as the colour components are written.
using SaveStep = std::array<std::string_view, 3>;
std::span<const SaveStep> SaveOrder();

const SettingFamily* FindFamily(std::string_view name);
// Every key of a family, last index fastest.
std::vector<SettingKey> KeysOf(const SettingFamily& family);

// The keys in the order they are read, and in the order they are written.
std::vector<SettingKey> LoadKeys();
std::vector<SettingKey> SaveKeys();

} // namespace vellicor
