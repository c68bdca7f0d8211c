// The whole main window on the fake platform, driven by a random sequence of
// the events a user, the toolkit and the clock can send, in any order. After
// every event the window's invariants must hold.
//
// Input: a start byte (moment), a regional byte, the frame's least height
// (two bytes), then events, each an opcode byte and its arguments.
#include "byte_reader.h"
#include "check.h"

#include <halvora/mainwindow/window_on_fakes.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace halvora;
using fuzzing::ByteReader;
using fuzzing::check;

// How deep the resize events of one event may nest before the window counts
// as not settling; a fall-back from "cimsor", the deepest chain, nests 3.
constexpr int deepest_allowed_nesting = 8;
constexpr int greatest_least_height = 600;

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

class Session {
public:
    explicit Session(ByteReader& input)
        : input_(input)
        , setup_(read_setup(input))
        , w_(setup_.start, *setup_.system, setup_.least_height) {}

    void run() {
        while (!input_.empty()) {
            w_.frame.reset_counts();
            try {
                event(input_.byte());
            } catch (...) {
                __builtin_trap();
            }
            check_invariants();
        }
    }

private:
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
            f.Command1_Click();
            break;
        case 7: {
            bool cancel = false;
            f.Combo1_Validate(input_.i32(), cancel);
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
            w_.regional.set(*systems[input_.byte() % systems.size()]);
            break;
        }
    }

    void menu(std::uint8_t item) {
        Form1& f = w_.form;
        switch (item % 10) {
        case 0:
            f.cimsor_Click();
            break;
        case 1:
            f.mini_Click();
            break;
        case 2:
            f.teljes_Click();
            break;
        case 3:
            f.tart_Click();
            break;
        case 4:
            f.targy_Click();
            break;
        case 5:
            f.keress_Click();
            break;
        case 6:
            f.nevjegy_Click();
            break;
        case 7:
            f.kilep_Click();
            break;
        case 8:
            f.Command2_Click();
            break;
        default:
            f.Form_Resize();
            break;
        }
    }

    void about_click(std::uint8_t part) {
        about* box = w_.form.about_box();
        if (box == nullptr) {
            return;
        }
        switch (part % 6) {
        case 0:
            box->Frame1_Click();
            break;
        case 1:
            box->Picture1_Click();
            break;
        case 2:
            box->copyright_Click();
            break;
        case 3:
            box->jogok_Click();
            break;
        case 4:
            box->termeknev_Click();
            break;
        default:
            box->verzioszam_Click();
            break;
        }
    }

    void mouse_down(std::uint8_t where) {
        const int index = input_.i32();
        const int button = input_.i32();
        const int shift = input_.i32();
        const auto x = static_cast<float>(input_.f64());
        const auto y = static_cast<float>(input_.f64());
        switch (where % 3) {
        case 0:
            w_.form.Form_MouseDown(button, shift, x, y);
            break;
        case 1:
            w_.form.Frame1_MouseDown(index, button, shift, x, y);
            break;
        default:
            w_.form.Label1_MouseDown(index, button, shift, x, y);
            break;
        }
    }

    // Mostly the next tick of the same or the next minute; now and then a
    // jump of hours, days or years, as after a sleeping machine. The colour
    // draws may be scripted with any values.
    void tick(std::uint8_t how) {
        switch (how % 4) {
        case 0:
            break;
        case 1:
            w_.clock.advance_minutes(1);
            break;
        case 2:
            w_.clock.advance_minutes(input_.u32() % (4 * 366 * 24 * 60));
            break;
        default:
            for (int draw = 0; draw < 3; ++draw) {
                w_.random.push(input_.f64());
            }
            break;
        }
        w_.form.Timer1_Timer();
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
        if (loaded_) {
            check(f.Label1[3].text().ends_with(napja_suffix), "today's names end in napja");
        }

        // The window settles: its resizes nest only a little, and it ends in a
        // size its mode accepts.
        check(!w_.frame.runaway() && w_.frame.deepest_nesting() <= deepest_allowed_nesting,
              "the resizes settle");
        const int width = w_.frame.width();
        const int height = w_.frame.height();
        if (f.nezet == "mini") {
            // Every least height the frame is given lies below 890, so the
            // frame can always take the mode's size.
            check(within(height, 900) && within(width, 6000), "mini is 6000 x 900 within 10");
        } else if (f.nezet == "cimsor") {
            check(height <= 410 && width <= 6010, "cimsor is the title bar alone");
        }

        // The fakes' records grow with the events only; keep a long run small.
        w_.messages.shown.clear();
        w_.help.shown.clear();
        w_.popup.opened.clear();
    }

    ByteReader& input_;
    Setup setup_;
    fakes::WindowOnFakes w_;
    bool loaded_ = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader input(data, size);
    Session session(input);
    session.run();
    return 0;
}
