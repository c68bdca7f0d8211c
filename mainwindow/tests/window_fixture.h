// The main window on fakes of the whole platform, started as a user would
// see it: loaded, then shown.
#pragma once

#include <halvora/mainwindow/window_on_fakes.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvora::testing {

struct Window : fakes::WindowOnFakes {
    using WindowOnFakes::WindowOnFakes;

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

    void search_by_date(std::string_view month, std::string_view day) {
        type(form.Combo1[0], month);
        type(form.Combo1[1], day);
        form.Command1_Click();
    }

    void search_by_name(std::string_view name) {
        type(form.Combo2, name);
        form.Command1_Click();
    }

    // The focus leaves Combo1(index); whether the list kept it.
    bool leave_list(int index) {
        bool cancel = false;
        form.Combo1_Validate(index, cancel);
        return cancel;
    }
};

// The top row from left to right, Label1(4), (0), (5), (1), (2), (3), joined by "|".
inline std::string top_row(const Form1& f) {
    const auto& l = f.Label1;
    return l[4].text() + "|" + l[0].text() + "|" + l[5].text() + "|" + l[1].text() + "|" +
           l[2].text() + "|" + l[3].text();
}

} // namespace halvora::testing
