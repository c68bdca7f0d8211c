#include <halvora/mainwindow/controls.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace halvora {
namespace {

// Every setter notifies once for a real change and stays silent when the
// same is set again; a removal notifies each time it removes.
TEST(Controls, SettersNotifyOnlyOnARealChange) {
    Label label{"Év"};
    ComboBox combo{"január"};
    OptionButton option{"Névnap keresése dátum alapján", true};
    MenuItem item{"Normál", true};
    Caption caption{"Halvora"};
    Area area{true};
    combo.append("a");
    combo.append("b");
    const struct {
        Control& control;
        std::function<void()> change;
        std::vector<Property> first, again;
    } steps[] = {
        {label, [&] { label.set_text("Év"); }, {}, {}},
        {label, [&] { label.set_text("2026. "); }, {Property::text}, {}},
        {label, [&] { label.set_colour(blue); }, {Property::colour}, {}},
        {label, [&] { label.set_visible(false); }, {Property::visible}, {}},
        {combo, [&] { combo.set_text(""); }, {Property::text}, {}},
        {combo, [&] { combo.set_enabled(false); }, {Property::enabled}, {}},
        {combo, [&] { combo.set_list_index(1); }, {Property::list_index}, {}},
        {combo, [&] { combo.remove_at(2); }, {}, {}},
        {combo, [&] { combo.remove_at(-1); }, {}, {}},
        {combo, [&] { combo.append("c"); }, {Property::items}, {Property::items}},
        {combo,
         [&] { combo.remove_at(0); },
         {Property::items, Property::list_index},
         {Property::items, Property::list_index}},
        {option, [&] { option.set_value(false); }, {Property::value}, {}},
        {item, [&] { item.set_checked(false); }, {Property::checked}, {}},
        {caption, [&] { caption.set_text("2026.  december"); }, {Property::caption}, {}},
        {area, [&] { area.set_visible(false); }, {Property::visible}, {}},
    };
    int step = 0;
    for (const auto& s : steps) {
        for (const std::vector<Property>* notified : {&s.first, &s.again}) {
            std::vector<Property> seen;
            s.control.observe([&](Property p) { seen.push_back(p); });
            s.change();
            EXPECT_EQ(seen, *notified) << "step " << step;
        }
        ++step;
    }
}

TEST(Controls, AComboBoxKeepsItsChosenItemThroughRemovals) {
    struct Case {
        int chosen, removed, chosen_after;
    };
    for (const auto& c :
         {Case{2, 0, 1}, Case{2, 2, -1}, Case{0, 2, 0}, Case{1, 5, 1}, Case{2, 3, 2}}) {
        ComboBox combo;
        for (const char* item : {"a", "b", "c"}) {
            combo.append(item);
        }
        combo.set_list_index(c.chosen);
        combo.remove_at(c.removed);
        EXPECT_EQ(combo.list_index(), c.chosen_after) << c.chosen << " " << c.removed;
        EXPECT_EQ(combo.count(), c.removed < 3 ? 2 : 3);
    }
    ComboBox combo;
    combo.append("a");
    combo.set_list_index(1);
    EXPECT_EQ(combo.list_index(), -1);
    EXPECT_EQ(combo.item(1), "");
    EXPECT_EQ(combo.item(-3), "");
}

} // namespace
} // namespace halvora
