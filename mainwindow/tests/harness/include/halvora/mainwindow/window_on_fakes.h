// The main window's logic wired to a fake of every platform interface, as the
// tests, the fuzz targets and the benchmarks drive it: no toolkit, no system.
#pragma once

#include <halvora/aboutbox/about.h>
#include <halvora/mainwindow/form1.h>
#include <halvora/platform/fakes/fakes.h>

namespace halvora::fakes {

// Remembers the box it shows; a test clicks the box itself to close it.
class FakeAboutBoxView final : public AboutBoxView {
public:
    void show(about& box) override {
        shown = &box;
        ++shows;
    }
    void bring_to_front() override { ++fronts; }
    void close() override {
        shown = nullptr;
        ++closes;
    }

    about* shown = nullptr;
    int shows = 0;
    int fronts = 0;
    int closes = 0;
};

struct WindowOnFakes {
    explicit WindowOnFakes(Moment now = moment_at(2026, 12, 5, 7, 5),
                           const RegionalSettings& settings = english_settings(),
                           int least_height = 405)
        : clock(now)
        , regional(settings)
        , frame(6000, 4500, least_height) {}

    // Load, then the first showing with its resize, as the toolkit starts a window.
    void start() {
        form.Form_Load();
        frame.show();
    }

    FakeClock clock;
    FakeRegional regional;
    ScriptedRandom random;
    FakeScreen screen;
    FakeWindowFrame frame;
    RecordingMessageBox messages;
    RecordingHelpViewer help;
    FakeProgramInfo program;
    RecordingPopupMenu popup;
    FakeQuitter quitter;
    FakeAboutBoxView about_view;
    Platform platform{clock, regional, random, screen,  frame,     messages,
                      help,  program,  popup,  quitter, about_view};
    Form1 form{platform};
};

} // namespace halvora::fakes
