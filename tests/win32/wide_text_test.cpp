// The program's UTF-8/UTF-16 conversion (kernel32's, through ToUtf8 and ToUtf16) at the edges a
// command line or a path can reach.
#include <gtest/gtest.h>

#include <string>

#include "runtime/wide_text.h"

namespace {

std::string ToUtf8(const std::wstring& wide) {
    const int bytes = tavrisk::ToUtf8(wide.c_str(), nullptr, 0);
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    EXPECT_EQ(tavrisk::ToUtf8(wide.c_str(), utf8.data(), bytes), bytes);
    utf8.resize(utf8.empty() ? 0 : utf8.size() - 1);
    return utf8;
}

std::wstring ToUtf16(const std::string& utf8) {
    const int units = tavrisk::ToUtf16(utf8.c_str(), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    EXPECT_EQ(tavrisk::ToUtf16(utf8.c_str(), wide.data(), units), units);
    wide.resize(wide.empty() ? 0 : wide.size() - 1);
    return wide;
}

TEST(WideText, EmptyLongestAndMalformedTextsConvert) {
    // An empty command line is one terminating zero, not a failure.
    EXPECT_EQ(tavrisk::ToUtf8(L"", nullptr, 0), 1);
    EXPECT_EQ(ToUtf8(L""), "");
    EXPECT_EQ(ToUtf16(""), L"");

    // The longest line CreateProcessW takes: 32,766 units and the zero, in
    // characters of one, two (a surrogate pair) and three UTF-8 bytes.
    std::wstring longest;
    while (longest.size() + 3 <= 32766) longest += L"\u65e5\U0001F9F9";
    longest += std::wstring(32766 - longest.size(), L'a');
    ASSERT_EQ(longest.size(), 32766u);
    const std::string utf8 = ToUtf8(longest);
    EXPECT_EQ(utf8.size(), 10922u * 7);
    EXPECT_EQ(ToUtf16(utf8), longest);

    // Unpaired surrogates (CreateProcessW passes them on) become U+FFFD; the
    // rest of the text is kept.
    EXPECT_EQ(ToUtf8(L"a\xD800"
                     L"b\xDC00"),
              "a\uFFFD"
              "b\uFFFD");

    // Too small a buffer is a failure, never a write past it.
    char four[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(tavrisk::ToUtf8(L"\u65e5\u65e5", four, 3), 0);
    wchar_t two[2];
    EXPECT_EQ(tavrisk::ToUtf16("abc", two, 2), 0);
}

}  // namespace
