#pragma once
// The settings the shell and the views keep beyond what the automaton and the array content
// hold, and the one model every settings operation takes.
//
// Every persistent setting is a 32-bit signed integer whose key in the initialization file is
// its own name ("bDrawGrid", "byRColor[3]", "iNeighbours[1][2]"). The engine-side settings live
// in Automaton, the array-content ones in Content and CellGeometry; the rest live here. Which
// member each key fills, its default and the range it is held to are in SettingsTable.h.

#include "content/Content.h"
#include "engine/Automaton.h"

#include <cstdint>
#include <string>

namespace vellicor {

struct LayoutRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;

    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

// The four rectangles computed once per run from the main window's client height: the defaults
// of the twelve rectangle keys and what is saved for a closed window. All zero until computed.
struct DefaultLayout {
    LayoutRect info;
    LayoutRect matrix;
    LayoutRect mosaic;
    LayoutRect multiBitmap;
};

inline constexpr int32_t kDefaultRed[kStateCount] = {255, 255, 0, 0, 255, 0, 255, 0, 0, 0, 128, 255, 255, 128, 0, 128};
inline constexpr int32_t kDefaultGreen[kStateCount] = {255, 0, 255, 0, 255, 255, 0, 0, 0, 128, 0, 255, 128, 255, 128, 128};
inline constexpr int32_t kDefaultBlue[kStateCount] = {255, 0, 0, 255, 0, 255, 255, 0, 128, 0, 0, 128, 255, 255, 255, 128};

struct Settings {
    // The edition is fixed when the program is built; the application passes it in.
    explicit Settings(int32_t quorrelEdition);

    const int32_t bQuorrelEdition;

    // Colour components as stored (only the low byte counts) and the palette built from them:
    // red in bits 0-7, green 8-15, blue 16-23, as the platform's colour values had it.
    int32_t byRColor[kStateCount];
    int32_t byGColor[kStateCount];
    int32_t byBColor[kStateCount];
    uint32_t crStateColor[kStateCount];

    int32_t bDrawGrid = 1;
    int32_t bRectangle = 1; // cell shape: 1 rectangle, 0 ellipse
    int32_t bPlane = 0;     // geometry marked in Preferences; iGeometryMode is the applied one
    int32_t bArrayMode = 1;

    // Array, Mosaic and Multi-bitmap windows: open at save time, and where (main-client pixels).
    int32_t bMatrixWindowOn = 1;
    int32_t bMosaicWindowOn = 1;
    int32_t bMultiBitmapWindowOn = 1;
    int32_t iMatrixX = 0;
    int32_t iMatrixY = 0;
    int32_t iMatrixWidth = 0;
    int32_t iMatrixHeight = 0;
    int32_t iMosaicX = 0;
    int32_t iMosaicY = 0;
    int32_t iMosaicWidth = 0;
    int32_t iMosaicHeight = 0;
    int32_t iMultiBitmapX = 0;
    int32_t iMultiBitmapY = 0;
    int32_t iMultiBitmapWidth = 0;
    int32_t iMultiBitmapHeight = 0;

    int32_t iLanguage = 1; // 1 English, anything else French

    DefaultLayout layout;
    std::string szHelpFile = "VLRUS.HLP";
};

// Everything the settings operations read and write: the program's whole configurable state.
struct Model {
    explicit Model(int32_t quorrelEdition) : settings(quorrelEdition) {}

    Automaton automaton;
    Content content;
    CellGeometry cells;
    Settings settings;
};

// crStateColor from the low bytes of the stored components.
void BuildPalette(Settings& settings);

// szHelpFile for the edition and iLanguage.
void ChooseHelpFile(Settings& settings);

// The default layout from the main window's client height. The icon bar is 32 pixels high when
// shown. Heights that the formulas would make negative (a client area lower than the windows'
// fixed heights) are 0, and the height is taken as 0 .. 1 << 20 so that no sum can overflow.
void ComputeDefaultLayout(DefaultLayout& layout, int32_t mainClientHeight, int32_t bIconBarOn = 1);

// The program's full restart of the run: the engine's reset, the drawing origin, the cell size
// and the help file of the edition and language. The cells are left alone.
void ResetAutomaton(Model& model);

} // namespace vellicor
