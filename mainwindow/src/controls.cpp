#include <halvora/mainwindow/controls.h>

#include <cstddef>

namespace halvora {
namespace {

// Assigns and reports whether anything changed, so every setter notifies only
// on a real change.
template <typename T, typename U> bool assign(T& member, const U& value) {
    if (member == value) {
        return false;
    }
    member = value;
    return true;
}

} // namespace

void Label::set_text(std::string_view text) {
    if (assign(text_, text)) {
        notify(Property::text);
    }
}

void Label::set_colour(Colour colour) {
    if (assign(colour_, colour)) {
        notify(Property::colour);
    }
}

void Label::set_visible(bool visible) {
    if (assign(visible_, visible)) {
        notify(Property::visible);
    }
}

void Area::set_visible(bool visible) {
    if (assign(visible_, visible)) {
        notify(Property::visible);
    }
}

void ComboBox::append(std::string_view item) {
    items_.emplace_back(item);
    notify(Property::items);
}

void ComboBox::remove_at(int position) {
    if (position < 0 || position >= count()) {
        return;
    }
    items_.erase(items_.begin() + position);
    notify(Property::items);
    // The chosen item keeps being chosen while it exists; removing it chooses none.
    if (position == list_index_) {
        list_index_ = -1;
        notify(Property::list_index);
    } else if (position < list_index_) {
        --list_index_;
        notify(Property::list_index);
    }
}

std::string_view ComboBox::item(int position) const {
    if (position < 0 || position >= count()) {
        return {};
    }
    return items_[static_cast<std::size_t>(position)];
}

void ComboBox::set_text(std::string_view text) {
    if (assign(text_, text)) {
        notify(Property::text);
    }
}

void ComboBox::set_enabled(bool enabled) {
    if (assign(enabled_, enabled)) {
        notify(Property::enabled);
    }
}

void ComboBox::set_list_index(int index) {
    const int chosen = index >= 0 && index < count() ? index : -1;
    if (assign(list_index_, chosen)) {
        notify(Property::list_index);
    }
}

void OptionButton::set_value(bool value) {
    if (assign(value_, value)) {
        notify(Property::value);
    }
}

void MenuItem::set_checked(bool checked) {
    if (assign(checked_, checked)) {
        notify(Property::checked);
    }
}

void Caption::set_text(std::string_view text) {
    if (assign(text_, text)) {
        notify(Property::caption);
    }
}

} // namespace halvora
