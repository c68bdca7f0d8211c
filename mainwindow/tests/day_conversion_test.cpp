#include <halvora/mainwindow/day_conversion.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvora {
namespace {

TEST(DayConversion, ReadsTheLeadingDecimalNumberAndWritesItBackShortest) {
    // Exactly halfway between 1 and the next double, and 2^53 + 1, halfway
    // between two doubles: on the point they round to even, a 1 far past the
    // 800th digit puts them above it.
    const std::string halfway_above_one = "1.00000000000000011102230246251565404236316680908203125";
    const std::string zeros(800, '0');
    const struct {
        std::string text;
        std::string numeral;
    } cases[] = {
        // The day list's own items and what people type.
        {" 5", "5"},
        {"05", "5"},
        {"5x", "5"},
        {" 7 ", "7"},
        {"1 5", "15"},
        {"\t7\n", "7"},
        {"5.0", "5"},
        // No number at all, no sign and no other base.
        {"", "0"},
        {".", "0"},
        {"e5", "0"},
        {"-5", "0"},
        {"0x1A", "0"},
        // Fractions keep their fraction; a second full stop ends the number.
        {".5", "0.5"},
        {"1.2.3", "1.2"},
        {"0.00001", "1e-05"},
        // Exponents, with blanks anywhere; an exponent without digits is not one.
        {"1 E +2", "100"},
        {"25e-1", "2.5"},
        {"5e+", "5"},
        {"0e999999999999", "0"},
        {"1e15", "1e+15"},
        // Beyond a double's range.
        {"1e309", "inf"},
        {"1e99999999999999999999", "inf"},
        {"1e-400", "0"},
        // Bytes that belong to no number end it.
        {std::string{'5', '\0', '3'}, "5"},
        {std::string{'\xFF', '5'}, "0"},
        {"5\xC3", "5"},
        // A thousand digits never overflow.
        {std::string(1000, '0') + "5", "5"},
        {"1" + std::string(999, '0'), "inf"},
        {"1" + std::string(308, '0'), "1e+308"},
        {"3." + std::string(1000, '0') + "1", "3"},
        {std::string(1000, '9') + "e-990", "10000000000"},
        // A million zeros after the point cannot cancel an exponent of ten
        // million: the number is still far too large, not 5.
        {"0." + std::string(999998, '0') + "5e9999999", "inf"},
        {"5" + std::string(999999, '0') + "e-9999999", "0"},
        // Digits past the kept ones still tip a halfway value.
        {halfway_above_one + zeros, "1"},
        {halfway_above_one + zeros + "1", "1.0000000000000002"},
        {"9007199254740993" + zeros + "e-800", "9.007199254740992e+15"},
        {"9007199254740993" + zeros + "1e-801", "9.007199254740994e+15"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(day_conversion(c.text), c.numeral) << '"' << c.text.substr(0, 20) << '"';
    }
}

} // namespace
} // namespace halvora
