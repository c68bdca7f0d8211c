#include <halvora/mainwindow/controls.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace halvora {
namespace {

// Every setter notifies once for a real change and stays silent for the same value.
TEST(Controls, SettersNotifyOnlyOnARealChange) {
    Label label{"Év"};
    ComboBox combo{"január"};
    OptionButton option{"Névnap keresése dátum alapján", true};
    MenuItem item{"Normál", true};
    Caption caption{"Halvora"};
    combo.append("a");
    combo.append("b");

    struct Step {
        Control& control;
        std::function<void()> change;
        Property property;
        int notifications;
    };
    const std::vector<Step> steps = {
        {label, [&] { label.set_text("Év"); }, Property::text, 0},
        {label, [&] { label.set_text("2026. "); }, Property::text, 1},
        {label, [&] { label.set_colour(blue); }, Property::colour, 1},
        {label, [&] { label.set_visible(false); }, Property::visible, 1},
        {combo, [&] { combo.set_text("január"); }, Property::text, 0},
        {combo, [&] { combo.set_text(""); }, Property::text, 1},
        {combo, [&] { combo.set_enabled(false); }, Property::enabled, 1},
        {combo, [&] { combo.set_list_index(1); }, Property::list_index, 1},
        {combo, [&] { combo.set_list_index(1); }, Property::list_index, 0},
        {combo, [&] { combo.append("c"); }, Property::items, 1},
        {combo, [&] { combo.remove_at(3); }, Property::items, 0},
        {combo, [&] { combo.remove_at(-1); }, Property::items, 0},
        {option, [&] { option.set_value(false); }, Property::value, 1},
        {item, [&] { item.set_checked(false); }, Property::checked, 1},
        {caption, [&] { caption.set_text("2026.  december"); }, Property::caption, 1},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        std::vector<Property> seen;
        steps[i].control.observe([&](Property p) { seen.push_back(p); });
        steps[i].change();
        EXPECT_EQ(seen, std::vector<Property>(steps[i].notifications, steps[i].property))
            << "step " << i;
    }
}

TEST(Controls, ComboBoxKeepsItsChosenItemThroughRemovals) {
    struct Case {
        int chosen;
        int removed;
        int chosen_after;
    };
    for (const auto& c : {Case{2, 0, 1}, Case{2, 2, -1}, Case{0, 2, 0}, Case{1, 5, 1}}) {
        ComboBox combo;
        for (const char* item : {"a", "b", "c"}) {
            combo.append(item);
        }
        combo.set_list_index(c.chosen);
        combo.remove_at(c.removed);
        EXPECT_EQ(combo.list_index(), c.chosen_after) << c.chosen << " " << c.removed;
    }
    ComboBox combo;
    combo.set_list_index(0);
    EXPECT_EQ(combo.list_index(), -1);
    EXPECT_EQ(combo.item(0), "");
    EXPECT_EQ(combo.item(-3), "");
}

} // namespace
} // namespace halvora
