// The real program's first frame seen from outside, on an X server: from its
// start to the first drawing into a window it created, and to that window's
// mapping. Needs nothing of the program.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace halvora::bench {

struct XStartup {
    std::int64_t mapped_ns = 0;
    std::int64_t painted_ns = 0;
    long peak_rss_kib = 0;
};

// Runs `command` (null-terminated) on the display of DISPLAY, ends it after its
// first frame and returns the times from its start; nothing when there is no
// display, the server lacks the DAMAGE extension, or no frame came in time.
std::optional<XStartup> x_first_paint(const std::vector<char*>& command, int timeout_ms);

} // namespace halvora::bench
