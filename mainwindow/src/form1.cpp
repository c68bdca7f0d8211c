#include <halvora/mainwindow/form1.h>

namespace halvora {

Form1::Form1(Platform& platform)
    : platform_(platform) {
    platform_.frame.set_resize_listener([this] { Form_Resize(); });
}

Form1::~Form1() {
    // The frame may outlive the window's logic; it must not call back into it.
    platform_.frame.set_resize_listener({});
    close_about();
}

void Form1::option_clicked(const OptionButton& option) {
    if (&option == &Option1) {
        Option1.set_value(true);
        Option1_Click();
    } else if (&option == &Option2) {
        Option2.set_value(true);
        Option2_Click();
    }
}

void Form1::stop_observing() {
    caption.observe({});
    for (Label& label : Label1) {
        label.observe({});
    }
    for (Label* label : {&Label2, &Label3, &Label4}) {
        label->observe({});
    }
    Option1.observe({});
    Option2.observe({});
    for (ComboBox& list : Combo1) {
        list.observe({});
    }
    Combo2.observe({});
    search_area.observe({});
}

void Form1::nevek() {
    const std::string_view outcome = napszerint(honap, nap);
    if (outcome == honapbaj || outcome == napbaj) {
        hiba = outcome;
    } else {
        napnevek = outcome;
    }
}

void Form1::feltolt() {
    fill_choice_lists(Combo1[month_list], Combo1[day_list], Combo2);
}

void Form1::modosit() {
    fit_day_list(Combo1[month_list], Combo1[day_list]);
}

void Form1::idopont() {
    const std::string_view outcome = nevszerint(Combo2.text());
    if (outcome == nevbaj) {
        hiba = outcome;
    } else {
        datumok = outcome;
    }
}

void Form1::warn(std::string_view text) {
    platform_.message_box.show(text, layout::program_title, platform::message_style_warning);
}

} // namespace halvora
