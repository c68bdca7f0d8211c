#include <halvora/platform/fakes/window_frame.h>

#include <algorithm>

namespace halvora::fakes {

void FakeWindowFrame::resize_to(int width, int height) {
    const int taken_width = std::max({width, least_width_.value_or(0), 0});
    const int taken_height = std::max({height, least_height_, 0});
    if (taken_width == width_ && taken_height == height_) {
        return;
    }
    width_ = taken_width;
    height_ = taken_height;
    raise();
}

void FakeWindowFrame::raise() {
    ++resize_events_;
    ++nesting_;
    deepest_nesting_ = std::max(deepest_nesting_, nesting_);
    if (nesting_ > nesting_limit) {
        runaway_ = true;
    } else {
        raise_resize();
    }
    --nesting_;
}

} // namespace halvora::fakes
