#pragma once
// How much a picture's cells depend on their neighbours: the figure that tells noise from
// structure; and how plain the picture is.
//
// The figure is the mutual information between the states of horizontally and vertically adjacent
// cells (each pair read left to right or top to bottom, the two directions' counts taken
// together), divided by the entropy of the cells' states. It runs from 0, cells as independent of
// their neighbours as dice, to 1, a cell's state told exactly by its neighbour's (a
// checkerboard). A picture of one state has no entropy and counts 0: it is a run that died out.

#include "engine/Automaton.h"

namespace vellicor {

// Below this a run is noise: a gallery of such squares differs in colour and little else.
inline constexpr double kNoiseBelow = 0.1;

// The structure figure, and the share of the judged cells that hold their most common state
// (1 for a picture of one state), from one pass over the cells. A run is judged by its live
// cells; in plane geometry the two outermost rows and columns are left out: the border ring of
// zeros keeps stirring them, so a run that has filled the rest of the array with one state would
// otherwise never count as dead.
struct PictureFigures {
    double structure = 0.0;
    double plainShare = 1.0;
};
PictureFigures MeasurePicture(const Automaton& a);

double StructureFigure(const Automaton& a);

} // namespace vellicor
