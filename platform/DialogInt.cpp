#include "platform/DialogInt.h"

#include <charconv>

namespace vellicor {
namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

std::int32_t ParseDialogInt(std::string_view text, bool isSigned, bool* translated)
{
    if (translated != nullptr) {
        *translated = false;
    }
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || (negative && !isSigned)) {
        return 0;
    }
    // from_chars refuses a second sign, blanks after the sign and overlong numbers.
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || end != text.data() + text.size()) {
        return 0;
    }
    if (magnitude > UINT32_MAX) {
        return 0;
    }
    const std::int64_t value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    const std::int64_t low = isSigned ? INT32_MIN : 0;
    const std::int64_t high = isSigned ? INT32_MAX : UINT32_MAX;
    if (value < low || value > high) {
        return 0;
    }
    if (translated != nullptr) {
        *translated = true;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::string FormatDialogInt(std::int32_t value, bool isSigned)
{
    return isSigned ? std::to_string(value) : std::to_string(static_cast<std::uint32_t>(value));
}

} // namespace vellicor
