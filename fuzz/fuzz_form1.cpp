// The whole main window on the fake platform, driven by any sequence of the
// events a user, the toolkit and the clock can send (window/event.h), each
// checked as window/session.h says. Its seeds are the scenario scripts of
// scenarios/, written out as inputs by the build.
#include "window/session.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    halvora::fuzzing::ByteReader in({reinterpret_cast<const char*>(data), size});
    halvora::window_events::WindowSession session(in);
    while (!in.empty()) {
        session.step(in);
    }
    return 0;
}
