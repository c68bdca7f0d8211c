// The day conversion over what the day list offers, what people type and
// what only a fuzzer would.
#include <halvora/mainwindow/day_conversion.h>

#include <benchmark/benchmark.h>

#include <string>

namespace {

void day_conversion(benchmark::State& state, std::string text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(halvora::day_conversion(text));
    }
}
BENCHMARK_CAPTURE(day_conversion, list_item, std::string(" 15"));
BENCHMARK_CAPTURE(day_conversion, typed_numeral, std::string("7"));
BENCHMARK_CAPTURE(day_conversion, full_stop_and_blanks, std::string(" 7. "));
BENCHMARK_CAPTURE(day_conversion, no_number, std::string("abc"));
BENCHMARK_CAPTURE(day_conversion, fraction, std::string("7.5"));
BENCHMARK_CAPTURE(day_conversion, exponent, std::string("3.1e1"));
BENCHMARK_CAPTURE(day_conversion, too_large, std::string("1e400"));
BENCHMARK_CAPTURE(day_conversion, thousand_digits, std::string(1000, '9'));
BENCHMARK_CAPTURE(day_conversion, thousand_blanks, std::string(1000, ' ') + "5");
BENCHMARK_CAPTURE(day_conversion, long_fraction, "0." + std::string(1000, '0') + "1e1005");

} // namespace
