// Splits a process command line into an argument vector by the program's own quoting rules.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace tavrisk {

// What a split produced, or would produce when the destinations are too small.
struct SplitCounts {
    std::size_t arguments = 0;  // arguments after the program name
    std::size_t textBytes = 0;  // their characters, each with its terminating zero
};

// Skips the program name and the blanks after it, then splits the rest into
// arguments. Each argument is written zero-terminated into `text` and its start
// stored in `arguments`; nothing is written past either span. The counts are
// those of the whole line, so a first call with empty spans measures it.
// A line of n characters never needs more than n + 1 bytes of text or n
// argument slots.
SplitCounts SplitCommandLine(std::string_view line, std::span<char> text, std::span<const char*> arguments);

}  // namespace tavrisk
