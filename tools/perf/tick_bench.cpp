// One full tick of the main window's timer on the fake platform: the clock,
// the running title, the caption in mode "cimsor", and the minute 00:00 in
// which every tick refreshes the date and looks up today's names again.
#include <halvora/mainwindow/window_on_fakes.h>

#include <benchmark/benchmark.h>

namespace {

using halvora::fakes::moment_at;
using halvora::fakes::WindowOnFakes;

void tick_running_title(benchmark::State& state) {
    WindowOnFakes w;
    w.start();
    for (auto _ : state) {
        w.form.Timer1_Timer();
    }
}
BENCHMARK(tick_running_title);

void tick_in_cimsor(benchmark::State& state) {
    WindowOnFakes w;
    w.start();
    w.form.cimsor_Click();
    for (auto _ : state) {
        w.form.Timer1_Timer();
    }
}
BENCHMARK(tick_in_cimsor);

void tick_in_cimsor_at_midnight(benchmark::State& state) {
    WindowOnFakes w;
    w.system.moment = moment_at(2026, 12, 5, 0, 0);
    w.start();
    w.form.cimsor_Click();
    for (auto _ : state) {
        w.form.Timer1_Timer();
    }
}
BENCHMARK(tick_in_cimsor_at_midnight);

} // namespace
