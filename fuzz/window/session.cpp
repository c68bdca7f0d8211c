#include "session.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace halvora::window_events {
namespace {

const std::array systems_settings = {&fakes::english_settings, &fakes::hungarian_settings,
                                     &fakes::german_settings};

} // namespace

PanelTexts panel_texts(const Form1& f) {
    return {std::string(f.Combo1[month_list].text()), std::string(f.Combo1[day_list].text()),
            std::string(f.Combo2.text()), f.Label2.text(), f.Label3.text()};
}

TodayRow today_row(const Form1& f) {
    return {f.Label1[year_label].text(), f.Label1[month_label].text(), f.Label1[day_label].text(),
            f.Label1[weekday_label].text(), f.Label1[names_label].text()};
}

WindowSession::WindowSession(fuzzing::ByteReader& header) {
    const Start start = starts[header.byte() % starts.size()];
    w_.system.moment =
        fakes::moment_at(start.year, start.month, start.day, start.hour, start.minute);
    const int system = header.byte();
    w_.system.regional = systems_settings[system % systems.size()];
    if (system / systems.size() % 2 == 1) {
        w_.system.program_dir.reset();
    }
}

void WindowSession::step(fuzzing::ByteReader& in) {
    const auto event = in.choice<Event>(event_count);
    before_ = {panel_texts(f_),   f_.Combo1[day_list].count(),
               f_.about_box(),    w_.about_view.fronts,
               f_.villogas,       f_.pozicio,
               f_.Label4.text(),  today_row(f_),
               f_.caption.text(), f_.napnevek};
    outcome_ = {{f_.nezet, frame_.w, frame_.h}, {frame_.x, frame_.y}, {}};
    frame_.resizes = frame_.deepest = 0;
    send(event, in);
    asked_ = std::exchange(w_.system.log, {});
    check_requests_and_model();
    check_lists(event);
    check_mode();
    // The caption of the title bar alone is written at every tick, before a
    // new day's refresh; anything else leaves it, or writes it anew.
    const std::string& mode = f_.nezet;
    CHECK(mode == mode_cimsor ? event >= Event::tick || f_.caption.text() == before_.caption ||
                                    f_.caption.text() == f_.cimsorszoveg()
                              : f_.caption.text() == layout::program_title);
    check_frame();
}

void WindowSession::send(Event event, fuzzing::ByteReader& in) {
    using enum Event;
    switch (event) {
    case load:
        return load_window();
    case type_month:
    case type_day:
    case type_name:
        return type(static_cast<List>(static_cast<int>(event) - static_cast<int>(type_month)),
                    in.text());
    case pick: {
        const auto list = in.choice<List>(list_count);
        return pick_item(list, in.byte() % list_positions);
    }
    case leave:
        return leave_list(in.choice<List>(list_count));
    case search:
        return expect_search(f_.Option1.value());
    case click_kilepes:
    case menu_kilepes:
        return quit(event);
    case click_option1:
    case click_option2:
        return click_option(event == click_option1);
    case click_title:
        return click_running_title();
    case click_about_box:
        return close_about_box();
    case menu_cimsor:
    case menu_mini:
    case menu_teljes:
        return choose_mode(event);
    case menu_tartalom:
    case menu_targymutato:
    case menu_keres:
        return open_help(event);
    case menu_nevjegy:
        return open_about();
    case press: {
        const int button = in.byte() % button_count;
        const auto where = in.choice<Press>(press_count);
        return press_button(button, where, static_cast<std::int8_t>(in.byte()));
    }
    case menu_key:
        return press_menu_key();
    case drag:
    case move: {
        const auto first = in.value<std::int32_t>();
        const auto second = in.value<std::int32_t>();
        return event == drag ? drag_to(first, second) : move_to(first, second);
    }
    case least_size: {
        const int width = in.byte() * least_width_step;
        return grow_least_size(width, in.byte() * least_height_step);
    }
    case resize:
        return raise_resize();
    case tick:
    case tick_next_minute:
    case tick_at_23_59:
    case tick_after_jump:
    case tick_drawing:
        return tick_clock(event, in);
    }
}

