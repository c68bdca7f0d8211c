// Stand-ins for every platform interface: they answer as a test sets them up
// and log, as plain texts, what the program asked of the system.
#pragma once

#include <halvora/platform/platform.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace halvora::fakes {

// A moment of the proleptic Gregorian calendar, its weekday worked out, and
// the same moment some minutes later or earlier.
Moment add_minutes(const Moment& moment, long long minutes);
inline Moment moment_at(int year, int month, int day, int hour, int minute) {
    return add_minutes({year, month, day, 0, 0, 0}, hour * 60LL + minute);
}

// The names exactly as each system writes them. The German one separates
// hours and minutes with a full stop, so that its midnight is not "00:00".
extern const RegionalSettings english_settings, hungarian_settings, german_settings;

// A toolkit's frame: never below its least size; it raises the resize
// listener inside the setting call, only on a real change (or when shown). It
// counts the resizes and their deepest nesting.
class FakeWindowFrame final : public platform::WindowFrame {
public:
    [[nodiscard]] int left() const override { return x; }
    [[nodiscard]] int top() const override { return y; }
    [[nodiscard]] int width() const override { return w; }
    [[nodiscard]] int height() const override { return h; }
    void set_left(int twips) override { x = twips; }
    void set_top(int twips) override { y = twips; }
    void set_width(int twips) override { drag_to(twips, h); }
    void set_height(int twips) override { drag_to(w, twips); }
    void drag_to(int width, int height);
    void show();
    // Whether a resize listener is set: a window logic that is gone must
    // have taken its own away.
    using platform::WindowFrame::listened;

    int x = 0, y = 0, w = 6000, h = 4500, least_width = 0, least_height = 405;
    int resizes = 0, deepest = 0, nesting = 0;
};

// The rest of the system in one object.
class FakeSystem final : public platform::Clock,
                         public platform::Regional,
                         public platform::RandomSource,
                         public platform::Screen,
                         public platform::MessageBox,
                         public platform::HelpViewer,
                         public platform::ProgramInfo,
                         public platform::PopupMenu,
                         public platform::Quitter {
public:
    [[nodiscard]] Moment now() const override { return moment; }
    [[nodiscard]] const RegionalSettings& settings() const override { return *regional; }
    double next() override; // the scripted values in order, then 0.5
    [[nodiscard]] int width() const override { return screen_width; }
    void show(std::string_view text, std::string_view title, int style) override;
    void set_help_file(std::string_view path) override { help_file = path; }
    void set_help_command(int command) override { help_command = command; }
    void show_help() override {
        log.push_back("help " + help_file + " " + std::to_string(help_command));
    }
    [[nodiscard]] std::optional<std::string> directory() const override { return program_dir; }
    [[nodiscard]] char path_separator() const override { return '\\'; }
    void open(platform::MenuItemId item, platform::MenuAnchor anchor) override;
    void quit() override { log.emplace_back("quit"); }

    Moment moment = moment_at(2026, 12, 5, 7, 5);
    const RegionalSettings* regional = &english_settings;
    std::deque<double> script;
    int draws = 0, screen_width = 19200, help_command = 0;
    std::string help_file;
    std::optional<std::string> program_dir = "C:\\Program Files\\Halvora";
    std::vector<std::string> log;
};

} // namespace halvora::fakes
