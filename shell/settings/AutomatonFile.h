#pragma once
// Automaton files (".vellicor", MIME type application/x-vellicor): one picture in one file, to
// keep, send and open by a double click. The INI syntax of the settings file, read by the same
// profile layer, written in this order with a blank line between the sections:
//
//   [Picture]    Title, Titre (French), Author, Notes: free text, one line each, UTF-8.
//   [Vellicor]   the automaton and its picture under the keys, values and meanings of VLR.INI:
//                wMaxHor, wMaxVer, iStep, bPlane, iModuloMode, iModuloDefault, bHomogeneousMode,
//                iNumAuto[0..15], byRColor/byGColor/byBColor[0..15], iNeighbours[0..2][0..2].
//                A missing key takes the program's default; other keys are ignored, so a copy
//                of VLR.INI opens as the automaton it describes.
//   [Cells]      the live cells, one line per row from the top, states separated by TAB, as a
//                selection file holds them (and read by the selection-file reader); fewer rows
//                or columns than the array leave the rest at 0.
//
// Unlike VLR.INI, which holds a stray value to a safe one, the reader refuses a file with any
// value outside its range, a number it cannot read, a state above 15, or more rows or columns
// than the array's size: a file is a picture someone made, and a silently different picture is
// worse than a clear refusal. Ranges: wMaxHor, wMaxVer 1 .. 101; iNumAuto 0 .. 1023 (the ten
// reduced sums); bPlane, bHomogeneousMode 0 .. 1; colours 0 .. 255; the weights,
// iModuloDefault and iStep any 32-bit number, as their dialogs accept, and iModuloMode too (a
// mode outside 0 .. 4 leaves the sum unreduced, and VLR.INI can give the program one). The writer
// stores what the program runs on, so what it writes always reads back: a rule mask above 1023
// as 1023 and a negative one as 0 (the rule table they decode to is the same), a flag as 0 or
// 1, a colour as the palette's byte.

#include "shell/settings/Settings.h"

#include <optional>
#include <string>
#include <string_view>

namespace vellicor {

inline constexpr std::string_view kAutomatonFileExtension = "vellicor";
inline constexpr std::string_view kAutomatonMimeType = "application/x-vellicor";

struct AutomatonPicture { // the [Picture] section
    std::string title = {}, titre = {}, author = {}, notes = {}; // UTF-8, one line each

    friend bool operator==(const AutomatonPicture&, const AutomatonPicture&) = default;
};

enum class AutomatonFileProblem {
    kUnreadable,     // no such file, or it could not be read
    kNotAutomaton,   // no [Vellicor] section
    kNotANumber,     // a key's value is not a whole number (key)
    kOutOfRange,     // a key's value lies outside min .. max (key)
    kStateAbove15,   // a field of [Cells]
    kTooManyRows,    // [Cells] has more rows than the array's count (limit)
    kTooManyColumns, // a row of [Cells] has more fields than the array's count (limit)
};

struct AutomatonFileError { // one message, naming the line (1-based; 0 when no line applies)
    int line = 0;
    AutomatonFileProblem problem = AutomatonFileProblem::kUnreadable;
    std::string key = {};
    int64_t min = 0;
    int64_t max = 0;
    int64_t limit = 0;
};

// The message for the person, in the language of iLanguage.
std::string AutomatonFileErrorText(const AutomatonFileError& error, int32_t iLanguage);

// Reads the whole file; on success fills `model` (the automaton's rules, weights, modes, size,
// step, geometry applied as Preferences' OK applies it, colours, the live cells with the ring
// cleared, the run started again at level 1) and `picture`. On failure changes nothing and
// returns the error.
std::optional<AutomatonFileError> ReadAutomatonFile(const std::string& path, Model& model, AutomatonPicture& picture);
std::optional<AutomatonFileError> ParseAutomatonFile(std::string_view text, Model& model, AutomatonPicture& picture);

// The file's bytes, and its durable atomic save (false: nothing written, any old file intact).
std::string AutomatonFileText(const Model& model, const AutomatonPicture& picture);
bool WriteAutomatonFile(const std::string& path, const Model& model, const AutomatonPicture& picture);

} // namespace vellicor
