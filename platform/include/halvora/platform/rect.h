// A window's or a control's place and size in twips (1/1440 inch); a control's
// place counts from the corner of its container's client area.
#pragma once

namespace halvora {

struct Rect {
    int left;
    int top;
    int width;
    int height;
};

} // namespace halvora
