// The whole main window on the fake platform, driven by any sequence of the
// events a user, the toolkit and the clock can send. After every event what it
// should have done must show, the calendar library being the reference: the
// today panel for the clock's date (jumps either way included), a search's
// message or answer, the caption, check marks and size of the mode, and
// nothing asked of the system but what the event asks: a message, the help,
// quitting.
//
// Input: a start byte (moment), a system byte (regional names, and whether
// the program's directory is known), then events, each an opcode byte and its
// arguments.
#include "fuzz.h"

#include <halvora/mainwindow/day_conversion.h>
#include <halvora/mainwindow/window_on_fakes.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using namespace halvora;
using Texts = std::array<std::string, 5>;

// Just before the awkward midnights: into 29 February of a leap year, out of
// it, into a new year, into 1 March of a year without 29 February.
const std::array<Moment, 5> starts = {
    fakes::moment_at(2028, 2, 28, 23, 58), fakes::moment_at(2028, 2, 29, 23, 59),
    fakes::moment_at(2027, 12, 31, 23, 59), fakes::moment_at(2100, 2, 28, 23, 59),
    fakes::moment_at(2026, 12, 5, 7, 5)};
const std::array systems = {&fakes::english_settings, &fakes::hungarian_settings,
                            &fakes::german_settings};
const std::array<std::string, 3> faults = {"Ilyen hónap nem létezik!", "Ilyen nap nem létezik!",
                                           "Ilyen név nem létezik!"};

// The search panels' texts: the month, day and name lists, the date search's
// answer and the name search's.
Texts texts_of(const Form1& f) {
    return {std::string(f.Combo1[month_list].text()), std::string(f.Combo1[day_list].text()),
            std::string(f.Combo2.text()), f.Label2.text(), f.Label3.text()};
}

// Where a box placed at the window's corner plus an offset lands: at the
// edge of the numbers, not past it.
int beside(int corner, int offset) {
    return static_cast<int>(
        std::clamp<long long>(corner + static_cast<long long>(offset), INT_MIN, INT_MAX));
}

// The labels a new day's refresh writes: Label1(4), (0), (5), (1), (3).
Texts row_of(const Form1& f) {
    return {f.Label1[year_label].text(), f.Label1[month_label].text(), f.Label1[day_label].text(),
            f.Label1[weekday_label].text(), f.Label1[names_label].text()};
}

std::string summary(const Texts& row, const std::string& clock, const std::string& names) {
    return row[0] + " " + row[1] + "  " + row[2] + "  " + row[3] + "  " + clock + "  " + names;
}

using Size = std::tuple<std::string, int, int>; // mode, width, height

// The handlers without arguments, by the opcodes from 12 on.
const std::array<void (Form1::*)(), 13> handlers = {
    &Form1::cimsor_Click,  &Form1::mini_Click,   &Form1::teljes_Click,  &Form1::tart_Click,
    &Form1::targy_Click,   &Form1::keress_Click, &Form1::kilep_Click,   &Form1::Command2_Click,
    &Form1::nevjegy_Click, &Form1::Form_Resize,  &Form1::Option1_Click, &Form1::Option2_Click,
    &Form1::Label4_Click};

struct Session {
    // The size the resize rule leaves, and the mode it ends in, once the frame
    // took what it could of (width, height). Unless something runs the rule
    // anyway, it runs only when the size really changes.
    [[nodiscard]] Size settle(std::string mode, int width, int height, bool anyway = true) const {
        const fakes::FakeWindowFrame& frame = w.frame;
        width = std::max({width, frame.least_width, 0});
        height = std::max({height, frame.least_height, 0});
        if ((!anyway && width == frame.w && height == frame.h) || mode == "teljes") {
            return {mode, width, height};
        }
        if (mode == "cimsor" && (height > 410 || width > 6010)) {
            return settle("mini", 6000, 900);
        }
        if (mode == "mini") { // kept within 10 twips, else set
            height = std::abs(height - 900) <= 10 ? height : std::max(900, frame.least_height);
            width = std::abs(width - 6000) <= 10 ? width : std::max(6000, frame.least_width);
        }
        return {mode, width, height};
    }

