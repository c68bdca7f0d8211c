// What every fuzz target shares: a check that stops the run at once, naming
// what broke, and a reader of the input as small typed values, so that a seed
// can be written by hand. Past the end every value reads as zero.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <string_view>

#define CHECK(...)                                                                                 \
    ((__VA_ARGS__) ? void()                                                                        \
                   : (std::fprintf(stderr, "broken: %s\n", #__VA_ARGS__), __builtin_trap()))

namespace halvora::fuzzing {

class ByteReader {
public:
    explicit ByteReader(std::string_view data)
        : data_(data) {}
    [[nodiscard]] bool empty() const { return data_.empty(); }
    std::string_view take(std::size_t count) {
        const std::string_view piece = data_.substr(0, count);
        data_.remove_prefix(piece.size());
        return piece;
    }
    // A length byte, then that many bytes (fewer if the input ends first).
    std::string_view text() { return take(value<std::uint8_t>()); }
    // In the machine's byte order; a double may be any bit pattern, NaNs and
    // infinities included.
    template <typename T> T value() {
        std::array<char, sizeof(T)> bytes{};
        std::ranges::copy(take(sizeof(T)), bytes.begin());
        return std::bit_cast<T>(bytes);
    }
    std::uint8_t byte() { return value<std::uint8_t>(); }

private:
    std::string_view data_;
};

} // namespace halvora::fuzzing
