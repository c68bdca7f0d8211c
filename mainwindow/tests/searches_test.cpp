#include "window_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvora::testing {
namespace {

using Messages = std::vector<std::string>;

// Each search starts from D1: a search for március 15 shows "Kristóf".
TEST(SearchByDate, EveryOutcomeOfTheStateTable) {
    struct Case {
        std::string month;
        std::string day;
        Messages messages;
        std::string month_after;
        std::string day_after;
        std::string label2;
    };
    const std::vector<Case> cases = {
        {"március", " 7", {}, "március", " 7", "Tamás"},
        {"március", "29", {}, "március", "29", "Auguszta"},
        {"március", "1e1", {}, "március", "1e1", "Ildikó"},
        {"február", " 29", {}, "február", " 29", ""},
        {"", " 1", {"Állíts be egy dátumot!"}, "", " 1", ""},
        {"február", "30", {"Ilyen nap nem létezik!"}, "február", "", ""},
        {"március", "abc", {"Ilyen nap nem létezik!"}, "március", "", ""},
        {"március", std::string(400, '9'), {"Ilyen nap nem létezik!"}, "március", "", ""},
        {"Március", " 15", {"Ilyen hónap nem létezik!"}, "", " 15", ""},
        {"Március", "30x", {"Ilyen hónap nem létezik!"}, "", "30x", ""},
    };
    for (const auto& c : cases) {
        Window w;
        w.start();
        w.search_by_date("március", " 15");
        ASSERT_EQ(w.form.Label2.text(), "Kristóf");

        w.search_by_date(c.month, c.day);
        const std::string why = c.month + "/" + c.day;
        EXPECT_EQ(w.take_messages(), c.messages) << why;
        EXPECT_EQ(w.form.Combo1[0].text(), c.month_after) << why;
        EXPECT_EQ(w.form.Combo1[1].text(), c.day_after) << why;
        EXPECT_EQ(w.form.Label2.text(), c.label2) << why;
        EXPECT_EQ(w.form.hibas, !c.messages.empty()) << why;
        EXPECT_EQ(w.form.hiba, "") << why;
        // A failed lookup keeps the names of the last one that succeeded.
        if (!c.messages.empty()) {
            EXPECT_EQ(w.form.napnevek, "Kristóf") << why;
        }
    }
}

TEST(SearchByName, EveryOutcomeOfTheStateTable) {
    struct Case {
        std::string name;
        Messages messages;
        std::string name_after;
        std::string label3;
    };
    const std::vector<Case> cases = {
        {"Simon", {}, "Simon", "január 5. október 28."},
        {"", {"Válassz nevet a listából!"}, "", ""},
        {"ábel", {"Ilyen név nem létezik!"}, "", ""},
        {"L\xC5\x91rinc", {"Ilyen név nem létezik!"}, "", ""},
    };
    for (const auto& c : cases) {
        Window w;
        w.start();
        w.form.Option2_Click();
        w.search_by_name("Abigél");
        ASSERT_EQ(w.form.Label3.text(), " február 9.");

        w.search_by_name(c.name);
        EXPECT_EQ(w.take_messages(), c.messages) << c.name;
        EXPECT_EQ(w.form.Combo2.text(), c.name_after) << c.name;
        EXPECT_EQ(w.form.Label3.text(), c.label3) << c.name;
        EXPECT_EQ(w.form.hiba, "") << c.name;
        if (!c.messages.empty()) {
            EXPECT_EQ(w.form.datumok, " február 9.") << c.name;
        }
    }
}

TEST(Searches, SwitchingModesEmptiesTheOtherPanelAndDoesNotRestoreIt) {
    Window w;
    w.start();
    w.search_by_date("március", " 15");
    w.form.Option2_Click();
    EXPECT_TRUE(w.form.Combo2.enabled());
    EXPECT_FALSE(w.form.Combo1[0].enabled() || w.form.Combo1[1].enabled());
    EXPECT_TRUE(w.form.Label2.text().empty() && w.form.Combo1[0].text().empty() &&
                w.form.Combo1[1].text().empty());

    w.search_by_name("Simon");
    w.form.Option1_Click();
    EXPECT_FALSE(w.form.Combo2.enabled());
    EXPECT_TRUE(w.form.Combo1[0].enabled() && w.form.Combo1[1].enabled());
    EXPECT_TRUE(w.form.Combo2.text().empty() && w.form.Label3.text().empty());
    w.form.Command1_Click();
    EXPECT_EQ(w.take_messages(), Messages{"Állíts be egy dátumot!"});

    // Clicking the button of the mode in force changes nothing that shows.
    w.search_by_date("március", " 15");
    w.form.Option1_Click();
    EXPECT_EQ(w.form.Label2.text(), "Kristóf");
}

// A system whose month names the calendar does not know leaves "honapbaj"
// from the today lookup; no search reports it as its own fault.
TEST(Searches, AStaleSentinelRaisesNoFalseAlarm) {
    Window w(fakes::moment_at(2026, 12, 5, 7, 5), fakes::german_settings());
    w.start();
    ASSERT_EQ(w.form.hiba, "honapbaj");
    w.search_by_date("március", " 15");
    EXPECT_TRUE(w.take_messages().empty());
    EXPECT_EQ(w.form.Combo1[0].text(), "március");
    EXPECT_EQ(w.form.Label2.text(), "Kristóf");

    // The midnight refresh leaves one again; a search by name ignores it too.
    w.clock.set(fakes::moment_at(2026, 12, 6, 0, 0));
    w.form.Timer1_Timer();
    ASSERT_EQ(w.form.hiba, "honapbaj");
    EXPECT_EQ(w.form.Label1[3].text(), "Kristóf napja") << "names of the last good lookup";
    w.form.Option2_Click();
    w.search_by_name("Simon");
    EXPECT_TRUE(w.take_messages().empty());
    EXPECT_EQ(w.form.Label3.text(), "január 5. október 28.");
}

// The day list is fitted only when the focus leaves the month, whichever list it leaves.
TEST(Searches, TheDayListFollowsTheMonthWhenTheFocusLeaves) {
    Window w;
    w.start();
    for (const int index : {-1, 0, 1, 7}) {
        Window::type(w.form.Combo1[0], index == 0 ? "február" : "április");
        EXPECT_EQ(w.form.Combo1[1].count(), 31) << "nothing moves before the focus leaves";
        EXPECT_FALSE(w.leave_list(index));
        EXPECT_EQ(w.form.Combo1[1].count(), index == 0 ? 28 : index == 1 ? 30 : 31) << index;
        Window::type(w.form.Combo1[0], "március");
        w.leave_list(0);
    }
}

} // namespace
} // namespace halvora::testing
