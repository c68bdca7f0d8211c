// The yardstick for the program's own cost: a plain Qt window with the same
// widgets at the same places, the same fonts and list sizes, and a 150 ms
// timer, but no logic behind any of it.
#pragma once

#include <memory>

class QWidget;

namespace halvora::bench {

enum class Tick {
    // The timer fires and its slot does nothing.
    idle,
    // Each tick sets the clock from the system's local time and the bottom
    // label's text and colour, as the program's tick does: the same visible
    // work without the logic.
    busy,
};

// The window, sized and placed as the program's starting view; not yet shown.
// Its timer starts when it is shown.
std::unique_ptr<QWidget> make_baseline_window(Tick tick);

} // namespace halvora::bench
