// A position worked out in a wider type (moved by an offset, centred across a
// screen, turned from pixels into twips) may lie beyond int's range; it then
// stops at the edge of the range instead of wrapping around.
#pragma once

#include <algorithm>
#include <limits>

namespace halvora {

constexpr int clamp_to_int(long long value) {
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

} // namespace halvora
