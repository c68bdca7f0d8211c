// Reading the day list's text as a number and writing it back as a numeral.
#pragma once

#include <string>
#include <string_view>

namespace halvora {

// Blanks are ignored anywhere; the longest leading decimal number (digits with
// one full stop as the decimal point, optionally an exponent such as "e5") is
// read and the rest ignored; no number, or a sign in front, reads as 0. The
// number comes back in its shortest form: " 5", "05" and "5x" give "5", "x"
// and "-5" give "0", "7.5" gives "7.5", "1e5" gives "100000". Never throws: a
// number too large for a double gives "inf", which names no day.
std::string day_conversion(std::string_view text);

} // namespace halvora
