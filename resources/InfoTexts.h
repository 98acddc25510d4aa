#pragma once
// The labels of the Info window.

#include "resources/BilingualText.h"

namespace vellicor {

inline constexpr BilingualText kInfoLevelLabel{"Level:", "Niveau:"};
inline constexpr BilingualText kInfoCountLabel{"Count:", "Nombre:"};
inline constexpr BilingualText kInfoChangesLabel{"Changes:", "Modif.:"};
inline constexpr BilingualText kInfoAutomatonLabel{"Automaton:", "Automate:"};

} // namespace vellicor
