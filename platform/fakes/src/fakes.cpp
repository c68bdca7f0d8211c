#include <halvora/platform/fakes.h>

#include <algorithm>
#include <chrono>
#include <tuple>
#include <utility>

namespace halvora::fakes {

namespace chr = std::chrono;

// The hungarian "hétfő" with the double-acute letter: so the system spells it.
const RegionalSettings english_settings{
    {"January", "February", "March", "April", "May", "June", "July", "August", "September",
     "October", "November", "December"},
    {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"}};
const RegionalSettings hungarian_settings{
    {"január", "február", "március", "április", "május", "június", "július", "augusztus",
     "szeptember", "október", "november", "december"},
    {"h\xC3\xA9tf\xC5\x91", "kedd", "szerda", "csütörtök", "péntek", "szombat", "vasárnap"}};
const RegionalSettings german_settings{
    {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober",
     "November", "Dezember"},
    {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"},
    "."};

Moment add_minutes(const Moment& moment, long long minutes) {
    const long long total = moment.hour * 60LL + moment.minute + minutes;
    const long long days = total >= 0 ? total / 1440 : (total - 1439) / 1440;
    const chr::sys_days day =
        chr::sys_days{chr::year{moment.year} / moment.month / moment.day} + chr::days{days};
    const chr::year_month_day date{day};
    const auto minute_of_day = static_cast<int>(total - days * 1440);
    return {static_cast<int>(date.year()),
            static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())),
            static_cast<int>(chr::weekday{day}.iso_encoding()) - 1,
            minute_of_day / 60,
            minute_of_day % 60};
}

void FakeWindowFrame::drag_to(int width, int height) {
    const std::pair taken{std::max({width, least_width, 0}), std::max({height, least_height, 0})};
    if (taken != std::pair{w, h}) {
        std::tie(w, h) = taken;
        show();
    }
}

void FakeWindowFrame::show() {
    ++resizes;
    deepest = std::max(deepest, ++nesting);
    raise_resize();
    --nesting;
}

double FakeSystem::next() {
    ++draws;
    const double value = script.empty() ? 0.5 : script.front();
    if (!script.empty()) {
        script.pop_front();
    }
    return value;
}

void FakeSystem::show(std::string_view text, std::string_view title, int style) {
    log.push_back(std::string(title) + " " + std::to_string(style) + ": " + std::string(text));
}

void FakeSystem::open(platform::MenuItemId item, platform::MenuAnchor anchor) {
    const bool mini = item == platform::MenuItemId::mini;
    log.push_back(std::string(mini ? "menu, Normál first" : "menu") +
                  (anchor == platform::MenuAnchor::focus ? ", at the focus" : ""));
}

} // namespace halvora::fakes
