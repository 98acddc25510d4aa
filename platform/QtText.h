#pragma once
// A text of resources/ as Qt shows it, in the language of iLanguage.

#include "resources/BilingualText.h"

#include <QString>

#include <cstdint>

namespace vellicor {

inline QString QtText(const BilingualText& text, int32_t iLanguage)
{
    const std::string_view picked = PickText(text, iLanguage);
    return QString::fromUtf8(picked.data(), static_cast<qsizetype>(picked.size()));
}

} // namespace vellicor
