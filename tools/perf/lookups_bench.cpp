// The two lookups over their whole tables, at their slowest hit and over
// misses. "per_lookup" is the time of one lookup.
#include <halvora/calendar.h>

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace {

using namespace halvora;

void report_per_lookup(benchmark::State& state, std::size_t lookups_per_iteration) {
    state.counters["per_lookup"] = benchmark::Counter(
        static_cast<double>(lookups_per_iteration),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// "1" to "31": the day list's items without their leading blank.
std::string_view numeral(std::size_t day) {
    return day_item_texts[day - 1].substr(1);
}

void napszerint_every_day(benchmark::State& state, const std::array<std::string_view, 12>& months) {
    for (auto _ : state) {
        for (std::size_t month = 0; month < months.size(); ++month) {
            for (std::size_t day = 1; day <= static_cast<std::size_t>(days_in_table[month]);
                 ++day) {
                benchmark::DoNotOptimize(napszerint(months[month], numeral(day)));
            }
        }
    }
    report_per_lookup(state, 366);
}
BENCHMARK_CAPTURE(napszerint_every_day, hungarian, hungarian_month_names);
BENCHMARK_CAPTURE(napszerint_every_day, english, english_month_names);

// One lookup: the month names are compared in calendar order, Hungarian then
// English, so an English December is the slowest hit and a text that is no
// month the slowest miss.
void napszerint_one(benchmark::State& state, std::string_view month, std::string_view day) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(month);
        benchmark::DoNotOptimize(day);
        benchmark::DoNotOptimize(napszerint(month, day));
    }
    report_per_lookup(state, 1);
}
BENCHMARK_CAPTURE(napszerint_one, slowest_hit_December_31, "December", "31");
BENCHMARK_CAPTURE(napszerint_one, miss_unknown_month, "Decembre", "31");
BENCHMARK_CAPTURE(napszerint_one, miss_empty_month, "", "1");
BENCHMARK_CAPTURE(napszerint_one, miss_day_beyond_month, "February", "30");
BENCHMARK_CAPTURE(napszerint_one, miss_day_with_zero, "December", "01");
BENCHMARK_CAPTURE(napszerint_one, miss_day_not_numeral, "December", " 31.");

void nevszerint_every_name(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string_view name : name_list) {
            benchmark::DoNotOptimize(nevszerint(name));
        }
    }
    report_per_lookup(state, name_list.size());
}
BENCHMARK(nevszerint_every_name);

void nevszerint_one(benchmark::State& state, const std::string& name) {
    const std::string_view key = name;
    for (auto _ : state) {
        benchmark::DoNotOptimize(key);
        benchmark::DoNotOptimize(nevszerint(key));
    }
    report_per_lookup(state, 1);
}
BENCHMARK_CAPTURE(nevszerint_one, miss_lower_case, std::string("ábel"));
BENCHMARK_CAPTURE(nevszerint_one, miss_empty, std::string());
BENCHMARK_CAPTURE(nevszerint_one, miss_past_every_name, std::string("\xff"));
// A name's own letters followed by a long tail: every comparison on the way
// reads as far as the shared beginning.
BENCHMARK_CAPTURE(nevszerint_one, miss_long_text, "Zsuzsanna" + std::string(100000, 'a'));

} // namespace