// Only what the event asked for was asked of the system, and the window's
// state agrees with the reference's.
void WindowSession::check_requests_and_model() const {
    const std::vector<std::string>& asked = asked_;
    CHECK_EQ(asked, outcome_.asked);
    if (row_) {
        CHECK_EQ(today_row(f_), *row_);
    }
    if (clock_) {
        CHECK_EQ(f_.Label1[clock_label].text(), *clock_);
    }
    CHECK_EQ(f_.honap, honap_);
    CHECK_EQ(f_.nap, nap_);
    CHECK_EQ(f_.napnevek, names_);
    CHECK_EQ(f_.datumok, dates_);
    CHECK_EQ(f_.hiba, hiba_);
    CHECK(f_.Option1.value() != f_.Option2.value() && f_.pozicio >= 0 && f_.pozicio <= 13);
}

// Only the active panel's lists take input; the day list changes its length
// only at the load and when the focus leaves a list.
void WindowSession::check_lists(Event event) const {
    CHECK(!loaded_ || (f_.Combo2.enabled() == f_.Option2.value() &&
                       f_.Combo1[month_list].enabled() == f_.Option1.value() &&
                       f_.Combo1[day_list].enabled() == f_.Option1.value()));
    const int days = f_.Combo1[day_list].count();
    CHECK(event == Event::leave || event == Event::load || days == before_.days);
    CHECK(loaded_
              ? (days == 28 || days == 30 || days == 31) && f_.Combo1[month_list].count() == 12 &&
                    f_.Combo2.count() == static_cast<int>(name_count)
              : days == 0);
}

void WindowSession::check_mode() const {
    const std::string& mode = f_.nezet;
    CHECK_EQ((Size{mode, frame_.w, frame_.h}), outcome_.size);
    CHECK(f_.cimsor.checked() == (mode == mode_cimsor) &&
          f_.mini.checked() == (mode == mode_mini || mode.empty()) &&
          f_.teljes.checked() == (mode == mode_teljes) &&
          f_.search_area.visible() == (mode == mode_teljes || mode.empty()));
}

// A size that was set leaves the window centred at the top, and the resizes
// nest only so deep.
void WindowSession::check_frame() const {
    CHECK(frame_.deepest <= 8);
    const Place centred{centred_left(frame_.w), 0};
    CHECK_EQ((Place{frame_.x, frame_.y}), frame_.resizes > 0 ? centred : outcome_.place);
}

// The size the resize rule leaves, and the mode it ends in, once the frame
// took what it could of (width, height). Unless something runs the rule
// anyway, it runs only when the size really changes.
Size WindowSession::settle(std::string mode, int width, int height, bool anyway) const {
    width = std::max({width, frame_.least_width, 0});
    height = std::max({height, frame_.least_height, 0});
    if ((!anyway && width == frame_.w && height == frame_.h) || mode == mode_teljes) {
        return {mode, width, height};
    }
    if (mode == mode_cimsor && (height > 410 || width > 6010)) {
        return settle(std::string(mode_mini), 6000, 900);
    }
    if (mode == mode_mini) { // kept within 10 twips, else set
        height = std::abs(height - 900) <= 10 ? height : std::max(900, frame_.least_height);
        width = std::abs(width - 6000) <= 10 ? width : std::max(6000, frame_.least_width);
    }
    return {mode, width, height};
}

int WindowSession::centred_left(int width) const {
    return (w_.system.screen_width - width) / 2;
}

// The panel's date part is refreshed at the load, on every tick of the
// minute 00:00, and on the first tick that finds the clock on another day
// than the one shown. A refresh whose lookup fails (a system whose month
// names are neither Hungarian nor English) keeps the names it had.
void WindowSession::follow_today(bool load) {
    const Moment now = w_.system.moment;
    const RegionalSettings& system = *w_.system.regional;
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

} // namespace halvora::window_events
