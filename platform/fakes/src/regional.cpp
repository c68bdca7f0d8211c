#include <halvora/platform/fakes/regional.h>

namespace halvora::fakes {

const RegionalSettings& english_settings() {
    static const RegionalSettings settings{
        {"January", "February", "March", "April", "May", "June", "July", "August", "September",
         "October", "November", "December"},
        {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
        ":"};
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
