#include "window_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvora::testing {
namespace {

using fakes::moment_at;

TEST(Startup, TheTodayPanelOnEachSystem) {
    const struct {
        std::string system;
        Moment now;
        const RegionalSettings& settings;
        std::string top_row, honap, nap, hiba;
    } cases[] = {
        {"English", moment_at(2026, 12, 5, 7, 5), fakes::english_settings(),
         "2026. |december| 5.|Szombat|07:05|Vilma napja", "December", "5", ""},
        {"Hungarian Monday", moment_at(2026, 12, 7, 23, 59), fakes::hungarian_settings(),
         "2026. |december| 7.|h\xC3\xA9tf\xC5\x91|23:59|Ambrus napja", "december", "7", ""},
        {"German", moment_at(2026, 12, 5, 7, 5), fakes::german_settings(),
         "2026. |Dezember| 5.|Samstag|07:05| napja", "Dezember", "5", "honapbaj"},
    };
    for (const auto& c : cases) {
        Window w(c.now, c.settings);
        w.start();
        EXPECT_EQ(top_row(w.form), c.top_row) << c.system;
        EXPECT_EQ(w.form.honap, c.honap) << c.system;
        EXPECT_EQ(w.form.nap, c.nap) << c.system;
        EXPECT_EQ(w.form.hiba, c.hiba) << c.system;
        EXPECT_TRUE(w.messages.shown.empty()) << c.system;
    }
}

// The mode's size and place are the view modes' own test.
TEST(Startup, LeavesTheSearchByDateReady) {
    Window w;
    w.frame.drag_to(7000, 4500); // whatever size the toolkit starts with
    w.form.Form_Load();
    EXPECT_EQ(w.frame.left(), (19200 - 6000) / 2) << "centred by the designed width";
    w.frame.show();

    const Form1& f = w.form;
    const auto list = [](const ComboBox& c) {
        return std::string(c.text()) + "|" + std::to_string(c.list_index()) + "|" +
               std::to_string(c.count()) + (c.enabled() ? "|on" : "|off");
    };
    EXPECT_TRUE(f.Option1.value() && !f.Option2.value());
    EXPECT_EQ(list(f.Combo1[0]), "január|0|12|on");
    EXPECT_EQ(list(f.Combo1[1]), " 1|0|31|on");
    EXPECT_EQ(list(f.Combo2), "|-1|436|off");
    EXPECT_EQ(f.Label2.text() + f.Label3.text(), "");
    EXPECT_EQ(f.Label1[3].colour(), red);
}

TEST(Startup, TextsChangedBeforeTheLoadStillGiveJanuarysDayList) {
    const struct {
        std::string what;
        void (*before)(Form1&);
    } cases[] = {
        {"a month typed", [](Form1& f) { Window::type(f.Combo1[0], "xyz"); }},
        {"the shorter február typed", [](Form1& f) { Window::type(f.Combo1[0], "február"); }},
        {"the texts cleared by Option2", [](Form1& f) { f.Option2_Click(); }},
    };
    for (const auto& c : cases) {
        Window w;
        c.before(w.form);
        w.start();
        EXPECT_EQ(w.form.Combo1[0].text(), "január") << c.what;
        EXPECT_EQ(w.form.Combo1[1].count(), 31) << c.what;
    }
}

TEST(Startup, ASecondLoadChangesNothing) {
    Window w;
    w.start();
    w.clock.advance_minutes(60 * 24);
    w.form.Form_Load();
    EXPECT_EQ(w.form.Combo1[0].count(), 12);
    EXPECT_EQ(w.form.Combo2.count(), 436);
    EXPECT_EQ(w.form.Label1[5].text(), " 5.");
}

} // namespace
} // namespace halvora::testing