    void step(int event) {
        Form1& f = w.form;
        fakes::FakeWindowFrame& frame = w.frame;
        std::array<ComboBox*, 3> lists = {&f.Combo1[month_list], &f.Combo1[day_list], &f.Combo2};
        const Texts texts = texts_of(f);
        const int days = f.Combo1[day_list].count();
        about* const box = f.about_box();
        const int fronts = w.about_view.fronts;
        const bool running = f.villogas;
        const int pozicio = f.pozicio;
        const std::string title = f.Label4.text();
        const Texts row = row_of(f);
        const std::string caption = f.caption.text(), names = f.napnevek;
        std::pair<int, int> place{frame.x, frame.y};
        Size size{f.nezet, frame.w, frame.h};
        std::vector<std::string> asked;
        frame.resizes = frame.deepest = 0;
        bool cancel = false;
        if (event < 3) {
            lists[event]->set_text(in.text());
        } else if (event == 3) { // a click in a list's drop-down
            ComboBox& list = *lists[in.byte() % 3];
            list.set_list_index(in.byte() % 64);
            list.set_text(list.item(list.list_index()));
        } else if (event == 4) {
            search(f.Option1.value(), texts, asked);
        } else if (event == 5) { // the focus leaves a list: either date list fits the days
            const int index = in.byte() % 3;
            f.Combo1_Validate(index, cancel);
            const int wanted = index < 2 && loaded ? days_in_list(f.Combo1[month_list].text()) : 0;
            CHECK(f.Combo1[day_list].count() == (wanted > 0 ? wanted : days));
        } else if (event == 6 || event == 10) { // a drag, or a new least size the frame grows to
            frame.least_height = event == 10 ? in.byte() * 5 : frame.least_height;
            frame.least_width = event == 10 ? in.byte() * 40 : frame.least_width;
            const int width = event == 6 ? in.value<std::int32_t>() : frame.w;
            const int height = event == 6 ? in.value<std::int32_t>() : frame.h;
            size = settle(f.nezet, width, height, false);
            frame.drag_to(width, height);
        } else if (event == 7) {
            tick(in.byte() % 5);
            // Written before the refresh of a new day.
            CHECK(f.nezet != "cimsor" ||
                  f.caption.text() == summary(row, f.Label1[clock_label].text(), names));
        } else if (event == 8) {
            size = settle(loaded ? f.nezet : "mini", frame.w, frame.h);
            f.Form_Load();
            if (!std::exchange(loaded, true)) { // whatever came before, the date search is ready
                follow_today(true);
                CHECK(frame.x == (w.system.screen_width - 6000) / 2 && f.villogas &&
                      f.pozicio == 1 && f.szin == (std::array<std::uint8_t, 3>{0, 1, 2}));
                CHECK(
                    f.Combo1[month_list].text() == "január" && f.Combo1[day_list].text() == " 1" &&
                    f.Combo2.text().empty() && f.Combo1[month_list].list_index() == 0 &&
                    f.Combo1[day_list].list_index() == 0 && f.Label1[names_label].colour() == red);
            }
            frame.show();
        } else if (event == 9) { // the user moves the window
            frame.x = in.value<std::int32_t>();
            frame.y = in.value<std::int32_t>();
            place = {frame.x, frame.y};
        } else if (event == 11 && f.about_box() != nullptr) {
            f.about_box()->Frame1_Click();
        } else if (event == 25) { // a press on the window, a frame or a label, or the menu key
            const int kind = in.byte() % 4;
            const auto index = static_cast<std::int8_t>(in.byte());
            const int button = in.byte() % 5;
            const bool inside = kind == 0 || (index >= 0 && index < (kind == 1 ? 2 : 6));
            if (kind == 3) {
                f.open_menu_from_keyboard();
            } else {
                kind == 0   ? f.Form_MouseDown(button, 0, 0, 0)
                : kind == 1 ? f.Frame1_MouseDown(index, button, 0, 0, 0)
                            : f.Label1_MouseDown(index, button, 0, 0, 0);
            }
            asked.insert(asked.end(), kind == 3 || (inside && button == right_button) ? 1 : 0,
                         kind == 3 ? "menu, Normál first, at the focus" : "menu, Normál first");
        } else if (event >= 12) {
            const int item = event - 12;
            if (item < 3) {
                size = settle(std::array{"cimsor", "mini", "teljes"}[item], frame.w,
                              std::array{0, 900, 4500}[item]);
                // A size the mode's rule would not keep, where the frame refused the mode's
                // height, has the rule run at once, which centres the window.
                const int height = std::max(std::array{0, 900, 4500}[item], frame.least_height);
                if (item == 0 ? height > 410 || frame.w > 6010
                              : item == 1 && (std::abs(height - 900) > 10 ||
                                              std::abs(frame.w - 6000) > 10)) {
                    place = {(w.system.screen_width - std::get<1>(size)) / 2, 0};
                }
            } else if (item < 6) {
                asked.push_back(!w.system.program_dir
                                    ? "Halvora 48: A súgófájl nem nyitható meg: nem állapítható "
                                      "meg, melyik mappában van a program."
                                    : "help C:\\Program Files\\Halvora\\tartalom.hlp " +
                                          std::string(item == 5 ? "11" : "3"));
            } else if (item < 8) {
                asked.emplace_back("quit");
            } else if (item == 9) { // the handler itself centres the window, resized or not
                size = settle(f.nezet, frame.w, frame.h);
                place = {(w.system.screen_width - frame.w) / 2, 0};
            }
            (f.*handlers[item])();
            CHECK(item == 8 ? f.about_box() != nullptr : item < 6 || item > 7 || !f.about_box());
            CHECK(item < 3 || item > 5 ||
                  f.sugoparancs == std::array{"tartalom", "index", "keres"}[item - 3]);
            // A click on the title stops or resumes it from the next tick on.
            CHECK(item != 12 ||
                  (f.villogas != running && f.Label4.text() == title && f.pozicio == pozicio));
            // Névjegy brings an open box to the front where it is, else opens
            // one against the window.
            CHECK(item != 8 || (box ? f.about_box() == box && w.about_view.fronts == fronts + 1
                                    : f.about_box()->left() == beside(frame.x, 660) &&
                                          f.about_box()->top() == beside(frame.y, 640) &&
                                          w.about_view.shown == f.about_box() &&
                                          f.about_box()->termeknev() == "Halvora" &&
                                          std::string(f.about_box()->copyright()) + " " +
                                                  std::string(f.about_box()->jogok()) ==
                                              "Copyright © Dorvanta Minden jog fenntartva."));
            // An option button empties the other panel's texts and result.
            for (std::size_t i = 0; i < texts.size() && (item == 10 || item == 11); ++i) {
                const bool date_panel = i != 2 && i != 4;
                CHECK(texts_of(f)[i] == (date_panel == (item == 10) ? texts[i] : ""));
            }
        }

        CHECK(w.system.log == asked && !cancel);
        w.system.log.clear();
        CHECK((!row_ || row_of(f) == *row_) &&
              (!clock_ || f.Label1[clock_label].text() == *clock_));
        CHECK(f.honap == honap_ && f.nap == nap_ && f.napnevek == names_ && f.datumok == dates_ &&
              f.hiba == hiba_);
        CHECK(f.Option1.value() != f.Option2.value() && f.pozicio >= 0 && f.pozicio <= 13);
        CHECK(!loaded || (f.Combo2.enabled() == f.Option2.value() &&
                          f.Combo1[month_list].enabled() == f.Option1.value() &&
                          f.Combo1[day_list].enabled() == f.Option1.value()));
        const int days_now = f.Combo1[day_list].count();
        CHECK(event == 5 || event == 8 || days_now == days);
        CHECK(loaded ? (days_now == 28 || days_now == 30 || days_now == 31) &&
                           f.Combo1[month_list].count() == 12 &&
                           f.Combo2.count() == static_cast<int>(name_count)
                     : days_now == 0);

        const std::string& mode = f.nezet;
        CHECK(size == Size{mode, frame.w, frame.h});
        CHECK(f.cimsor.checked() == (mode == "cimsor") &&
              f.mini.checked() == (mode == "mini" || mode.empty()) &&
              f.teljes.checked() == (mode == "teljes") &&
              f.search_area.visible() == (mode == "teljes" || mode.empty()));
        CHECK(mode == "cimsor" ? event == 7 || f.caption.text() == caption ||
                                     f.caption.text() == f.cimsorszoveg()
                               : f.caption.text() == "Halvora");
        CHECK(frame.deepest <= 8);
        CHECK((std::pair{frame.x, frame.y}) ==
              (frame.resizes > 0 ? std::pair{(w.system.screen_width - frame.w) / 2, 0} : place));
    }

