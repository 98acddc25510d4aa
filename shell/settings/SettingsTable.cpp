#include "shell/settings/SettingsTable.h"

#include <algorithm>

namespace vellicor {

namespace {

template <int32_t Settings::*M>
int32_t& InSettings(Model& m, int, int) { return m.settings.*M; }
template <int32_t Automaton::*M>
int32_t& InAutomaton(Model& m, int, int) { return m.automaton.*M; }
template <int32_t CellGeometry::*M>
int32_t& InCells(Model& m, int, int) { return m.cells.*M; }
template <int32_t Content::*M>
int32_t& InContent(Model& m, int, int) { return m.content.*M; }
template <int32_t (Settings::*M)[kStateCount]>
int32_t& InSettingsArray(Model& m, int i, int) { return (m.settings.*M)[i]; }

int32_t& NumAuto(Model& m, int i, int) { return m.automaton.iNumAuto[i]; }
int32_t& Neighbour(Model& m, int i, int j) { return m.automaton.iNeighbours[i][j]; }

constexpr int32_t kDefaultNumAuto[kStateCount] = {499, 8};
constexpr int32_t kDefaultNeighbours[9] = {1, 1, 1, 1, 0, 1, 1, 1, 1};

constexpr SettingRange kDimension{1, kMaxDimension};
constexpr SettingRange kFillSide{0, kMaxDimension - 1};
constexpr SettingRange kCellWidth{1, 1000};
constexpr SettingRange kGap{0, 1000};
constexpr SettingRange kDelay{0, 32767};
constexpr SettingRange kPosition{-16384, 16384};
constexpr SettingRange kExtent{0, 16384};

constexpr SettingFamily Scalar(std::string_view name, int32_t& (*member)(Model&, int, int), int32_t fixedDefault,
                               SettingRange range = kAnyValue)
{
    return {name, 0, 0, member, fixedDefault, nullptr, -1, range};
}

constexpr SettingFamily Rect(std::string_view name, int32_t& (*member)(Model&, int, int), int slot)
{
    return {name, 0, 0, member, 0, nullptr, slot, slot % 4 < 2 ? kPosition : kExtent};
}

constexpr SettingFamily kFamilies[] = {
    {"byRColor", kStateCount, 0, &InSettingsArray<&Settings::byRColor>, 0, kDefaultRed, -1, kAnyValue},
    {"byGColor", kStateCount, 0, &InSettingsArray<&Settings::byGColor>, 0, kDefaultGreen, -1, kAnyValue},
    {"byBColor", kStateCount, 0, &InSettingsArray<&Settings::byBColor>, 0, kDefaultBlue, -1, kAnyValue},
    {"iNumAuto", kStateCount, 0, &NumAuto, 0, kDefaultNumAuto, -1, kAnyValue},
    {"iNeighbours", 3, 3, &Neighbour, 0, kDefaultNeighbours, -1, kAnyValue},

    Scalar("bDrawGrid", &InSettings<&Settings::bDrawGrid>, 1),
    Scalar("bRectangle", &InSettings<&Settings::bRectangle>, 1),
    Scalar("bPlane", &InSettings<&Settings::bPlane>, 0),
    Scalar("bArrayMode", &InSettings<&Settings::bArrayMode>, 1),
    Scalar("bDynamicCell", &InCells<&CellGeometry::bDynamicCell>, 1),
    Scalar("iCellWidth", &InCells<&CellGeometry::iCellWidth>, 19, kCellWidth),
    Scalar("iArrayFillHorMax", &InContent<&Content::iArrayFillHorMax>, 4, kFillSide),
    Scalar("iArrayFillVerMax", &InContent<&Content::iArrayFillVerMax>, 2, kFillSide),

    Scalar("bDisplaySucc", &InAutomaton<&Automaton::bDisplaySucc>, 0),
    Scalar("iIterLimit", &InAutomaton<&Automaton::iIterLimit>, 500),
    Scalar("iContinuousUntil", &InAutomaton<&Automaton::iContinuousUntil>, 500),
    Scalar("iIterIncrement", &InAutomaton<&Automaton::iIterIncrement>, 250),
    Scalar("iContinuousDelay", &InAutomaton<&Automaton::iContinuousDelay>, 0, kDelay),
    Scalar("iStep", &InAutomaton<&Automaton::iStep>, 1),
    Scalar("iMBitmapHor", &InAutomaton<&Automaton::iMBitmapHor>, 5, kGap),
    Scalar("iMBitmapVer", &InAutomaton<&Automaton::iMBitmapVer>, 5, kGap),
    Scalar("wMaxHor", &InAutomaton<&Automaton::wMaxHor>, 14, kDimension),
    Scalar("wMaxVer", &InAutomaton<&Automaton::wMaxVer>, 14, kDimension),
    Scalar("iModuloMode", &InAutomaton<&Automaton::iModuloMode>, 0),
    Scalar("iModuloDefault", &InAutomaton<&Automaton::iModuloDefault>, 10),
    Scalar("bHomogeneousMode", &InAutomaton<&Automaton::bHomogeneousMode>, 1),
    Scalar("iGeometryMode", &InAutomaton<&Automaton::iGeometryMode>, 0), // written, never read

    Scalar("bMatrixWindowOn", &InSettings<&Settings::bMatrixWindowOn>, 1),
    Scalar("bMosaicWindowOn", &InSettings<&Settings::bMosaicWindowOn>, 1),
    Scalar("bMultiBitmapWindowOn", &InSettings<&Settings::bMultiBitmapWindowOn>, 1),
    Rect("iMatrixX", &InSettings<&Settings::iMatrixX>, 0),
    Rect("iMatrixY", &InSettings<&Settings::iMatrixY>, 1),
    Rect("iMatrixWidth", &InSettings<&Settings::iMatrixWidth>, 2),
    Rect("iMatrixHeight", &InSettings<&Settings::iMatrixHeight>, 3),
    Rect("iMosaicX", &InSettings<&Settings::iMosaicX>, 4),
    Rect("iMosaicY", &InSettings<&Settings::iMosaicY>, 5),
    Rect("iMosaicWidth", &InSettings<&Settings::iMosaicWidth>, 6),
    Rect("iMosaicHeight", &InSettings<&Settings::iMosaicHeight>, 7),
    Rect("iMultiBitmapX", &InSettings<&Settings::iMultiBitmapX>, 8),
    Rect("iMultiBitmapY", &InSettings<&Settings::iMultiBitmapY>, 9),
    Rect("iMultiBitmapWidth", &InSettings<&Settings::iMultiBitmapWidth>, 10),
    Rect("iMultiBitmapHeight", &InSettings<&Settings::iMultiBitmapHeight>, 11),
    Scalar("iLanguage", &InSettings<&Settings::iLanguage>, 1),
};

using enum LoadAction;

constexpr LoadStep kLoadOrder[] = {
    ResetNeighbours,
    "byRColor", "byGColor", "byBColor", BuildPalette,
    "iNumAuto", DecodeRules,
    "iNeighbours",
    "bDrawGrid", "bRectangle", "bPlane", "bDynamicCell", "bArrayMode", "bDisplaySucc", "iIterLimit",
    "iContinuousUntil", "iIterIncrement", "iContinuousDelay", "iCellWidth", "iStep", "iMBitmapHor",
    "iMBitmapVer", "iArrayFillHorMax", "iArrayFillVerMax", "wMaxHor", "wMaxVer", "iModuloMode",
    "iModuloDefault", "bHomogeneousMode",
    ResetRandomCounts, ComputeCellSize,
    "bMatrixWindowOn", "bMosaicWindowOn", "bMultiBitmapWindowOn",
    "iMatrixX", "iMatrixY", "iMatrixWidth", "iMatrixHeight",
    "iMosaicX", "iMosaicY", "iMosaicWidth", "iMosaicHeight",
    "iMultiBitmapX", "iMultiBitmapY", "iMultiBitmapWidth", "iMultiBitmapHeight",
    "iLanguage",
};

// All sixteen rule masks are written: a file that kept only the first eight would bring rules
// for states 8 to 15 back as 0 at the next start. Readers of either kind of file agree, since
// the masks have always been read for all sixteen states.
constexpr SaveStep kSaveOrder[] = {
    {"bDrawGrid"}, {"bRectangle"}, {"bPlane"}, {"iGeometryMode"}, {"iCellWidth"}, {"bDynamicCell"},
    {"bDisplaySucc"}, {"iIterLimit"}, {"iContinuousDelay"}, {"iIterIncrement"}, {"iStep"}, {"wMaxHor"},
    {"wMaxVer"}, {"iModuloMode"}, {"iModuloDefault"}, {"bHomogeneousMode"},
    {"iNumAuto"},
    {"byRColor", "byGColor", "byBColor"},
    {"iNeighbours"},
    {"bMatrixWindowOn"}, {"bMosaicWindowOn"}, {"bMultiBitmapWindowOn"},
    {"iMatrixX"}, {"iMatrixY"}, {"iMatrixWidth"}, {"iMatrixHeight"},
    {"iMosaicX"}, {"iMosaicY"}, {"iMosaicWidth"}, {"iMosaicHeight"},
    {"iMultiBitmapX"}, {"iMultiBitmapY"}, {"iMultiBitmapWidth"}, {"iMultiBitmapHeight"},
    {"iLanguage"},
};

int ElementCount(const SettingFamily& f)
{
    if (f.rows == 0)
        return 1;
    return f.columns == 0 ? f.rows : f.rows * f.columns;
}

SettingKey KeyAt(const SettingFamily& f, int element)
{
    if (f.rows == 0)
        return {&f, 0, 0};
    if (f.columns == 0)
        return {&f, element, 0};
    return {&f, element / f.columns, element % f.columns};
}

} // namespace

std::span<const SettingFamily> SettingFamilies() { return kFamilies; }
std::span<const LoadStep> LoadOrder() { return kLoadOrder; }
std::span<const SaveStep> SaveOrder() { return kSaveOrder; }

std::string SettingKey::Name() const
{
    std::string name(family->name);
    // Appended piece by piece: "[" + std::to_string(i) trips a false -Wrestrict in GCC 12.
    if (family->rows > 0) {
        name += '[';
        name += std::to_string(i);
        name += ']';
    }
    if (family->columns > 0) {
        name += '[';
        name += std::to_string(j);
        name += ']';
    }
    return name;
}

int32_t SettingKey::Default(const DefaultLayout& layout) const
{
    if (family->layoutSlot >= 0)
        return LayoutDefault(layout, family->layoutSlot);
    if (family->elementDefaults != nullptr)
        return family->elementDefaults[family->columns == 0 ? i : i * family->columns + j];
    return family->fixedDefault;
}

int32_t SettingKey::Value(const Model& model) const
{
    // The accessor only forms a reference; nothing is written through it here.
    return family->member(const_cast<Model&>(model), i, j);
}

int32_t SettingKey::Clamp(int32_t value) const { return std::clamp(value, family->range.min, family->range.max); }

int32_t LayoutDefault(const DefaultLayout& layout, int slot)
{
    const LayoutRect* rects[] = {&layout.matrix, &layout.mosaic, &layout.multiBitmap};
    if (slot < 0 || slot >= 12)
        return 0;
    const LayoutRect& r = *rects[slot / 4];
    const int32_t fields[] = {r.x, r.y, r.width, r.height};
    return fields[slot % 4];
}

const SettingFamily* FindFamily(std::string_view name)
{
    for (const SettingFamily& f : kFamilies)
        if (f.name == name)
            return &f;
    return nullptr;
}

std::vector<SettingKey> KeysOf(const SettingFamily& family)
{
    std::vector<SettingKey> keys;
    for (int e = 0; e < ElementCount(family); ++e)
        keys.push_back(KeyAt(family, e));
    return keys;
}

std::vector<SettingKey> LoadKeys()
{
    std::vector<SettingKey> keys;
    for (const LoadStep& step : kLoadOrder)
        if (const auto* name = std::get_if<std::string_view>(&step))
            for (const SettingKey& k : KeysOf(*FindFamily(*name)))
                keys.push_back(k);
    return keys;
}

std::vector<SettingKey> SaveKeys()
{
    std::vector<SettingKey> keys;
    for (const SaveStep& step : kSaveOrder) {
        const SettingFamily* first = FindFamily(step[0]);
        for (int e = 0; e < ElementCount(*first); ++e)
            for (std::string_view name : step)
                if (!name.empty())
                    keys.push_back(KeyAt(*FindFamily(name), e));
    }
    return keys;
}

} // namespace vellicor
