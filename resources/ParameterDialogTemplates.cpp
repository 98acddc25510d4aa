#include "resources/ParameterDialogTemplates.h"

#include "resources/DialogBuilders.h"

#include <array>
#include <cstddef>

namespace vellicor {
namespace {

using namespace dialog_builders;

constexpr int kStateCount = 16;
constexpr int kSumCount = 10; // reduced sums 0..9

// "State 0" .. "State 15" and "Etat 0" .. "Etat 15", with or without a colon: three dialogs
// label their rows so, and writing 64 literals would hide a slip in one of them.
class StateNames {
public:
    constexpr explicit StateNames(bool colon)
    {
        for (int s = 0; s < kStateCount; ++s) {
            Write(english_[s], "State ", s, colon);
            Write(french_[s], "Etat ", s, colon);
        }
    }

    constexpr BilingualText operator[](int state) const { return {english_[state], french_[state]}; }

private:
    static constexpr void Write(char* out, const char* word, int state, bool colon)
    {
        while (*word != '\0')
            *out++ = *word++;
        if (state >= 10)
            *out++ = '1';
        *out++ = static_cast<char>('0' + state % 10);
        if (colon)
            *out++ = ':';
        *out = '\0';
    }

    char english_[kStateCount][12] = {};
    char french_[kStateCount][12] = {};
};

constexpr StateNames kStateNames(false);
constexpr StateNames kStateNamesWithColon(true);

constexpr BilingualText kDigits[kSumCount] = {SameText("0"), SameText("1"), SameText("2"), SameText("3"),
                                              SameText("4"), SameText("5"), SameText("6"), SameText("7"),
                                              SameText("8"), SameText("9")};

// A control list made by a loop: the builder fills exactly `count` controls, or the template
// does not compile.
template <std::size_t count>
class ControlList {
public:
    constexpr void Add(const DialogControl& control) { controls_[size_++] = control; }
    constexpr std::array<DialogControl, count> Done() const
    {
        if (size_ != count)
            throw "the control count is wrong";
        return controls_;
    }

private:
    std::array<DialogControl, count> controls_{};
    std::size_t size_ = 0;
};

// Transition rules: a row per target state, a column per reduced sum, rows 12 units apart and
// boxes 11 units apart. The column numbers are one label per column, so each stays above its
// boxes in any font.
constexpr int kRulesTop = 28;
constexpr int kRulesLeft = 62;
constexpr auto kRulesControls = [] {
    ControlList<2 + kSumCount + kStateCount * (2 + kSumCount) + 2> list;
    list.Add(Label({6, 4, 52, 8}, {"Transition to:", "Transition à:"}));
    list.Add(Label({kRulesLeft, 4, 110, 8}, {"Number of neighbours:", "Nombre de voisins:"}));
    for (int k = 0; k < kSumCount; ++k)
        list.Add(CenteredLabel({kRulesLeft + 11 * k, 15, 7, 8}, kDigits[k])); // over the box, not its margin
    for (int s = 0; s < kStateCount; ++s) {
        const int y = kRulesTop + 12 * s;
        list.Add(Label({6, y + 1, 40, 8}, kStateNamesWithColon[s]));
        list.Add(Swatch(rules_dialog::SwatchId(s), {46, y, 10, 10}));
        for (int k = 0; k < kSumCount; ++k)
            list.Add(CheckBox(rules_dialog::BoxId(s, k), {kRulesLeft + 11 * k, y, 10, 10}));
    }
    list.Add(DefaultPushButton(kIdOk, {184, kRulesTop, 50, 14}, kOk));
    list.Add(PushButton(kIdCancel, {184, kRulesTop + 18, 50, 14}, kCancel));
    return list.Done();
}();

// Neighbourhood: the weight grid, the modulo modes in a frame, the homogeneous switch, the four
// presets in a second frame, OK and Cancel.
constexpr auto kNeighboursControls = [] {
    using namespace neighbours_dialog;
    ControlList<9 + 1 + 4 + 3 + 1 + 1 + 4 + 2> list;
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b)
            list.Add(Field(WeightId(a, b), {57 + 36 * b, 8 + 16 * a, 30, 12}));
    list.Add(Control(kIdStatic, ControlKind::EtchedFrame, {6, 58, 204, 64}));
    list.Add(RadioButton(kFirstModulo, {14, 64, 150, 10},
                         {"Default modulo value (k): 10", "Valeur modulo par défaut (k): 10"}));
    list.Add(RadioButton(kFirstModulo + 1, {14, 78, 150, 10}, {"User modulo value", "Valeur utilisateur"}));
    list.Add(Field(kUserModulo, {170, 77, 30, 12}));
    list.Add(RadioButton(kFirstModulo + 2, {14, 92, 150, 10},
                         {"Maximum neighbors +1 (rules)", "Maximum voisins +1 (règles)"}));
    list.Add(Control(kModuloRules, ControlKind::Text, {172, 93, 28, 8}));
    list.Add(RadioButton(kLastModulo, {14, 106, 150, 10},
                         {"Maximum neighbours +1 (neighborhood)", "Maximum voisins +1 (voisinage)"}));
    list.Add(Control(kModuloNeighbours, ControlKind::Text, {172, 107, 28, 8}));
    list.Add(CheckBox(kHomogeneous, {14, 128, 180, 10}, {"Homogeneous neighbor mode", "Mode de voisinage homogène"}));
    list.Add(Control(kIdStatic, ControlKind::EtchedFrame, {6, 144, 204, 42}));
    list.Add(PushButton(kFiveNeighbours, {14, 150, 92, 14}, {"5-neigbor square", "5-voisins"}));
    list.Add(PushButton(kNineNeighbours, {110, 150, 92, 14}, {"9-neighbor square", "9-voisins"}));
    list.Add(PushButton(kOneDimensional, {14, 168, 92, 14}, {"1-dimensional", "1-dimensionnel"}));
    list.Add(PushButton(kTwoDimensional, {110, 168, 92, 14}, {"2-dimensional", "2-dimensionnel"}));
    list.Add(DefaultPushButton(kIdOk, {46, 194, 50, 14}, kOk));
    list.Add(PushButton(kIdCancel, {120, 194, 50, 14}, kCancel));
    return list.Done();
}();

// Statistics: two groups of eight rows side by side, OK below in the middle.
constexpr auto kStatControls = [] {
    ControlList<2 * 2 + kStateCount * 3 + 1> list;
    for (int group = 0; group < 2; ++group) {
        const int x = 6 + 120 * group;
        list.Add(Label({x + 34, 8, 36, 8}, {"Count:", "Nombre:"}));
        list.Add(Label({x + 74, 8, 36, 8}, {"Density:", "Densité:"}));
        for (int row = 0; row < 8; ++row) {
            const int s = 8 * group + row;
            const int y = 20 + 14 * row;
            list.Add(Label({x, y + 2, 32, 8}, kStateNames[s]));
            list.Add(Field(stat_dialog::CountId(s), {x + 34, y, 36, 12}));
            list.Add(Field(stat_dialog::DensityId(s), {x + 74, y, 32, 12}));
        }
    }
    list.Add(DefaultPushButton(kIdOk, {95, 138, 50, 14}, kOk));
    return list.Done();
}();

constexpr auto kArrayControls = std::to_array<DialogControl>({
    Label({14, 13, 80, 8}, {"Horizontal maximum:", "Maximum horizontal:"}),
    Field(array_dialog::kWidth, {101, 11, 31, 12}),
    Label({14, 31, 80, 8}, {"Vertical maximum:", "Maximum vertical:"}),
    Field(array_dialog::kHeight, {101, 29, 31, 12}),
    InFrenchAt(DefaultPushButton(kIdOk, {82, 50, 50, 14}, kOk), {89, 50, 50, 14}),
    InFrenchAt(PushButton(kIdCancel, {20, 50, 50, 14}, kCancel), {27, 50, 50, 14}),
});

constexpr auto kArrayFillControls = std::to_array<DialogControl>({
    Label({9, 11, 76, 8}, {"Horizontal maximum", "Maximum horizontal"}),
    Field(fill_dialog::kWidth, {89, 9, 32, 12}),
    Label({9, 31, 76, 8}, {"Vertical maximum", "Maximum vertical"}),
    Field(fill_dialog::kHeight, {89, 29, 32, 12}),
    InFrenchAt(DefaultPushButton(kIdOk, {22, 52, 50, 14}, kOk), {27, 52, 50, 14}),
    InFrenchAt(PushButton(kIdCancel, {94, 52, 50, 14}, kCancel), {99, 52, 50, 14}),
});

// Random: two columns of eight states, each row a label, the state's colour and its count.
constexpr auto kRandomControls = [] {
    ControlList<kStateCount * 3 + 2> list;
    for (int s = 0; s < kStateCount; ++s) {
        const bool left = s < 8;
        const int y = 10 + 14 * (s % 8);
        list.Add(Label({left ? 12 : 118, y + 2, left ? 28 : 38, 8}, kStateNames[s]));
        list.Add(Swatch(random_dialog::SwatchId(s), {left ? 40 : 158, y, 15, 12}));
        list.Add(Field(random_dialog::CountId(s), {left ? 63 : 181, y, 45, 12}));
    }
    list.Add(InFrenchAt(DefaultPushButton(kIdOk, {67, 140, 50, 14}, kOk), {67, 144, 50, 14}));
    list.Add(InFrenchAt(PushButton(kIdCancel, {151, 140, 50, 14}, kCancel), {153, 144, 50, 14}));
    return list.Done();
}();

// Preferences: the check boxes top left and the geometry top right; the cell width with the cell
// shape to its right; the three processing numbers in one column; Cancel and OK at the bottom.
// The list is in Tab order: the cell width first, where the focus starts.
constexpr auto kPreferencesControls = [] {
    using namespace preferences_dialog;
    return std::to_array<DialogControl>({
        Label({8, 64, 100, 8}, {"Cell width", "Largeur cellule"}),
        Field(kCellWidth, {122, 62, 44, 12}),
        CheckBox(kDrawGrid, {8, 10, 150, 10}, {"Draw grid", "Affichage grille"}),
        CheckBox(kDynamicCell, {8, 24, 150, 10}, {"Dynamical cell dimensions", "Dimension de cellules automatique"}),
        Control(108, ControlKind::GroupBox, {176, 4, 90, 40}, {"Geometry mode", "Mode de géométrie"}),
        RadioButton(kPlane, {184, 16, 74, 10}, {"Plane", "Plan"}),
        RadioButton(kTorus, {184, 28, 74, 10}, SameText("Tore")),
        Control(108, ControlKind::GroupBox, {176, 48, 90, 40}, {"Cell shape", "Forme de cellule"}),
        RadioButton(kEllipse, {184, 60, 74, 10}, SameText("Ellipse")),
        RadioButton(kRectangle, {184, 72, 74, 10}, SameText("Rectangle")),
        Label({8, 98, 110, 8}, {"Iteration limit", "Limite d'itération"}),
        Field(kIterLimit, {122, 96, 44, 12}),
        Label({8, 114, 110, 8}, {"Iteration limit increment", "Incrément de limite d'itération"}),
        Field(kIterIncrement, {122, 112, 44, 12}),
        Label({8, 130, 110, 8}, {"Continuous option delay", "Délai pour Continu"}),
        Field(kContinuousDelay, {122, 128, 44, 12}),
        DefaultPushButton(kIdOk, {144, 150, 50, 14}, kOk),
        PushButton(kIdCancel, {80, 150, 50, 14}, kCancel),
    });
}();

} // namespace

