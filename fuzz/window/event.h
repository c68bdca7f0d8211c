// The events that drive the whole window, by the byte that stands for each in
// the input of the whole-window fuzz target, and the moments and systems an
// input starts from. The scenario scripts name the same things in words
// (script.h); both come down to these bytes.
//
// An input is a start byte (one of `starts`), a system byte (one of `systems`,
// plus systems.size() for a system that cannot tell the program's folder),
// then events: an event byte and the event's arguments. Every byte is read
// modulo the number of choices; past the input's end every byte reads as zero.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace halvora::window_events {

enum class Event : std::uint8_t {
    load,             // the toolkit loads the window and shows it
    type_month,       // a text: its length in one byte, then its bytes
    type_day,         // a text
    type_name,        // a text
    pick,             // a List byte, a position byte (0 to 63): a click in a drop-down
    leave,            // a List byte: the focus leaves that list
    search,           // Command1, "Keresés"
    click_kilepes,    // Command2, "Kilépés"
    click_option1,    // "Névnap keresése dátum alapján"
    click_option2,    // "Dátum keresése keresztnév alapján"
    click_title,      // Label4, the running title
    click_about_box,  // a click on the open about box, which closes it
    menu_cimsor,      // "Csak címsor"
    menu_mini,        // "Normál"
    menu_teljes,      // "Keresés"
    menu_tartalom,    // "Súgó", "Tartalom"
    menu_targymutato, // "Súgó", "Tárgymutató"
    menu_keres,       // "Súgó", "Keresés"
    menu_nevjegy,     // "Névjegy"
    menu_kilepes,     // "Kilépés"
    press,            // a button byte (0 to 4), a Press byte, a member index (signed byte)
    menu_key,         // the menu key, or Shift+F10
    drag,             // width and height, each a 32-bit int: the user drags the border
    move,             // left and top, each a 32-bit int: the user moves the window
    least_size,       // width / 40, height / 5: the least size the frame allows grows
    resize,           // the frame reports a resize without a change of size
    tick,             // the next tick, in the same minute
    tick_next_minute, // the first tick of the next minute
    tick_at_23_59,    // the clock set to 23:59 of its day
    tick_after_jump,  // minutes either way, a 32-bit int within jump_range
    tick_drawing,     // the three colour draws, each a double of any bit pattern
};
inline constexpr int event_count = 31;

enum class List : std::uint8_t { month, day, name };
inline constexpr int list_count = 3;
inline constexpr int list_positions = 64;

// Where a button goes down: on the window itself, a member of Frame1 or a
// member of Label1.
enum class Press : std::uint8_t { window, frame1, label1 };
inline constexpr int press_count = 3;
inline constexpr int button_count = 5;

inline constexpr int jump_range = 4 * 366 * 24 * 60; // up to four years either way

// Least sizes come in these steps, so that one byte reaches past the sizes
// the modes set.
inline constexpr int least_width_step = 40;
inline constexpr int least_height_step = 5;

struct Start {
    int year, month, day, hour, minute;
};

// Just before the awkward midnights: into 29 February of a leap year, out of
// it, into a new year, into 1 March of a year without 29 February; and an
// ordinary morning.
inline constexpr std::array<Start, 5> starts = {{{2028, 2, 28, 23, 58},
                                                 {2028, 2, 29, 23, 59},
                                                 {2027, 12, 31, 23, 59},
                                                 {2100, 2, 28, 23, 59},
                                                 {2026, 12, 5, 7, 5}}};

// The regional names the system gives, by the words that name them.
inline constexpr std::array<std::string_view, 3> systems = {"english", "hungarian", "german"};

} // namespace halvora::window_events
