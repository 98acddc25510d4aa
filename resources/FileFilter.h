#pragma once
// A line of a file dialog's type list: the text shown and the pattern of the names it lists, as
// the old filter strings paired them ("Fichiers Texte (*.TXT)", "*.txt"). Patterns match names
// without regard to case, as the old file system did.

#include <string_view>

namespace vellicor {

struct FileFilter {
    std::string_view label;
    std::string_view pattern;
};

} // namespace vellicor
