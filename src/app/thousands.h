// Writes a number with thousands separators: 1234567 as "1,234,567".
#pragma once

#include <cstdint>
#include <span>

namespace tavrisk {

// The widest result, "-2,147,483,648", needs 15 bytes with its terminating zero.
inline constexpr std::size_t kThousandsBytes = 20;

// A negative value keeps its minus sign in front of the digits ("-1,234").
// Nothing is written past `out`.
void FormatThousands(std::int32_t value, std::span<char> out);

}  // namespace tavrisk
