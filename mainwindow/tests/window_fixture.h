// The main window on fakes of the whole platform, started as a user would
// see it: loaded, then shown.
#pragma once

#include <halvora/mainwindow/form1.h>
#include <halvora/platform/fakes/fakes.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvora::testing {

struct Window {
    explicit Window(Moment now = fakes::moment_at(2026, 12, 5, 7, 5),
                    const RegionalSettings& settings = fakes::english_settings(),
                    int least_height = 405)
        : clock(now)
        , regional(settings)
        , frame(6000, 4500, least_height) {}

    // Load, then the first showing with its resize.
    void start() {
        form.Form_Load();
        frame.show();
    }

    // The texts of the messages shown so far, and forget them. Every message
    // is a warning titled with the program's name.
    std::vector<std::string> take_messages() {
        std::vector<std::string> texts;
        for (const auto& shown : messages.shown) {
            EXPECT_EQ(shown.title, "Halvora") << shown.text;
            EXPECT_EQ(shown.style, 48) << shown.text;
            texts.push_back(shown.text);
        }
        messages.shown.clear();
        return texts;
    }

    // Picks an item or types a text, as the user would.
    static void type(ComboBox& list, std::string_view text) { list.set_text(text); }

    fakes::FakeClock clock;
    fakes::FakeRegional regional;
    fakes::ScriptedRandom random;
    fakes::FakeScreen screen;
    fakes::FakeWindowFrame frame;
    fakes::RecordingMessageBox messages;
    fakes::RecordingHelpViewer help;
    fakes::FakeProgramInfo program;
    fakes::RecordingPopupMenu popup;
    fakes::FakeQuitter quitter;
    fakes::FakeAboutBoxView about_view;
    Platform platform{clock, regional, random, screen,  frame,     messages,
                      help,  program,  popup,  quitter, about_view};
    Form1 form{platform};
};

} // namespace halvora::testing
