#include <halvora/platform/fakes/clock.h>

namespace halvora::fakes {
namespace {

constexpr long long minutes_per_day = 24LL * 60;

// Days since 1970-01-01 of a civil date (Howard Hinnant's algorithm).
long long days_from_civil(long long year, long long month, long long day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long year_of_era = year - era * 400;
    const long long day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long day_of_era =
        year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era - 719468;
}

struct CivilDate {
    long long year;
    long long month;
    long long day;
};

CivilDate civil_from_days(long long days) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long day_of_era = days - era * 146097;
    const long long year_of_era =
        (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
    const long long day_of_year =
        day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const long long shifted_month = (5 * day_of_year + 2) / 153;
    const long long day = day_of_year - (153 * shifted_month + 2) / 5 + 1;
    const long long month = shifted_month + (shifted_month < 10 ? 3 : -9);
    return {year_of_era + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

// Monday = 0; 1970-01-01 was a Thursday.
int weekday_of(long long days) {
    const long long from_monday = (days + 3) % 7;
    return static_cast<int>(from_monday < 0 ? from_monday + 7 : from_monday);
}

long long floor_div(long long a, long long b) {
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

Moment moment_at(int year, int month, int day, int hour, int minute) {
    return Moment{year, month, day, weekday_of(days_from_civil(year, month, day)), hour, minute};
}

void FakeClock::advance_minutes(long long minutes) {
    const long long total = days_from_civil(now_.year, now_.month, now_.day) * minutes_per_day +
                            now_.hour * 60LL + now_.minute + minutes;
    const long long days = floor_div(total, minutes_per_day);
    const long long minute_of_day = total - days * minutes_per_day;
    const CivilDate date = civil_from_days(days);
    now_ = Moment{static_cast<int>(date.year),          static_cast<int>(date.month),
                  static_cast<int>(date.day),           weekday_of(days),
                  static_cast<int>(minute_of_day / 60), static_cast<int>(minute_of_day % 60)};
}

} // namespace halvora::fakes
