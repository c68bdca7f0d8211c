// Start-up as the user sees it ends with the window's first frame. The window
// given here reports that moment to whoever started the process, then the
// process ends: one line on standard output,
//   first-paint <CLOCK_MONOTONIC in ns> <peak resident set in KiB>
// The starting process takes the same clock just before it starts us.
#pragma once

class QWidget;

namespace halvora::bench {

void report_first_paint(QWidget& window);

} // namespace halvora::bench
