// Reads a fuzzer's input front to back as small typed values, so that a seed
// can be written by hand. Past the end every value reads as zero.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace halvora::fuzzing {

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size)
        : data_(data)
        , size_(size) {}

    [[nodiscard]] bool empty() const { return position_ >= size_; }

    std::uint8_t byte() { return empty() ? 0 : data_[position_++]; }

    std::uint16_t u16() {
        const auto low = byte();
        return static_cast<std::uint16_t>(low | byte() << 8);
    }

    std::uint32_t u32() {
        const std::uint32_t low = u16();
        return low | static_cast<std::uint32_t>(u16()) << 16;
    }

    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }

    // Any bit pattern, NaNs and infinities included.
    double f64() {
        const std::uint64_t low = u32();
        return std::bit_cast<double>(low | static_cast<std::uint64_t>(u32()) << 32);
    }

    // A length byte, then that many bytes (fewer if the input ends first).
    std::string_view text() {
        const std::size_t wanted = byte();
        const std::size_t length = std::min(wanted, size_ - std::min(position_, size_));
        const std::string_view piece(reinterpret_cast<const char*>(data_) + position_, length);
        position_ += length;
        return piece;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

} // namespace halvora::fuzzing
