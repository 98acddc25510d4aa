#pragma once
// Texts as Qt shows them: a text of resources/ in the language of iLanguage, or any UTF-8 text.

#include "resources/BilingualText.h"

#include <QString>

#include <cstdint>
#include <string_view>

namespace vellicor {

// Our texts, the files' titles and the names of files are UTF-8.
inline QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString QtText(const BilingualText& text, int32_t iLanguage) { return FromUtf8(PickText(text, iLanguage)); }

} // namespace vellicor
