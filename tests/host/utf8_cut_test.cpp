// Where a UTF-8 text cut by a byte count ends: between characters, never inside one.
#include <gtest/gtest.h>

#include <string>

#include "runtime/utf8_cut.h"

namespace {

TEST(CompleteUtf8Length, DropsOnlyACharacterCutInTheMiddle) {
    const std::string kept = "ab\u00e9\u65e5\U0001F9F9";  // 1, 2, 3 and 4 bytes
    const struct {
        std::string text;
        std::size_t length;
    } rows[] = {
        {"", 0},          {kept, kept.size()}, {"\uFFFD", 3},  // a replacement character is a whole character
        {"a\xC3", 1},     {"a\xE6\x97", 1},    {"a\xE6", 1},    {"a\xF0\x9F\xA7", 1},
        {"a\xF0\x9F", 1}, {"a\xF0", 1},        {"\xE6\x97", 0}, {kept + "\xF0\x9F\xA7", kept.size()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.text));
        EXPECT_EQ(tavrisk::CompleteUtf8Length(row.text), row.length);
    }
}

}  // namespace
