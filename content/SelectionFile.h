#pragma once
// Selection files: a rectangle of cells as plain text, one line per row from the top, the states
// in decimal separated by TAB, every line (the last one too) ended by LF. No header and no stated
// size: the width is the number of fields on a line, the height the number of lines.
//
// The reader is more tolerant than the writer: every byte but the digits, TAB and LF is skipped
// (CR, blanks, signs, letters), so CR LF files, padded numbers and "-3" (read as 3) load; an
// empty field is 0; lines may differ in length, each starting again at the marked point's column.

#include "content/Selection.h"
#include "engine/Automaton.h"
#include "engine/CellField.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vellicor {

// The cells of the rectangle's live part as file bytes; empty for a rectangle dragged leftwards
// or upwards or lying wholly outside the live area.
std::string SelectionFileBytes(const Automaton& a, const Selection& s);
// A whole field's cells as file bytes.
std::string SelectionFileBytes(const CellField& f);

enum class SaveResult {
    kSaved,      // file written; the rectangle's highlight is off
    kWriteError, // nothing written, the file that was there is intact, nothing else changed
};

// Written whole to a temporary file and renamed over the target, so a failure never leaves a
// half-written or destroyed file behind.
SaveResult SaveSelection(const Automaton& a, Selection& s, const std::string& path);

struct LoadResult {
    bool bLoaded = false;       // false: the file could not be opened or read; nothing changed
    bool bDataError = false;    // at least one field of 16 or more, or of more than 7 digits; those
                                // cells kept their state and the rest was loaded. Report once.
    bool bOutsideArray = false; // at least one field fell outside the live area and was not
                                // written; the rest was loaded. Report once.
    // The line of the first field of each kind, counted from the first line of the text
    // (0-based), for a reader that names the line; -1 when there was none.
    int64_t iFirstDataErrorRow = -1;
    int64_t iFirstOutsideRow = -1;
};

// The fields are stored from the marked point into both arrays, then the geometry; the point's
// highlight goes off. Level and counters go on. Digits pending at the very end (a last line
// without its LF) make one more field.
LoadResult LoadSelection(Automaton& a, Selection& s, std::string_view bytes);
// The same from a file, read in pieces: nothing is written to the array unless the whole file
// was read, and the file's size does not matter to memory.
LoadResult LoadSelectionFile(Automaton& a, Selection& s, const std::string& path);
// The same onto a field, its first field at cell (pointX, pointY) counted from 1 as on the array;
// bOutsideArray when a field fell outside the field.
LoadResult LoadSelectionFile(CellField& f, int64_t pointX, int64_t pointY, const std::string& path);

} // namespace vellicor
