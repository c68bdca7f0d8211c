#include <halvora/mainwindow/day_conversion.h>

#include <array>
#include <charconv>
#include <cstddef>
#include <string>
#include <system_error>

namespace halvora {
namespace {

// The numeric reading of a typed text: it skips blanks wherever they stand
// and reads digits, one full stop and an exponent ("1e5"), but no sign and no
// other base. It never converts more than it can hold: the digits are kept as
// text (up to what a double can tell apart) with a decimal exponent beside
// them, and only that bounded copy is handed to from_chars.

constexpr bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
constexpr bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// More significant digits than any double needs to be read exactly.
constexpr std::size_t kept_digits = 800;
// Exponents are counted up to this much beyond the text's own length and no
// further: the digits before the exponent shift it by at most that length,
// so anything beyond still lies far outside a double's range.
constexpr long long exponent_cap = 100000;
// Decimal orders of magnitude a double can hold: below about 1e-324 a value
// reads as 0, from 1e309 on it reads as infinity.
constexpr long long lowest_order = -330;
constexpr long long highest_order = 309;

// A number far too large for a double reads as infinity and is written back so.
constexpr std::string_view too_large = "inf";

class Cursor {
public:
    explicit Cursor(std::string_view text)
        : text_(text) {}

    // The next character that is not a blank, or '\0' at the end. A NUL inside
    // the text reads as no part of a number, which ends the number there too.
    char peek() {
        while (position_ < text_.size() && is_blank(text_[position_])) {
            ++position_;
        }
        return position_ < text_.size() ? text_[position_] : '\0';
    }
    void skip() { ++position_; }
    [[nodiscard]] std::size_t position() const { return position_; }
    [[nodiscard]] std::size_t size() const { return text_.size(); }
    void rewind(std::size_t position) { position_ = position; }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

// value = digits × 10^exponent; `digits` has no leading zero. Digits past
// the kept ones only matter when a value lies exactly halfway between two
// doubles, and then only whether any of them is not zero.
struct Decimal {
    std::string digits;
    long long exponent = 0;
    bool any_digit = false;
    bool dropped_nonzero = false;
};

void read_mantissa(Cursor& cursor, Decimal& number) {
    for (char c = cursor.peek(); is_digit(c); c = cursor.peek()) {
        cursor.skip();
        number.any_digit = true;
        if (number.digits.empty() && c == '0') {
            continue;
        }
        if (number.digits.size() < kept_digits) {
            number.digits += c;
        } else {
            ++number.exponent; // a dropped whole digit still counts for the size
            number.dropped_nonzero = number.dropped_nonzero || c != '0';
        }
    }
    if (cursor.peek() != '.') {
        return;
    }
    cursor.skip();
    for (char c = cursor.peek(); is_digit(c); c = cursor.peek()) {
        cursor.skip();
        number.any_digit = true;
        if (number.digits.empty() && c == '0') {
            --number.exponent;
        } else if (number.digits.size() < kept_digits) {
            number.digits += c;
            --number.exponent;
        } else {
            number.dropped_nonzero = number.dropped_nonzero || c != '0';
        }
    }
}

// An exponent counts only with at least one digit: "5e" and "5e+" read as 5.
void read_exponent(Cursor& cursor, Decimal& number) {
    const std::size_t start = cursor.position();
    const char marker = cursor.peek();
    if (marker != 'e' && marker != 'E') {
        return;
    }
    cursor.skip();
    bool negative = false;
    if (const char sign = cursor.peek(); sign == '+' || sign == '-') {
        negative = sign == '-';
        cursor.skip();
    }
    if (!is_digit(cursor.peek())) {
        cursor.rewind(start);
        return;
    }
    const long long cap = exponent_cap + static_cast<long long>(cursor.size());
    long long exponent = 0;
    for (char c = cursor.peek(); is_digit(c); c = cursor.peek()) {
        cursor.skip();
        if (exponent < cap) {
            exponent = exponent * 10 + (c - '0');
        }
    }
    number.exponent += negative ? -exponent : exponent;
}

// The shortest text that reads back as `value`: plain digits for the sizes a
// person types, the exponent form only for the very large and very small.
std::string write_back(double value) {
    std::array<char, 64> buffer{};
    const bool plain = value >= 1e-4 && value < 1e15;
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                      plain ? std::chars_format::fixed : std::chars_format::scientific);
    if (result.ec != std::errc{}) {
        return std::string(too_large);
    }
    return {buffer.data(), result.ptr};
}

} // namespace

std::string day_conversion(std::string_view text) {
    Cursor cursor(text);
    Decimal number;
    read_mantissa(cursor, number);
    if (!number.any_digit) {
        return "0";
    }
    read_exponent(cursor, number);
    if (number.digits.empty()) {
        return "0";
    }

    const long long order = static_cast<long long>(number.digits.size()) + number.exponent;
    if (order > highest_order) {
        return std::string(too_large);
    }
    if (order < lowest_order) {
        return "0";
    }
    // One non-zero digit stands in for all the dropped ones, so that a value
    // just above a halfway point does not round down as if it were on it.
    std::string bounded = number.digits;
    long long exponent = number.exponent;
    if (number.dropped_nonzero) {
        bounded += '1';
        --exponent;
    }
    bounded += 'e';
    bounded += std::to_string(exponent);

    double value = 0.0;
    const auto result = std::from_chars(bounded.data(), bounded.data() + bounded.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return order > 0 ? std::string(too_large) : "0";
    }
    if (result.ec != std::errc{} || value == 0.0) {
        return "0";
    }
    return write_back(value);
}

} // namespace halvora
