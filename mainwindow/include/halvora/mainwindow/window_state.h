// The values of the window's state that more than the window itself names:
// the view modes as `nezet` holds them, and the pace of Timer1.
#pragma once

#include <string_view>

namespace halvora {

inline constexpr std::string_view mode_mini = "mini";
inline constexpr std::string_view mode_cimsor = "cimsor";
inline constexpr std::string_view mode_teljes = "teljes";

inline constexpr int timer_interval_ms = 150;

} // namespace halvora
