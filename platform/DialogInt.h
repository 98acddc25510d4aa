#pragma once
// Reading and writing numbers in dialog fields the way the old dialog helpers did, so that a
// procedure's checks keep their meaning. Reading is strict: blanks around an optional sign and
// decimal digits are a number; anything else, an empty text included, and any value outside the
// 32-bit range read as 0 and report failure. A procedure that ignores the flag therefore sees 0
// for "abc", "", "12abc" and "99999999999".

#include <cstdint>
#include <string>
#include <string_view>

namespace vellicor {

// isSigned: "-3" reads as -3. Unsigned: no minus sign, 0 .. 4294967295, returned as the 32-bit
// pattern of that value (4294967295 reads as -1), which is what a caller comparing unsigned wants.
std::int32_t ParseDialogInt(std::string_view text, bool isSigned, bool* translated = nullptr);

// isSigned false writes the value's 32-bit pattern as an unsigned number: -1 gives "4294967295".
std::string FormatDialogInt(std::int32_t value, bool isSigned);

} // namespace vellicor
