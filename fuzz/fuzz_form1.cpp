// The whole main window on the fake platform, driven by a random sequence of
// the events a user, the toolkit and the clock can send, in any order. After
// every event the window's invariants must hold, and what the event should
// have done must show: the today panel against the calendar for the clock's
// date, a search's answer or message against the lookups, the menu's check
// marks against the mode, help, popup and quitting as asked for.
//
// Input: a start byte (moment), a regional byte, the frame's least height
// (two bytes), then events, each an opcode byte and its arguments.
#include "byte_reader.h"
#include "check.h"

#include <halvora/help/help.h>
#include <halvora/mainwindow/day_conversion.h>
#include <halvora/mainwindow/window_on_fakes.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace halvora;
using fuzzing::ByteReader;
using fuzzing::check;

// How deep the resize events of one event may nest before the window counts
// as not settling; a fall-back from "cimsor", the deepest chain, nests 3.
constexpr int deepest_allowed_nesting = 8;
constexpr int greatest_least_height = 600;
constexpr long long minutes_in_four_years = 4LL * 366 * 24 * 60;

// Just before the awkward midnights: into 29 February of a leap year, out of
// it, into a new year, into 1 March of a year without 29 February.
const std::array<Moment, 5> starts = {
    fakes::moment_at(2028, 2, 28, 23, 58), fakes::moment_at(2028, 2, 29, 23, 59),
    fakes::moment_at(2027, 12, 31, 23, 59), fakes::moment_at(2100, 2, 28, 23, 59),
    fakes::moment_at(2026, 12, 5, 7, 5)};

const std::array<const RegionalSettings*, 3> systems = {
    &fakes::english_settings(), &fakes::hungarian_settings(), &fakes::german_settings()};

bool within(int value, int centre) {
    return value >= centre - 10 && value <= centre + 10;
}

