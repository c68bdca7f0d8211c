// A clock that shows whatever moment a test sets, and moves on only when told.
#pragma once

#include <halvora/platform/platform.h>

namespace halvora::fakes {

// A moment of the proleptic Gregorian calendar with its weekday worked out.
Moment moment_at(int year, int month, int day, int hour, int minute);

class FakeClock final : public platform::Clock {
public:
    explicit FakeClock(Moment start = moment_at(2026, 12, 5, 7, 5))
        : now_(start) {}

    [[nodiscard]] Moment now() const override { return now_; }

    // Taken as given, weekday included, so a test can also set a broken moment.
    void set(const Moment& moment) { now_ = moment; }
    // Moves on (or back) across days, months and years; the weekday follows.
    void advance_minutes(long long minutes);

private:
    Moment now_;
};

} // namespace halvora::fakes
