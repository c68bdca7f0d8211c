// The main window's logic wired to a fake of every platform interface, as the
// tests, the fuzz targets and the benchmarks drive it: no toolkit, no system.
#pragma once

#include <halvora/aboutbox/about.h>
#include <halvora/mainwindow/form1.h>
#include <halvora/platform/fakes.h>

namespace halvora::fakes {

// Remembers the box it shows; a test clicks the box itself to close it.
struct FakeAboutBoxView final : AboutBoxView {
    void show(about& box) override { shown = &box; }
    void bring_to_front() override { ++fronts; }
    void close() override { shown = nullptr; }
    about* shown = nullptr;
    int fronts = 0;
};

struct WindowOnFakes {
    // Load, then the first showing with its resize, as the toolkit starts a window.
    void start() {
        form.Form_Load();
        frame.show();
    }

    FakeSystem system;
    FakeWindowFrame frame;
    FakeAboutBoxView about_view;
    Platform platform{system, system, system, system, frame,     system,
                      system, system, system, system, about_view};
    Form1 form{platform};
};

} // namespace halvora::fakes
