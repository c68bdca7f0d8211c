// What a scenario can expect of the window after an event, each by its name
// and shown as text:
//
//   caption        the window's caption
//   today          the today panel's labels in the order they stand, trimmed,
//                  between " | ": "2026. | december | 5. | Szombat | 07:05 | Vilma napja"
//   title          the running title's text (blanks kept: use quotes)
//   title colour   its colour, "0, 0, 255"
//   mode           Csak címsor, Normál or Keresés; none before the load
//   size, place    the frame's outer size, "6000 x 900", and corner, "6600, 0"
//   search         by date, or by name: which option button is on
//   month list, day list, name list    the lists' texts
//   day list length                    how many days the day list offers
//   date answer, name answer           the two searches' results
//   about box      closed, or "open at 7260, 640"
//   asked          what the event asked of the system, between " | ", or nothing
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace halvora::window_events {

class WindowSession;

// Nothing for a name that names nothing to observe.
[[nodiscard]] std::optional<std::string> observe(const WindowSession& session,
                                                 std::string_view what);

} // namespace halvora::window_events