bool same_day(const Moment& a, const Moment& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

// The top row's date labels, Label1(4), (0), (5), (1), then Label1(3).
using Row = std::array<std::string, 5>;

Row row_of(const Form1& f) {
    const auto& l = f.Label1;
    return {l[4].text(), l[0].text(), l[5].text(), l[1].text(), l[3].text()};
}

// The caption of "cimsor": the date labels, the clock and the names text.
std::string summary(const Row& row, std::string_view clock, std::string_view names) {
    std::string text = row[0] + " " + row[1] + "  " + row[2] + "  " + row[3] + "  ";
    return text.append(clock).append("  ").append(names);
}

// What a search should say: no message and its answer, or one message.
struct Answer {
    std::string_view message;
    std::string_view result;
};

Answer search_by_date(std::string_view month, std::string_view day) {
    if (month.empty() || day.empty()) {
        return {"Állíts be egy dátumot!", {}};
    }
    const std::string_view names = napszerint(month, day_conversion(day));
    if (names == honapbaj) {
        return {"Ilyen hónap nem létezik!", {}};
    }
    if (names == napbaj) {
        return {"Ilyen nap nem létezik!", {}};
    }
    return {{}, names};
}

Answer search_by_name(std::string_view name) {
    if (name.empty()) {
        return {"Válassz nevet a listából!", {}};
    }
    const std::string_view dates = nevszerint(name);
    return dates == nevbaj ? Answer{"Ilyen név nem létezik!", {}} : Answer{{}, dates};
}

struct Setup {
    Moment start;
    const RegionalSettings* system;
    int least_height;
};

Setup read_setup(ByteReader& input) {
    const Moment start = starts[input.byte() % starts.size()];
    const RegionalSettings* system = systems[input.byte() % systems.size()];
    const int least_height = input.u16() % (greatest_least_height + 1);
    return {start, system, least_height};
}

// What an event was, for the checks of what it should have done.
enum class Kind { other, load, tick, search, validate, help, quit, mouse_down, about };

// The popup menu's commands (the last, a resize the toolkit raises at will).
struct MenuEntry {
    void (Form1::*click)();
    Kind kind;
    int help_command;
};
const std::array<MenuEntry, 10> menu_entries = {{
    {&Form1::cimsor_Click, Kind::other, 0},
    {&Form1::mini_Click, Kind::other, 0},
    {&Form1::teljes_Click, Kind::other, 0},
    {&Form1::tart_Click, Kind::help, help::command_contents},
    {&Form1::targy_Click, Kind::help, help::command_index},
    {&Form1::keress_Click, Kind::help, help::command_finder},
    {&Form1::nevjegy_Click, Kind::about, 0},
    {&Form1::kilep_Click, Kind::quit, 0},
    {&Form1::Command2_Click, Kind::quit, 0},
    {&Form1::Form_Resize, Kind::other, 0},
}};

class Session {
public:
    explicit Session(ByteReader& input)
        : input_(input)
        , setup_(read_setup(input))
        , system_(setup_.system)
        , w_(setup_.start, *setup_.system, setup_.least_height) {}

    void run() {
        while (!input_.empty()) {
            w_.frame.reset_counts();
            const Before before = snapshot();
            kind_ = Kind::other;
            try {
                event(input_.byte());
            } catch (...) {
                __builtin_trap();
            }
            follow_today(before);
            check_invariants();
            check_event(before);
        }
    }

private:
    // What the checks compare with, as it stood before the event.
    struct Before {
        bool by_date;
        std::string month, day, name, napnevek, caption;
        Row row;
        int quits;
    };

    // The date part as the panel should show it, from its last refresh.
    struct Shown {
        Moment moment;
        Row row;
    };

    Before snapshot() const {
        const Form1& f = w_.form;
        return {f.Option1.value(),
                std::string(f.Combo1[0].text()),
                std::string(f.Combo1[1].text()),
                std::string(f.Combo2.text()),
                f.napnevek,
                f.caption.text(),
                row_of(f),
                w_.quitter.quits};
    }

    void event(std::uint8_t opcode) {
        Form1& f = w_.form;
        switch (opcode % 20) {
        case 0:
            f.Combo1[0].set_text(input_.text());
            break;
        case 1:
            f.Combo1[1].set_text(input_.text());
            break;
        case 2:
            f.Combo2.set_text(input_.text());
            break;
        case 3: { // picks an item from a list, as a click in its drop-down does
            std::array<ComboBox*, 3> lists = {&f.Combo1[0], &f.Combo1[1], &f.Combo2};
            ComboBox& list = *lists[input_.byte() % lists.size()];
            list.set_list_index(input_.u16());
            list.set_text(list.item(list.list_index()));
            break;
        }
        case 4:
            f.Option1_Click();
            break;
        case 5:
            f.Option2_Click();
            break;
        case 6:
            kind_ = Kind::search;
            f.Command1_Click();
            break;
        case 7: {
            bool cancel = false;
            validated_ = input_.i32();
            kind_ = Kind::validate;
            f.Combo1_Validate(validated_, cancel);
            break;
        }
        case 8: { // the user drags the border: the frame raises the resize itself
            const int width = input_.i32();
            w_.frame.drag_to(width, input_.i32());
            break;
        }
        case 9:
            menu(input_.byte());
            break;
        case 10:
            about_click(input_.byte());
            break;
        case 11:
            f.Label4_Click();
            break;
        case 12:
            mouse_down(input_.byte());
            break;
        case 13:
            tick(input_.byte());
            break;
        case 14: { // the toolkit's least height changes and it grows the window to it
            w_.frame.set_least_height(input_.u16() % (greatest_least_height + 1));
            w_.frame.drag_to(w_.frame.width(), w_.frame.height());
            break;
        }
        case 15:
            if (!loaded_) {
                w_.start();
                loaded_ = true;
                kind_ = Kind::load;
            }
            break;
        case 16:
            w_.frame.show();
            break;
        case 17: {
            const int left = input_.i32();
            w_.frame.move_to(left, input_.i32());
            break;
        }
        case 18:
            w_.screen.set_width(input_.i32());
            break;
        default:
            system_ = systems[input_.byte() % systems.size()];
            w_.regional.set(*system_);
            break;
        }
    }

    void menu(std::uint8_t item) {
        const MenuEntry& entry = menu_entries[item % menu_entries.size()];
        kind_ = entry.kind;
        help_command_ = entry.help_command;
        (w_.form.*entry.click)();
    }

    void about_click(std::uint8_t part) {
        static constexpr std::array clicks = {&about::Frame1_Click,    &about::Picture1_Click,
                                              &about::copyright_Click, &about::jogok_Click,
                                              &about::termeknev_Click, &about::verzioszam_Click};
        if (about* box = w_.form.about_box()) {
            (box->*clicks[part % clicks.size()])();
        }
    }

    void mouse_down(std::uint8_t where) {
        const int index = input_.i32();
        const int button = input_.i32();
        const int shift = input_.i32();
        const auto x = static_cast<float>(input_.f64());
        const auto y = static_cast<float>(input_.f64());
        kind_ = Kind::mouse_down;
        switch (where % 3) {
        case 0:
            popup_wanted_ = button == right_button;
            w_.form.Form_MouseDown(button, shift, x, y);
            break;
        case 1:
            popup_wanted_ = button == right_button && (index == 0 || index == 1);
            w_.form.Frame1_MouseDown(index, button, shift, x, y);
            break;
        default:
            popup_wanted_ = button == right_button && index >= 0 && index < 6;
            w_.form.Label1_MouseDown(index, button, shift, x, y);
            break;
        }
    }

    // Mostly the next tick of the same or the next minute; now and then a
    // jump either way, as after a sleeping machine or a clock set by hand:
    // a minute back across midnight, whole days that skip midnight, years.
    // The colour draws may be scripted with any values.
    void tick(std::uint8_t how) {
        fakes::FakeClock& clock = w_.clock;
        switch (how % 8) {
        case 0:
            break;
        case 1:
            clock.advance_minutes(1);
            break;
        case 2:
            clock.advance_minutes(input_.u32() % minutes_in_four_years);
            break;
        case 3:
            for (int draw = 0; draw < 3; ++draw) {
                w_.random.push(input_.f64());
            }
            break;
        case 4:
            clock.advance_minutes(-1);
            break;
        case 5:
            clock.advance_minutes(-static_cast<long long>(input_.u32() % minutes_in_four_years));
            break;
        case 6:
            clock.advance_minutes(24LL * 60 * static_cast<std::int8_t>(input_.byte()));
            break;
        default: // to the last minute of the day, so that the next one is midnight
            clock.advance_minutes(24LL * 60 - 1 - clock.now().hour * 60LL - clock.now().minute);
            break;
        }
        kind_ = Kind::tick;
        w_.form.Timer1_Timer();
    }

    // The panel's date part is refreshed at the load, on every tick of the
    // minute 00:00, and on the first tick that finds the clock on another day
    // than the one shown. A refresh whose lookup fails (a system whose month
    // names are neither Hungarian nor English) keeps the names text it had.
    void follow_today(const Before& before) {
        if (kind_ != Kind::load && kind_ != Kind::tick) {
            return;
        }
        const Moment now = w_.clock.now();
        clock_text_ = datumszoveg(pattern_clock, now, *system_);
        if (kind_ == Kind::tick && *clock_text_ != "00:00" &&
            (!shown_ || same_day(shown_->moment, now))) {
            return;
        }
        const std::string month = datumszoveg(pattern_month, now, *system_);
        const std::string_view names = napszerint(month, day_numeral(now));
        const bool found = names != honapbaj && names != napbaj;
        shown_ =
            Shown{now,
                  {datumszoveg(pattern_year, now, *system_), honapnev(month),
                   datumszoveg(pattern_day, now, *system_),
                   hetnapnev(datumszoveg(pattern_weekday, now, *system_)),
                   (found ? std::string(names) : before.napnevek) + std::string(napja_suffix)}};
        check(found || w_.form.hiba == honapbaj, "a failed refresh leaves honapbaj");
    }

    void check_invariants() {
        const Form1& f = w_.form;
        check(f.Option1.value() != f.Option2.value(), "exactly one option button on");

        const int days = f.Combo1[1].count();
        check(loaded_ ? days == 28 || days == 30 || days == 31 : days == 0,
              "the day list holds a month's days");
        check(f.Combo1[0].count() == (loaded_ ? 12 : 0), "the month list holds 12 months");
        check(f.Combo2.count() == (loaded_ ? static_cast<int>(name_count) : 0),
              "the name list holds every name");

        check(f.hiba.empty() || f.hiba == honapbaj || f.hiba == napbaj || f.hiba == nevbaj,
              "hiba is empty or a sentinel");
        check(f.pozicio >= 0 && f.pozicio <= 13, "pozicio in 0..13");
        check(w_.about_view.shown == f.about_box(), "the about box shown is the one open");

        if (shown_) {
            check(row_of(f) == shown_->row, "the today panel shows the calendar's day");
        }
        if (clock_text_) {
            check(f.Label1[2].text() == *clock_text_, "the clock shows the last tick's time");
        }
        const bool before_any_mode = f.nezet.empty();
        check(f.cimsor.checked() == (f.nezet == layout::mode_cimsor) &&
                  f.mini.checked() == (f.nezet == layout::mode_mini || before_any_mode) &&
                  f.teljes.checked() == (f.nezet == layout::mode_teljes),
              "the check mark is on the mode");

        // The window settles: its resizes nest only a little, and it ends in a
        // size its mode accepts.
        check(!w_.frame.runaway() && w_.frame.deepest_nesting() <= deepest_allowed_nesting,
              "the resizes settle");
        const int width = w_.frame.width();
        const int height = w_.frame.height();
        if (f.nezet == layout::mode_mini) {
            // Every least height the frame is given lies below 890, so the
            // frame can always take the mode's size.
            check(within(height, 900) && within(width, 6000), "mini is 6000 x 900 within 10");
        } else if (f.nezet == layout::mode_cimsor) {
            check(height <= 410 && width <= 6010, "cimsor is the title bar alone");
        }
    }

    // What this one event should have done, and that nothing else was asked
    // of the system. The records are emptied after each event.
    void check_event(const Before& before) {
        const Form1& f = w_.form;
        const std::string& caption = f.caption.text();
        if (f.nezet != layout::mode_cimsor) {
            check(caption == layout::program_title, "the caption is the title outside cimsor");
        } else if (kind_ == Kind::tick) {
            // Written before the midnight refresh, from the names last looked up.
            check(caption == summary(before.row, f.Label1[2].text(), before.napnevek),
                  "the tick writes the summary into the caption");
        } else {
            check(caption == before.caption ||
                      caption == summary(row_of(f), f.Label1[2].text(), f.napnevek),
                  "in cimsor the caption is the summary");
        }

        std::vector<fakes::RecordingMessageBox::Shown> messages;
        if (kind_ == Kind::search) {
            const Answer answer = before.by_date ? search_by_date(before.month, before.day)
                                                 : search_by_name(before.name);
            const Label& result = before.by_date ? f.Label2 : f.Label3;
            check(result.text() == answer.result, "the search shows the lookup's answer");
            if (!answer.message.empty()) {
                messages.push_back({std::string(answer.message), "Halvora", 48});
            } else if (before.by_date) {
                check(f.napnevek == answer.result, "a search by date keeps its names");
            }
            if (before.by_date && !before.month.empty() && !before.day.empty()) {
                check(f.hiba.empty(), "a search leaves no sentinel behind");
                check(f.Combo1[0].text() ==
                              (answer.message == "Ilyen hónap nem létezik!" ? "" : before.month) &&
                          f.Combo1[1].text() ==
                              (answer.message == "Ilyen nap nem létezik!" ? "" : before.day),
                      "a search by date empties only the faulty list's text");
            }
            if (!before.by_date && !before.name.empty()) {
                check(f.hiba.empty() &&
                          f.Combo2.text() == (answer.message.empty() ? before.name : ""),
                      "a search by name empties only a name not in the calendar");
            }
        }
        check(w_.messages.shown == messages, "a message box only for a failed search");

        std::vector<fakes::RecordingHelpViewer::Shown> help;
        if (kind_ == Kind::help) {
            help.push_back({help::help_file_path(w_.program), help_command_});
        }
        check(w_.help.shown == help, "the help opens only from its menu, at its page");

        const bool popup = kind_ == Kind::mouse_down && popup_wanted_;
        check(w_.popup.opened == (popup ? std::vector{platform::MenuItemId::mini}
                                        : std::vector<platform::MenuItemId>{}),
              "a right click opens the menu with Normál as its default");

        check(w_.quitter.quits == before.quits + (kind_ == Kind::quit ? 1 : 0),
              "Kilépés quits, nothing else does");
        if (kind_ == Kind::quit) {
            check(f.about_box() == nullptr, "quitting closes the about box");
        }
        if (kind_ == Kind::about) {
            check(f.about_box() != nullptr, "Névjegy opens the about box");
        }
        if (kind_ == Kind::validate && (validated_ == 0 || validated_ == 1)) {
            const int month_days = days_in_list(f.Combo1[0].text());
            check(month_days == 0 || !loaded_ || f.Combo1[1].count() == month_days,
                  "leaving a list fits the day list to the month");
        }

        w_.messages.shown.clear();
        w_.help.shown.clear();
        w_.popup.opened.clear();
    }

    ByteReader& input_;
    Setup setup_;
    const RegionalSettings* system_;
    fakes::WindowOnFakes w_;
    bool loaded_ = false;
    Kind kind_ = Kind::other;
    int help_command_ = 0;
    bool popup_wanted_ = false;
    int validated_ = 0;
    std::optional<Shown> shown_;
    std::optional<std::string> clock_text_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader input(data, size);
    Session session(input);
    session.run();
    return 0;
}
