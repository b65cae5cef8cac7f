// Where a UTF-8 text cut short by a byte count must end so that it ends between characters.
#pragma once

#include <cstddef>
#include <string_view>

namespace tavrisk {

// The length of `text` without a last character that was cut in the middle: a
// lead byte near the end whose sequence runs past it goes, with the continuation
// bytes that follow it. A whole text, ASCII or not, keeps its length.
constexpr std::size_t CompleteUtf8Length(std::string_view text) {
    // A character has at most four bytes: its lead byte is among the last four.
    for (std::size_t back = 1; back <= 4 && back <= text.size(); ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
        const std::size_t needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return needed > back ? text.size() - back : text.size();
    }
    return text.size();
}

}  // namespace tavrisk
