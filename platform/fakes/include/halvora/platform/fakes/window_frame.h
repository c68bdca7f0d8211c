// A window frame that behaves like a toolkit's: it will not go below its least
// size, and it raises the resize listener inside the setting call, but only
// when the size really changes. It counts the events and the deepest nesting,
// so a test can see that a chain of nested resizes comes to an end.
#pragma once

#include <halvora/platform/platform.h>

#include <optional>

namespace halvora::fakes {

class FakeWindowFrame final : public platform::WindowFrame {
public:
    // Nested resizes deeper than this are not raised but flagged as a runaway.
    static constexpr int nesting_limit = 64;

    FakeWindowFrame(int width = 6000, int height = 4500, int least_height = 405)
        : width_(width)
        , height_(height)
        , least_height_(least_height) {}

    [[nodiscard]] int left() const override { return left_; }
    [[nodiscard]] int top() const override { return top_; }
    [[nodiscard]] int width() const override { return width_; }
    [[nodiscard]] int height() const override { return height_; }

    void set_left(int twips) override { left_ = twips; }
    void set_top(int twips) override { top_ = twips; }
    void set_width(int twips) override { resize_to(twips, height_); }
    void set_height(int twips) override { resize_to(width_, twips); }

    void set_least_height(int twips) { least_height_ = twips; }
    void set_least_width(std::optional<int> twips) { least_width_ = twips; }

    // The first showing raises a resize whatever the size.
    void show() { raise(); }
    // The user drags the border: both sizes change in one event.
    void drag_to(int width, int height) { resize_to(width, height); }
    // The user moves the window: no resize.
    void move_to(int left, int top) {
        left_ = left;
        top_ = top;
    }

    [[nodiscard]] int resize_events() const { return resize_events_; }
    [[nodiscard]] int deepest_nesting() const { return deepest_nesting_; }
    [[nodiscard]] bool runaway() const { return runaway_; }
    void reset_counts() {
        resize_events_ = 0;
        deepest_nesting_ = 0;
        runaway_ = false;
    }

private:
    void resize_to(int width, int height);
    void raise();

    int left_ = 0;
    int top_ = 0;
    int width_;
    int height_;
    int least_height_;
    std::optional<int> least_width_;
    int nesting_ = 0;
    int resize_events_ = 0;
    int deepest_nesting_ = 0;
    bool runaway_ = false;
};

} // namespace halvora::fakes
