// White space as the command line's start and the number reader see it (no Win32).
#pragma once

namespace tavrisk {

// Tab, line feed, vertical tab, form feed, carriage return and space. Only space
// and tab separate arguments; the splitting has its own rule for that.
constexpr bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace tavrisk
