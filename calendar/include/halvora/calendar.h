// The Hungarian name-day calendar: its words, its two tables and the lookups
// over them. Pure C++, no windowing code; every text is UTF-8 and every
// comparison is exact, byte for byte.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace halvora {

// ---------------------------------------------------------------------------
// Sentinels: what a failed lookup gives back instead of a result text.

inline constexpr std::string_view honapbaj = "honapbaj"; // the month text names no month
inline constexpr std::string_view napbaj = "napbaj";     // the day text is no day of that month
inline constexpr std::string_view nevbaj = "nevbaj";     // the name is not in the calendar

// ---------------------------------------------------------------------------
// Vocabulary.

inline constexpr std::array<std::string_view, 12> hungarian_month_names = {
    "január", "február",   "március",    "április", "május",    "június",
    "július", "augusztus", "szeptember", "október", "november", "december"};

inline constexpr std::array<std::string_view, 12> english_month_names = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// Monday first, as the calendar's week runs.
inline constexpr std::array<std::string_view, 7> english_weekday_names = {
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

inline constexpr std::array<std::string_view, 7> hungarian_weekday_names = {
    "Hétfõ", "Kedd", "Szerda", "Csütörtök", "Péntek", "Szombat", "Vasárnap"};

// Appended to a day's names in the today panel.
inline constexpr std::string_view napja_suffix = " napja";

// An English month or weekday name becomes the Hungarian one; any other text
// comes back unchanged.
std::string honapnev(std::string_view month_name);
std::string hetnapnev(std::string_view weekday_name);

// A moment as the system clock gives it. `weekday` counts from Monday = 0.
struct Moment {
    int year = 2000;
    int month = 1; // 1 to 12
    int day = 1;   // 1 to 31
    int weekday = 0;
    int hour = 0;
    int minute = 0;
};

// What the system's regional settings say: full month names (January first),
// full weekday names (Monday first) and the time separator.
struct RegionalSettings {
    std::array<std::string, 12> month_names;
    std::array<std::string, 7> weekday_names;
    std::string time_separator = ":";
};

// The separator between hours and minutes in a system's time format such as
// "HH:mm", "H.mm" or "h:mm tt": the first character after the first hour
// field, before a minute field, that is neither a letter nor a quote; ":"
// when there is none. Characters beyond ASCII count as letters.
std::string time_separator_of(std::string_view time_format);

// The five date patterns the program writes.
inline constexpr std::string_view pattern_year = "yyyy. ";
inline constexpr std::string_view pattern_day = " d.";
inline constexpr std::string_view pattern_month = "mmmm";
inline constexpr std::string_view pattern_weekday = "dddd";
inline constexpr std::string_view pattern_clock = "hh:mm";

// The text of `moment` by one of the five patterns. Any other pattern, or a
// field of the moment out of its range, gives the empty text.
std::string datumszoveg(std::string_view pattern, const Moment& moment,
                        const RegionalSettings& regional);

// The day of the month as a plain numeral ("5"); empty when out of 1..31.
std::string day_numeral(const Moment& moment);

// ---------------------------------------------------------------------------
// Choice lists.

// The day list's items as the first fill writes them: " 1" to " 31".
extern const std::array<std::string_view, 31> day_item_texts;

// The items the fit appends when a month grows: "29", "30", "31".
inline constexpr std::array<std::string_view, 3> appended_day_item_texts = {"29", "30", "31"};

inline constexpr std::size_t name_count = 436;

// The name list, in its fixed order.
extern const std::array<std::string_view, name_count> name_list;

// Days a Hungarian month name offers in the day list: 31, 30, 28 for február,
// 0 for any other text.
int days_in_list(std::string_view hungarian_month);

// The four operations the fill and fit use on a drop-down list.
class ChoiceList {
public:
    virtual ~ChoiceList() = default;
    [[nodiscard]] virtual std::string_view text() const = 0;
    [[nodiscard]] virtual int count() const = 0;
    virtual void append(std::string_view item) = 0;
    virtual void remove_at(int position) = 0; // zero-based
};

// Appends the months, the days of the month list's current text and the names.
void fill_choice_lists(ChoiceList& months, ChoiceList& days, ChoiceList& names);

// Makes the day list as long as the month the month list shows, appending or
// removing its last items; any other state is left alone.
void fit_day_list(const ChoiceList& months, ChoiceList& days);

// ---------------------------------------------------------------------------
// Lookups. Both return views into constant data that lives for the whole run.

// The names celebrated on a day ("Fruzsina", "Genovéva, Benjámin", "" on
// február 29), or honapbaj, or napbaj. The month is a Hungarian or English
// month name, the day a plain numeral "1".."31", both matched exactly.
std::string_view napszerint(std::string_view month, std::string_view day);

// The date text of a name (" február 9."), or nevbaj.
std::string_view nevszerint(std::string_view name);

// The day table's size per month, február 29 included.
inline constexpr std::array<int, 12> days_in_table = {31, 29, 31, 30, 31, 30,
                                                      31, 31, 30, 31, 30, 31};

} // namespace halvora
