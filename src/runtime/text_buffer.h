// A bounded text writer over a caller's buffer: never writes past it, always zero-terminated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tavrisk {

class TextBuffer {
public:
    explicit TextBuffer(std::span<char> out) : out_(out) { Terminate(); }

    TextBuffer& Append(std::string_view text) {
        for (char c : text) AppendChar(c);
        return *this;
    }
    TextBuffer& AppendChar(char c) {
        if (length_ + 1 < out_.size()) {
            out_[length_++] = c;
            Terminate();
        } else {
            overflow_ = true;
        }
        return *this;
    }
    TextBuffer& AppendRepeated(char c, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) AppendChar(c);
        return *this;
    }
    // Decimal, right-aligned in `width` columns. With '0' as the fill the sign
    // comes before the zeros ("-07"), with ' ' before the digits ("     -7").
    // 32-bit on purpose: 64-bit division would pull in the compiler's helpers.
    TextBuffer& AppendSigned(std::int32_t value, int width = 0, char fill = ' ') {
        const bool negative = value < 0;
        const std::uint32_t magnitude =
            negative ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
        return AppendNumber(negative, magnitude, width, fill);
    }
    TextBuffer& AppendUnsigned(std::uint32_t value, int width = 0, char fill = ' ') {
        return AppendNumber(false, value, width, fill);
    }

    std::string_view View() const { return {out_.data(), length_}; }
    bool Overflowed() const { return overflow_; }

private:
    TextBuffer& AppendNumber(bool negative, std::uint32_t magnitude, int width, char fill) {
        char digits[10];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        const int used = count + (negative ? 1 : 0);
        if (negative && fill == '0') AppendChar('-');
        for (int pad = used; pad < width; ++pad) AppendChar(fill);
        if (negative && fill != '0') AppendChar('-');
        while (count > 0) AppendChar(digits[--count]);
        return *this;
    }
    void Terminate() {
        if (!out_.empty()) out_[length_] = '\0';
    }

    std::span<char> out_;
    std::size_t length_ = 0;
    bool overflow_ = false;
};

}  // namespace tavrisk
