#include <halvora/platform/fakes/regional.h>

#include <algorithm>

namespace halvora::fakes {

// An English system names its months and weekdays exactly as the calendar's
// English tables do.
const RegionalSettings& english_settings() {
    static const RegionalSettings settings = [] {
        RegionalSettings english;
        std::copy(english_month_names.begin(), english_month_names.end(),
                  english.month_names.begin());
        std::copy(english_weekday_names.begin(), english_weekday_names.end(),
                  english.weekday_names.begin());
        english.time_separator = ":";
        return english;
    }();
    return settings;
}

const RegionalSettings& hungarian_settings() {
    // "hétfő" with the double-acute letter: that is how the system spells it.
    static const RegionalSettings settings{
        {"január", "február", "március", "április", "május", "június", "július", "augusztus",
         "szeptember", "október", "november", "december"},
        {"h\xC3\xA9tf\xC5\x91", "kedd", "szerda", "csütörtök", "péntek", "szombat", "vasárnap"},
        ":"};
    return settings;
}

const RegionalSettings& german_settings() {
    static const RegionalSettings settings{
        {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September",
         "Oktober", "November", "Dezember"},
        {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"},
        ":"};
    return settings;
}

} // namespace halvora::fakes
