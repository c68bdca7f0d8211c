// What every fuzz target shares: checks that stop the run at once, naming
// what broke, and a reader of the input as small typed values. Past the end
// every value reads as zero.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>

// The condition, as written, is the report.
#define CHECK(...) ((__VA_ARGS__) ? void() : halvora::fuzzing::broken(#__VA_ARGS__))
// The report gives both values as well.
#define CHECK_EQ(actual, wanted) halvora::fuzzing::check_equal(actual, wanted, #actual)

namespace halvora::fuzzing {

// What a broken check does. By default it stops the process at once, so that
// a fuzzer keeps the input; a runner that wants to say more puts in its own,
// which must not return.
inline void stop_at_once(const std::string& what) {
    std::fprintf(stderr, "broken: %s\n", what.c_str());
    __builtin_trap();
}
inline void (*on_broken)(const std::string& what) = &stop_at_once;

inline void broken(const std::string& what) {
    on_broken(what);
}

// A value as a check's report shows it: texts quoted, pairs, tuples, arrays
// and lists in brackets, a missing optional as "none".
template <typename T> std::string describe(const T& value) {
    if constexpr (std::is_convertible_v<const T&, std::string_view>) {
        return '"' + std::string(std::string_view(value)) + '"';
    } else if constexpr (std::is_arithmetic_v<T>) {
        return std::to_string(value);
    } else if constexpr (requires { value.has_value(); }) {
        return value ? describe(*value) : "none";
    } else if constexpr (requires { std::tuple_size<T>::value; }) {
        return std::apply(
            [](const auto&... part) {
                std::string all;
                ((all += (all.empty() ? "(" : ", ") + describe(part)), ...);
                return all.empty() ? "()" : all + ")";
            },
            value);
    } else {
        std::string all;
        for (const auto& part : value) {
            all += (all.empty() ? "[" : ", ") + describe(part);
        }
        return all.empty() ? "[]" : all + "]";
    }
}

template <typename A, typename B>
void check_equal(const A& actual, const B& wanted, const char* what) {
    if (!(actual == wanted)) {
        broken(std::string(what) + " is " + describe(actual) + ", should be " + describe(wanted));
    }
}

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
    // A byte read as one of `count` choices.
    template <typename Choice> Choice choice(int count) {
        return static_cast<Choice>(byte() % count);
    }

private:
    std::string_view data_;
};

} // namespace halvora::fuzzing