    // A search says its message, or none and shows its answer; it empties
    // only the faulty list's text.
    void search(bool by_date, const Texts& texts, std::vector<std::string>& asked) {
        Form1& f = w.form;
        std::string message = by_date ? "Állíts be egy dátumot!" : "Válassz nevet a listából!";
        std::string answer;
        if (by_date ? !texts[0].empty() && !texts[1].empty() : !texts[2].empty()) {
            const std::string day = day_conversion(texts[1]);
            answer = by_date ? napszerint(texts[0], day) : nevszerint(texts[2]);
            const auto fault = std::array{honapbaj, napbaj, nevbaj};
            const auto at = std::find(fault.begin(), fault.end(), answer) - fault.begin();
            message = at < 3 ? faults[at] : "";
            answer = at < 3 ? "" : answer;
            (by_date ? names_ : dates_) = at < 3 ? (by_date ? names_ : dates_) : answer;
            hiba_.clear();
            honap_ = by_date ? texts[0] : honap_;
            nap_ = by_date ? day : nap_;
        }
        f.Command1_Click();
        asked.insert(asked.end(), message.empty() ? 0 : 1, "Halvora 48: " + message);
        CHECK(f.Combo1[month_list].text() == (message == faults[0] ? "" : texts[0]) &&
              f.Combo1[day_list].text() == (message == faults[1] ? "" : texts[1]) &&
              f.Combo2.text() == (message == faults[2] ? "" : texts[2]));
        CHECK(f.hibas == !message.empty() && (by_date ? f.Label2 : f.Label3).text() == answer &&
              (by_date ? f.Label3 : f.Label2).text() == texts[by_date ? 4 : 3]);
    }

