// The window's controls as plain objects: just the properties the logic reads
// and writes. A property changes only through its setter, and a setter that
// really changes a value tells the control's observer which property changed,
// so a toolkit binding can redraw exactly that and nothing else.
#pragma once

#include <halvora/calendar.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace halvora {

enum class Property { text, colour, visible, enabled, list_index, items, value, checked, caption };

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour black{0, 0, 0};
inline constexpr Colour red{255, 0, 0};
inline constexpr Colour blue{0, 0, 255};

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // One observer per control; the binding sets it once.
    void observe(std::function<void(Property)> observer) { observer_ = std::move(observer); }

protected:
    void notify(Property property) const {
        if (observer_) {
            observer_(property);
        }
    }

private:
    std::function<void(Property)> observer_;
};

class Label : public Control {
public:
    explicit Label(std::string_view design_text = {}, Colour colour = black)
        : text_(design_text)
        , colour_(colour) {}

    [[nodiscard]] const std::string& text() const { return text_; }
    [[nodiscard]] Colour colour() const { return colour_; }
    [[nodiscard]] bool visible() const { return visible_; }

    void set_text(std::string_view text);
    void set_colour(Colour colour);
    void set_visible(bool visible);

private:
    std::string text_;
    Colour colour_;
    bool visible_ = true;
};

// A drop-down list with an editable text field. Its text is whatever the user
// typed or picked; the items are what the list offers.
class ComboBox : public Control, public ChoiceList {
public:
    explicit ComboBox(std::string_view design_text = {})
        : text_(design_text) {}

    [[nodiscard]] std::string_view text() const override { return text_; }
    [[nodiscard]] int count() const override { return static_cast<int>(items_.size()); }
    void append(std::string_view item) override;
    // A position outside the list removes nothing.
    void remove_at(int position) override;

    [[nodiscard]] bool enabled() const { return enabled_; }
    // -1 when no item is chosen.
    [[nodiscard]] int list_index() const { return list_index_; }
    // The item at a position, or the empty text outside the list.
    [[nodiscard]] std::string_view item(int position) const;
    [[nodiscard]] const std::vector<std::string>& items() const { return items_; }

    void set_text(std::string_view text);
    void set_enabled(bool enabled);
    // An index outside the list chooses no item.
    void set_list_index(int index);

private:
    std::string text_;
    std::vector<std::string> items_;
    int list_index_ = -1;
    bool enabled_ = true;
};

class OptionButton : public Control {
public:
    OptionButton(std::string_view caption, bool value)
        : caption_(caption)
        , value_(value) {}

    [[nodiscard]] std::string_view caption() const { return caption_; }
    [[nodiscard]] bool value() const { return value_; }
    void set_value(bool value);

private:
    std::string_view caption_;
    bool value_;
};

class PushButton : public Control {
public:
    explicit PushButton(std::string_view caption)
        : caption_(caption) {}
    [[nodiscard]] std::string_view caption() const { return caption_; }

private:
    std::string_view caption_;
};

class MenuItem : public Control {
public:
    MenuItem(std::string_view caption, bool checked)
        : caption_(caption)
        , checked_(checked) {}

    [[nodiscard]] std::string_view caption() const { return caption_; }
    [[nodiscard]] bool checked() const { return checked_; }
    void set_checked(bool checked);

private:
    std::string_view caption_;
    bool checked_;
};

// A part of the window that shows or hides as a whole.
class Area : public Control {
public:
    explicit Area(bool visible)
        : visible_(visible) {}
    [[nodiscard]] bool visible() const { return visible_; }
    void set_visible(bool visible);

private:
    bool visible_;
};

// The window's own caption.
class Caption : public Control {
public:
    explicit Caption(std::string_view text)
        : text_(text) {}
    [[nodiscard]] const std::string& text() const { return text_; }
    void set_text(std::string_view text);

private:
    std::string text_;
};

} // namespace halvora
