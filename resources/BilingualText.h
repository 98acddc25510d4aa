#pragma once
// Every text a person reads exists in English and in French. The choice is made where the text is
// shown, from iLanguage: 1 is English and every other value, including values a hand-edited
// settings file may hold (2, -1, ...), is French.

#include <string_view>

namespace vellicor {

constexpr bool IsEnglish(int iLanguage)
{
    return iLanguage == 1;
}

// Both halves are UTF-8.
struct BilingualText {
    std::string_view english;
    std::string_view french;
};

constexpr std::string_view PickText(const BilingualText& text, int iLanguage)
{
    return IsEnglish(iLanguage) ? text.english : text.french;
}

// A text that reads the same in both languages ("OK", "Multi-bitmap", a number).
constexpr BilingualText SameText(std::string_view both)
{
    return {both, both};
}

} // namespace vellicor
