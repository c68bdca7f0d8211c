// A broken invariant stops the fuzzer at once, naming what broke.
#pragma once

#include <cstdio>

namespace halvora::fuzzing {

inline void check(bool holds, const char* invariant) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        __builtin_trap();
    }
}

} // namespace halvora::fuzzing