    // Mostly the next tick of the same or the next minute; now and then a
    // jump either way, as after a sleeping machine or a clock set by hand.
    // The colour draws may be scripted with any values.
    void tick(int kind) {
        Moment& now = w.system.moment;
        long long minutes = kind == 1 ? 1 : 0;
        if (kind == 2) { // up to four years either way
            minutes = in.value<std::int32_t>() % (4 * 366 * 24 * 60);
        } else if (kind == 4) { // to the last minute of the day, so that the next one is midnight
            minutes = 24LL * 60 - 1 - now.hour * 60LL - now.minute;
        }
        now = fakes::add_minutes(now, minutes);
        for (int draw = 0; draw < 3 && kind == 3; ++draw) {
            w.system.script.push_back(in.value<double>());
        }
        const int draws = w.system.draws + (w.form.villogas ? 3 : 0), pozicio = w.form.pozicio;
        w.form.Timer1_Timer();
        // A stopped title (and the designed one before the load) stays still
        // in blue, where it stopped.
        CHECK(w.system.draws == draws &&
              (w.form.villogas || (w.form.Label4.text() == "   Dorvanta \u2122   " &&
                                   w.form.Label4.colour() == blue && w.form.pozicio == pozicio)));
        follow_today(false);
    }

    // The panel's date part is refreshed at the load, on every tick of the
    // minute 00:00, and on the first tick that finds the clock on another day
    // than the one shown. A refresh whose lookup fails (a system whose month
    // names are neither Hungarian nor English) keeps the names it had.
    void follow_today(bool load) {
        const Moment now = w.system.moment;
        const RegionalSettings& system = *w.system.regional;
        clock_ = datumszoveg(pattern_clock, now, system);
        const std::tuple today{now.year, now.month, now.day};
        if (!load && *clock_ != "00:00" && (!shown_ || *shown_ == today)) {
            return;
        }
        honap_ = datumszoveg(pattern_month, now, system);
        nap_ = day_numeral(now);
        const std::string_view found = napszerint(honap_, nap_);
        (found == honapbaj ? hiba_ : names_) = found;
        shown_ = today;
        row_ = {datumszoveg(pattern_year, now, system), honapnev(honap_),
                datumszoveg(pattern_day, now, system),
                hetnapnev(datumszoveg(pattern_weekday, now, system)), names_ + " napja"};
    }

    fuzzing::ByteReader in{{}};
    fakes::WindowOnFakes w;
    bool loaded = false;
    std::optional<std::tuple<int, int, int>> shown_;
    std::optional<Texts> row_;
    std::optional<std::string> clock_;
    std::string honap_, nap_, names_, dates_, hiba_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Session session;
    session.in = fuzzing::ByteReader({reinterpret_cast<const char*>(data), size});
    session.w.system.moment = starts[session.in.byte() % starts.size()];
    const int system = session.in.byte();
    session.w.system.regional = systems[system % systems.size()];
    if (system / systems.size() % 2 == 1) {
        session.w.system.program_dir.reset();
    }
    while (!session.in.empty()) {
        session.step(session.in.byte() % 26);
    }
    return 0;
}
