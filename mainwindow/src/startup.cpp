#include <halvora/mainwindow/form1.h>

namespace halvora {

void Form1::Form_Load() {
    // The toolkit loads a window once; a second load would fill the lists twice.
    if (loaded_) {
        return;
    }
    loaded_ = true;

    nezet = mode_mini;
    // As designed, unless a menu click before the load changed them.
    show_mode();
    platform_.frame.set_left(centred_left(layout::designed_outer_width));
    pozicio = 1;
    villogas = true;
    szin = {0, 1, 2};

    // One reading of the clock for the whole panel, so its texts cannot
    // straddle midnight.
    const Moment now = platform_.clock.now();
    Label1[clock_label].set_text(datumszoveg(pattern_clock, now, platform_.regional.settings()));
    // The day list is filled for the month list's text, which the design sets
    // to január; a text typed or cleared before the load must not leave the
    // day list too short, or empty for good.
    Combo1[month_list].set_text(hungarian_month_names[0]);
    feltolt();
    refresh_today(now);

    // Option1 is on from the design; setting it keeps the pair exclusive even
    // if a click on Option2 came before the load.
    Option1.set_value(true);
    Option2.set_value(false);
    Combo2.set_enabled(false);
    Combo2.set_text("");
    Combo1[month_list].set_enabled(true);
    Combo1[day_list].set_enabled(true);
    for (ComboBox& list : Combo1) {
        list.set_list_index(0);
        list.set_text(list.item(list.list_index()));
    }
}

} // namespace halvora
