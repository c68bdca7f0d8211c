// Fakes that stand in for the system's answers and record what the program
// asked of it.
#pragma once

#include <halvora/platform/platform.h>

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace halvora::fakes {

// Hands out the scripted values in order, then the default for ever. Values
// are passed on as scripted, out of range ones included.
class ScriptedRandom final : public platform::RandomSource {
public:
    explicit ScriptedRandom(double fallback = 0.5)
        : fallback_(fallback) {}

    void push(double value) { script_.push_back(value); }
    double next() override;
    [[nodiscard]] int draws() const { return draws_; }

private:
    std::deque<double> script_;
    double fallback_;
    int draws_ = 0;
};

class FakeScreen final : public platform::Screen {
public:
    explicit FakeScreen(int width = 19200)
        : width_(width) {}
    [[nodiscard]] int width() const override { return width_; }
    void set_width(int twips) { width_ = twips; }

private:
    int width_;
};

class RecordingMessageBox final : public platform::MessageBox {
public:
    struct Shown {
        std::string text;
        std::string title;
        int style;
        friend bool operator==(const Shown&, const Shown&) = default;
    };

    void show(std::string_view text, std::string_view title, int style) override {
        shown.push_back({std::string(text), std::string(title), style});
    }

    std::vector<Shown> shown;
};

class RecordingHelpViewer final : public platform::HelpViewer {
public:
    // File and command as they stood when the viewer was shown.
    struct Shown {
        std::string file;
        int command;
        friend bool operator==(const Shown&, const Shown&) = default;
    };

    void set_help_file(std::string_view path) override { file = path; }
    void set_help_command(int value) override { command = value; }
    void show_help() override { shown.push_back({file, command}); }

    std::string file;
    int command = 0;
    std::vector<Shown> shown;
};

class FakeProgramInfo final : public platform::ProgramInfo {
public:
    explicit FakeProgramInfo(std::optional<std::string> directory = "C:\\Program Files\\Halvora",
                             char separator = '\\')
        : directory_(std::move(directory))
        , separator_(separator) {}

    [[nodiscard]] std::optional<std::string> directory() const override { return directory_; }
    [[nodiscard]] char path_separator() const override { return separator_; }

private:
    std::optional<std::string> directory_;
    char separator_;
};

class RecordingPopupMenu final : public platform::PopupMenu {
public:
    // The default item of each opening, and where the last one opened.
    void open(platform::MenuItemId default_item, platform::MenuAnchor where) override {
        opened.push_back(default_item);
        anchor = where;
    }
    std::vector<platform::MenuItemId> opened;
    platform::MenuAnchor anchor = platform::MenuAnchor::pointer;
};

class FakeQuitter final : public platform::Quitter {
public:
    void quit() override { ++quits; }
    int quits = 0;
};

} // namespace halvora::fakes