const DialogTemplate DIALOG_RULES{
    .name = "DIALOG_RULES",
    .title = {"Transition rules", "Règles de transition"},
    .size = {240, kRulesTop + 12 * kStateCount + 4},
    .frenchSize = std::nullopt,
    .controls = kRulesControls,
};
const DialogTemplate DIALOG_NEIGHBOURS{
    .name = "DIALOG_NEIGHBOURS",
    .title = {"Options / Neighborhood parameters", "Options / Paramètres de voisinage"},
    .size = {216, 216},
    .frenchSize = std::nullopt,
    .controls = kNeighboursControls,
};
const DialogTemplate DIALOG_STAT{
    .name = "DIALOG_STAT",
    .title = {"Statistics", "Statistiques"},
    .size = {240, 160},
    .frenchSize = std::nullopt,
    .controls = kStatControls,
    .hasSystemMenu = true,
};
const DialogTemplate DIALOG_ARRAY{
    .name = "DIALOG_ARRAY",
    .title = {"Array parameters", "Paramètres de matrice"},
    .size = {152, 72},
    .frenchSize = DialogSize{165, 72},
    .controls = kArrayControls,
};
const DialogTemplate DIALOG_ARRAYFILL{
    .name = "DIALOG_ARRAYFILL",
    .title = {"Initialization / Array fill", "Initialisation / Remplissage de rectangle"},
    .size = {166, 71},
    .frenchSize = DialogSize{176, 71},
    .controls = kArrayFillControls,
    .hasSystemMenu = true,
};
const DialogTemplate DIALOG_RANDOM{
    .name = "DIALOG_RANDOM",
    .title = {"Random options", "Options / Génération aléatoire"},
    .size = {268, 162},
    .frenchSize = DialogSize{269, 162},
    .controls = kRandomControls,
};
const DialogTemplate DIALOG_PREFERENCES{
    .name = "DIALOG_PREFERENCES",
    .title = {"Preferences", "Préférences"},
    .size = {274, 172},
    .frenchSize = std::nullopt,
    .controls = kPreferencesControls,
    .hasSystemMenu = true,
};

} // namespace vellicor
