// Turns the pass's byte figures into the kilobyte values that the report and the log show.
#pragma once

#include <cstdint>
#include <limits>

namespace tavrisk {

struct KilobyteFigures {
    std::int32_t freed = 0;   // signed, truncated toward zero
    std::uint32_t inUse = 0;  // (total - available) >> 10, 0 when available passes total
    std::uint32_t total = 0;  // total >> 10
};

// The byte counts stay 64-bit so machines with more than 4 GB read true; a
// kilobyte value too large for its 32-bit field is held at the field's maximum.
constexpr KilobyteFigures ToKilobytes(std::int64_t freedBytes, std::uint64_t availPhys, std::uint64_t totalPhys) {
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::uint64_t kUMax = std::numeric_limits<std::uint32_t>::max();
    const std::int64_t freed = freedBytes / 1024;
    // A system may report more available than installed memory (seen under
    // emulation): then none is in use, never a difference that wrapped.
    const std::uint64_t inUse = (totalPhys - (availPhys < totalPhys ? availPhys : totalPhys)) >> 10;
    const std::uint64_t total = totalPhys >> 10;
    KilobyteFigures kb;
    kb.freed = static_cast<std::int32_t>(freed < kMin ? kMin : freed > kMax ? kMax : freed);
    kb.inUse = static_cast<std::uint32_t>(inUse > kUMax ? kUMax : inUse);
    kb.total = static_cast<std::uint32_t>(total > kUMax ? kUMax : total);
    return kb;
}

}  // namespace tavrisk
