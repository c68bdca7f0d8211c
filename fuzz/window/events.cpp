// Each event sent to the window, and what only that event must do.
#include "session.h"

#include <halvora/mainwindow/day_conversion.h>
#include <halvora/platform/clamp_to_int.h>

#include <algorithm>
#include <cstdlib>

namespace halvora::window_events {
namespace {

ComboBox& list_of(Form1& f, List list) {
    switch (list) {
    case List::month:
        return f.Combo1[month_list];
    case List::day:
        return f.Combo1[day_list];
    case List::name:
        break;
    }
    return f.Combo2;
}

constexpr std::string_view prefix = "Halvora 48: ";
const std::array<std::string, 3> faults = {"Ilyen hónap nem létezik!", "Ilyen nap nem létezik!",
                                           "Ilyen név nem létezik!"};

} // namespace

void WindowSession::type(List list, std::string_view text) {
    list_of(f_, list).set_text(text);
}

void WindowSession::pick_item(List list, int position) {
    ComboBox& combo = list_of(f_, list);
    combo.set_list_index(position);
    combo.set_text(combo.item(combo.list_index()));
}

// A search says its message, or none and shows its answer; it empties only
// the faulty list's text.
void WindowSession::expect_search(bool by_date) {
    const PanelTexts& texts = before_.texts;
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
    f_.Command1_Click();
    outcome_.asked.insert(outcome_.asked.end(), message.empty() ? 0 : 1,
                          std::string(prefix) + message);
    CHECK_EQ(f_.Combo1[month_list].text(), message == faults[0] ? "" : texts[0]);
    CHECK_EQ(f_.Combo1[day_list].text(), message == faults[1] ? "" : texts[1]);
    CHECK_EQ(f_.Combo2.text(), message == faults[2] ? "" : texts[2]);
    CHECK_EQ(f_.hibas, !message.empty());
    CHECK_EQ((by_date ? f_.Label2 : f_.Label3).text(), answer);
    CHECK_EQ((by_date ? f_.Label3 : f_.Label2).text(), texts[by_date ? 4 : 3]);
}

// Either date list fits the day list to the month list's text.
void WindowSession::leave_list(List list) {
    bool cancel = false;
    // The name list is no member of Combo1: its index names none.
    f_.Combo1_Validate(list == List::month ? month_list
                       : list == List::day ? day_list
                                           : combo1_count,
                       cancel);
    CHECK(!cancel);
    const int wanted =
        list != List::name && loaded_ ? days_in_list(f_.Combo1[month_list].text()) : 0;
    CHECK_EQ(f_.Combo1[day_list].count(), wanted > 0 ? wanted : before_.days);
}

void WindowSession::drag_to(int width, int height) {
    outcome_.size = settle(f_.nezet, width, height, false);
    frame_.drag_to(width, height);
}

void WindowSession::grow_least_size(int width, int height) {
    frame_.least_width = width;
    frame_.least_height = height;
    drag_to(frame_.w, frame_.h);
}

// Mostly the next tick of the same or the next minute; now and then a jump
// either way, as after a sleeping machine or a clock set by hand. The colour
// draws may be scripted with any values.
void WindowSession::tick_clock(Event kind, fuzzing::ByteReader& in) {
    Moment& now = w_.system.moment;
    long long minutes = kind == Event::tick_next_minute ? 1 : 0;
    if (kind == Event::tick_after_jump) {
        minutes = in.value<std::int32_t>() % jump_range;
    } else if (kind == Event::tick_at_23_59) {
        minutes = 24LL * 60 - 1 - now.hour * 60LL - now.minute;
    }
    now = fakes::add_minutes(now, minutes);
    for (int draw = 0; draw < 3 && kind == Event::tick_drawing; ++draw) {
        w_.system.script.push_back(in.value<double>());
    }
    const int draws = w_.system.draws + (f_.villogas ? 3 : 0);
    f_.Timer1_Timer();
    // A stopped title (and the designed one before the load) stays still in
    // blue, where it stopped.
    CHECK_EQ(w_.system.draws, draws);
    CHECK(f_.villogas || (f_.Label4.text() == "   Dorvanta \u2122   " &&
                          f_.Label4.colour() == blue && f_.pozicio == before_.pozicio));
    follow_today(false);
    // Written before the refresh of a new day.
    const TodayRow& row = before_.row;
    CHECK(f_.nezet != mode_cimsor ||
          f_.caption.text() == row[0] + " " + row[1] + "  " + row[2] + "  " + row[3] + "  " +
                                   f_.Label1[clock_label].text() + "  " + before_.names);
}

// Whatever came before, the load leaves the date search ready, the window
// centred, the title running from its start.
void WindowSession::load_window() {
    outcome_.size = settle(loaded_ ? f_.nezet : std::string(mode_mini), frame_.w, frame_.h);
    f_.Form_Load();
    if (!std::exchange(loaded_, true)) {
        follow_today(true);
        CHECK_EQ(frame_.x, centred_left(6000));
        CHECK(f_.villogas && f_.pozicio == 1 && f_.szin == (std::array<std::uint8_t, 3>{0, 1, 2}));
        CHECK_EQ(f_.Combo1[month_list].text(), "január");
        CHECK_EQ(f_.Combo1[day_list].text(), " 1");
        CHECK_EQ(f_.Combo2.text(), "");
        CHECK(f_.Combo1[month_list].list_index() == 0 && f_.Combo1[day_list].list_index() == 0);
        CHECK(f_.Label1[names_label].colour() == red);
    }
    frame_.show();
}

void WindowSession::move_to(int left, int top) {
    frame_.x = left;
    frame_.y = top;
    outcome_.place = {left, top};
}

void WindowSession::close_about_box() {
    if (f_.about_box() != nullptr) {
        f_.about_box()->Frame1_Click();
    }
}

// A size the mode's rule would not keep, where the frame refused the mode's
// height, has the rule run at once, which centres the window.
void WindowSession::choose_mode(Event item) {
    const auto at = static_cast<std::size_t>(item) - static_cast<std::size_t>(Event::menu_cimsor);
    const int mode_height = std::array{0, 900, 4500}[at];
    outcome_.size = settle(std::string(std::array{mode_cimsor, mode_mini, mode_teljes}[at]),
                           frame_.w, mode_height);
    const int height = std::max(mode_height, frame_.least_height);
    const bool cimsor_refused = item == Event::menu_cimsor && (height > 410 || frame_.w > 6010);
    const bool mini_refused =
        item == Event::menu_mini && (std::abs(height - 900) > 10 || std::abs(frame_.w - 6000) > 10);
    if (cimsor_refused || mini_refused) {
        outcome_.place = {centred_left(std::get<1>(outcome_.size)), 0};
    }
    (item == Event::menu_cimsor ? f_.cimsor_Click()
     : item == Event::menu_mini ? f_.mini_Click()
                                : f_.teljes_Click());
}

// Every help item opens the same file beside the program, each with its own
// command; without the program's folder a message says why nothing opens.
void WindowSession::open_help(Event item) {
    const auto at = static_cast<std::size_t>(item) - static_cast<std::size_t>(Event::menu_tartalom);
    outcome_.asked.push_back(
        !w_.system.program_dir
            ? std::string(prefix) + "A súgófájl nem nyitható meg: nem állapítható meg, melyik "
                                    "mappában van a program."
            : "help C:\\Program Files\\Halvora\\tartalom.hlp " + std::string(at == 2 ? "11" : "3"));
    (item == Event::menu_tartalom      ? f_.tart_Click()
     : item == Event::menu_targymutato ? f_.targy_Click()
                                       : f_.keress_Click());
    const std::array<std::string_view, 3> pages = {"tartalom", "index", "keres"};
    CHECK_EQ(f_.sugoparancs, pages[at]);
}

void WindowSession::quit(Event item) {
    outcome_.asked.emplace_back("quit");
    item == Event::menu_kilepes ? f_.kilep_Click() : f_.Command2_Click();
    CHECK(f_.about_box() == nullptr);
}

// Névjegy brings an open box to the front where it is, else opens one
// against the window.
void WindowSession::open_about() {
    f_.nevjegy_Click();
    const about* box = f_.about_box();
    CHECK(box != nullptr);
    if (before_.box != nullptr) {
        CHECK(box == before_.box && w_.about_view.fronts == before_.fronts + 1);
        return;
    }
    CHECK_EQ(box->left(), clamp_to_int(frame_.x + 660LL));
    CHECK_EQ(box->top(), clamp_to_int(frame_.y + 640LL));
    CHECK(w_.about_view.shown == box);
    CHECK_EQ(box->termeknev(), "Halvora");
    CHECK_EQ(std::string(box->copyright()) + " " + std::string(box->jogok()),
             "Copyright © Dorvanta Minden jog fenntartva.");
}

// The handler itself centres the window, resized or not.
void WindowSession::raise_resize() {
    outcome_.size = settle(f_.nezet, frame_.w, frame_.h);
    outcome_.place = {centred_left(frame_.w), 0};
    f_.Form_Resize();
}

// An option button empties the other panel's texts and result.
void WindowSession::click_option(bool option1) {
    f_.option_clicked(option1 ? f_.Option1 : f_.Option2);
    const PanelTexts texts = panel_texts(f_);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const bool date_panel_text = i != 2 && i != 4;
        CHECK_EQ(texts[i], date_panel_text == option1 ? before_.texts[i] : "");
    }
}

// A click on the title stops or resumes it from the next tick on.
void WindowSession::click_running_title() {
    f_.Label4_Click();
    CHECK(f_.villogas != before_.running && f_.Label4.text() == before_.title &&
          f_.pozicio == before_.pozicio);
}

// A right button on the window or on a member of a control array opens the
// menu at the pointer; nothing else opens it.
void WindowSession::press_button(int button, Press where, int index) {
    const bool member =
        where == Press::window ||
        (index >= 0 && index < (where == Press::frame1 ? frame1_count : label1_count));
    where == Press::window   ? f_.Form_MouseDown(button, 0, 0, 0)
    : where == Press::frame1 ? f_.Frame1_MouseDown(index, button, 0, 0, 0)
                             : f_.Label1_MouseDown(index, button, 0, 0, 0);
    if (member && button == right_button) {
        outcome_.asked.emplace_back("menu, Normál first");
    }
}

// The menu key opens it at the focus, in every mode.
void WindowSession::press_menu_key() {
    f_.open_menu_from_keyboard();
    outcome_.asked.emplace_back("menu, Normál first, at the focus");
}

} // namespace halvora::window_events
