// The name lookup on any text: it finds exactly the names the name list
// offers, whatever bytes come in.
#include "check.h"

#include <halvora/calendar.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

using halvora::fuzzing::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view name(reinterpret_cast<const char*>(data), size);
    const std::string_view outcome = halvora::nevszerint(name);
    const bool listed = std::find(halvora::name_list.begin(), halvora::name_list.end(), name) !=
                        halvora::name_list.end();
    check((outcome != halvora::nevbaj) == listed, "found exactly when listed");
    if (listed) {
        // A date text such as " február 9.": never empty, a full stop at the end.
        check(outcome.size() > 2 && outcome.back() == '.', "a found name has a date text");
    }
    return 0;
}
