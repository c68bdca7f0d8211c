// The name lookup on any text: it finds exactly the names the name list
// offers, each with a date text such as " február 9.", whatever bytes come in.
#include "fuzz.h"

#include <halvora/calendar.h>

#include <algorithm>
#include <cstdint>

using namespace halvora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view name(reinterpret_cast<const char*>(data), size);
    const std::string_view dates = nevszerint(name);
    const bool listed = std::find(name_list.begin(), name_list.end(), name) != name_list.end();
    CHECK(listed ? dates.size() > 2 && dates.back() == '.' : dates == nevbaj);
    return 0;
}
