// The texts too long to be seeds of the fuzz target, which checks every other
// case against the C library's reading (fuzz/corpus/fuzz_day_conversion).
#include <halvora/mainwindow/day_conversion.h>

#include <gtest/gtest.h>

#include <string>

namespace halvora {
namespace {

TEST(DayConversion, AMillionDigitsCannotOutweighAnExponent) {
    EXPECT_EQ(day_conversion("0." + std::string(999998, '0') + "5e9999999"), "inf");
    EXPECT_EQ(day_conversion("5" + std::string(999999, '0') + "e-9999999"), "0");
    EXPECT_EQ(day_conversion(std::string(1000000, '0') + "7"), "7");
}

} // namespace
} // namespace halvora
