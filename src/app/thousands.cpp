// FormatThousands: decimal digits copied from the right, a comma after every third.
#include "app/thousands.h"

#include "runtime/text_buffer.h"

namespace tavrisk {

void FormatThousands(std::int32_t value, std::span<char> out) {
    char scratch[32];
    TextBuffer decimal(scratch);
    decimal.AppendUnsigned(value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value));
    const std::string_view digits = decimal.View();

    // Built backwards from the last digit, then reversed into place.
    char reversed[32];
    std::size_t length = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && i % 3 == 0) reversed[length++] = ',';
        reversed[length++] = digits[digits.size() - 1 - i];
    }
    if (value < 0) reversed[length++] = '-';

    TextBuffer text(out);
    while (length > 0) text.AppendChar(reversed[--length]);
}

}  // namespace tavrisk
