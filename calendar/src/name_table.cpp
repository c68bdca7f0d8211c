#include "name_table.h"

#include <algorithm>

namespace halvora {
namespace {

constexpr bool byte_order(const detail::NameEntry& a, const detail::NameEntry& b) {
    return a.name < b.name;
}

// The binary search below relies on this; a hand edit that breaks the order or
// repeats a name must not build.
static_assert(std::is_sorted(detail::name_table.begin(), detail::name_table.end(), byte_order));
static_assert(std::adjacent_find(detail::name_table.begin(), detail::name_table.end(),
                                 [](const auto& a, const auto& b) { return a.name == b.name; }) ==
              detail::name_table.end());

} // namespace

std::string_view nevszerint(std::string_view name) {
    const auto found = std::lower_bound(
        detail::name_table.begin(), detail::name_table.end(), name,
        [](const detail::NameEntry& entry, std::string_view key) { return entry.name < key; });
    if (found == detail::name_table.end() || found->name != name) {
        return nevbaj;
    }
    return found->dates;
}

} // namespace halvora
