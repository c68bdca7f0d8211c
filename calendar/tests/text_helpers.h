// Small text helpers shared by the calendar tests.
#pragma once

#include <cstddef>
#include <string_view>

namespace halvora::testing {

// Characters, not bytes: every byte that is not a UTF-8 continuation byte
// starts a character.
inline std::size_t utf8_characters(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U) {
            ++count;
        }
    }
    return count;
}

// The calendar writes õ where Hungarian has the double-acute o; the
// double-acute letters themselves (U+0150, U+0151) must never appear.
inline bool has_double_acute_o(std::string_view text) {
    return text.find("\xC5\x91") != std::string_view::npos ||
           text.find("\xC5\x90") != std::string_view::npos;
}

} // namespace halvora::testing
