// What the fuzz targets share: reading an input as a row of fields, and stopping on a broken property.
//
// An input is read front to back: fixed-size little-endian fields, then texts with a 16-bit length before them.
// Bytes missing at the end read as zeros, so every input, however short, is a complete case. tests/fuzz/make_seeds.py
// writes the seed inputs in the same layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return static_cast<std::uint8_t>(Unsigned(1)); }
    bool Flag() { return (Byte() & 1) != 0; }
    std::uint16_t Uint16() { return static_cast<std::uint16_t>(Unsigned(2)); }
    std::int32_t Int32() { return static_cast<std::int32_t>(static_cast<std::uint32_t>(Unsigned(4))); }
    // Any double, not-a-number and the infinities included: the eight bytes as they are.
    double Double() {
        const std::uint64_t bits = Unsigned(8);
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    // A 16-bit length, then at most that many of the bytes that follow.
    std::string_view Text() { return Take(Uint16()); }
    std::string_view Rest() { return Take(size_ - offset_); }
    bool Empty() const { return offset_ >= size_; }

  private:
    std::uint64_t Unsigned(std::size_t bytes) {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < bytes; ++i) {
            const std::uint64_t byte = offset_ < size_ ? data_[offset_++] : 0;
            value |= byte << (8 * i);
        }
        return value;
    }
    std::string_view Take(std::size_t wanted) {
        const std::size_t n = wanted < size_ - offset_ ? wanted : size_ - offset_;
        const std::string_view piece(reinterpret_cast<const char*>(data_) + offset_, n);
        offset_ += n;
        return piece;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t offset_ = 0;
};

// An integer of [low, high] from any 32-bit value, so that most inputs land inside a domain as well as outside it.
inline std::int64_t FoldInto(std::int32_t raw, std::int64_t low, std::int64_t high) {
    const std::int64_t span = high - low + 1;
    std::int64_t r = static_cast<std::int64_t>(raw) % span;
    if (r < 0) {
        r += span;
    }
    return low + r;
}

// Stops the run as a finding: libFuzzer saves the input, the replay test fails.
[[noreturn]] inline void FuzzFailure(const char* file, int line, const char* condition, const std::string& detail) {
    std::fprintf(stderr, "%s:%d: property broken: %s\n  %s\n", file, line, condition, detail.c_str());
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                              \
    do {                                                           \
        if (!(condition)) {                                        \
            FuzzFailure(__FILE__, __LINE__, #condition, (detail)); \
        }                                                          \
    } while (false)
