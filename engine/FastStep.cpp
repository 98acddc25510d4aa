#include "engine/FastStep.h"

#include "engine/Step.h"

namespace vellicor {

void ComputeCellsFast(Automaton& a) { ComputeCellsReference(a); }

} // namespace vellicor
