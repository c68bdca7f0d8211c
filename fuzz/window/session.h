// The whole main window on the fake platform, driven event by event. After
// every event what it should have done must show, the calendar library being
// the reference: the today panel for the clock's date (jumps either way
// included), a search's message or answer, the caption, check marks and size
// of the mode, and nothing asked of the system but what the event asks: a
// message, the help, quitting. The fuzz target and the scenario scripts both
// drive the window through this one class.
#pragma once

#include "event.h"
#include "fuzz.h"

#include <halvora/mainwindow/window_on_fakes.h>

#include <array>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace halvora::window_events {

// The search panels' texts: the month, day and name lists, the date search's
// answer and the name search's.
using PanelTexts = std::array<std::string, 5>;
// The today panel's labels that a new day's refresh writes: year, month, day,
// weekday, names.
using TodayRow = std::array<std::string, 5>;
using Size = std::tuple<std::string, int, int>; // mode, width, height
using Place = std::pair<int, int>;

PanelTexts panel_texts(const Form1& f);
TodayRow today_row(const Form1& f);

class WindowSession {
public:
    // Reads the start byte and the system byte.
    explicit WindowSession(fuzzing::ByteReader& header);
    WindowSession(const WindowSession&) = delete;
    WindowSession& operator=(const WindowSession&) = delete;

    // Reads one event with its arguments, sends it to the window and checks
    // what it did.
    void step(fuzzing::ByteReader& in);

    [[nodiscard]] const fakes::WindowOnFakes& window() const { return w_; }
    // What the last event asked of the system, as the fakes write it down.
    [[nodiscard]] const std::vector<std::string>& asked() const { return asked_; }

private:
    // The window as the event found it.
    struct Before {
        PanelTexts texts;
        int days;
        const about* box;
        int fronts;
        bool running;
        int pozicio;
        std::string title;
        TodayRow row;
        std::string caption;
        std::string names;
    };
    // What the event should leave besides the window's state.
    struct Outcome {
        Size size;
        Place place;
        std::vector<std::string> asked;
    };

    void send(Event event, fuzzing::ByteReader& in);

    // One per kind of event: sends it and checks what only that event does.
    void load_window();
    void type(List list, std::string_view text);
    void pick_item(List list, int position);
    void leave_list(List list);
    void expect_search(bool by_date);
    void quit(Event item);
    void click_option(bool option1);
    void click_running_title();
    void close_about_box();
    void choose_mode(Event item);
    void open_help(Event item);
    void open_about();
    void press_button(int button, Press where, int index);
    void press_menu_key();
    void drag_to(int width, int height);
    void move_to(int left, int top);
    void grow_least_size(int width, int height);
    void raise_resize();
    void tick_clock(Event kind, fuzzing::ByteReader& in);

    // What every event leaves.
    void check_requests_and_model() const;
    void check_lists(Event event) const;
    void check_mode() const;
    void check_frame() const;

    // The reference.
    [[nodiscard]] Size settle(std::string mode, int width, int height, bool anyway = true) const;
    [[nodiscard]] int centred_left(int width) const;
    void follow_today(bool load);

    fakes::WindowOnFakes w_;
    Form1& f_ = w_.form;
    fakes::FakeWindowFrame& frame_ = w_.frame;
    Before before_{};
    Outcome outcome_;
    std::vector<std::string> asked_;

    bool loaded_ = false;
    std::optional<std::tuple<int, int, int>> shown_;
    std::optional<TodayRow> row_;
    std::optional<std::string> clock_;
    std::string honap_, nap_, names_, dates_, hiba_;
};

} // namespace halvora::window_events
