// The splitting rules, one table row per command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"

namespace {

std::vector<std::string> Split(const std::string& line) {
    const auto need = tavrisk::SplitCommandLine(line, {}, {});
    EXPECT_LE(need.textBytes, line.size() + 1);
    std::vector<char> text(need.textBytes);
    std::vector<const char*> args(need.arguments);
    const auto got = tavrisk::SplitCommandLine(line, text, args);
    EXPECT_EQ(got.arguments, need.arguments);
    EXPECT_EQ(got.textBytes, need.textBytes);
    return {args.begin(), args.end()};
}

struct Row {
    const char* line;
    std::vector<std::string> expected;
};

TEST(SplitCommandLine, FollowsTheQuotingRules) {
    const Row rows[] = {
        {"tavrisk", {}},
        {"tavrisk      ", {}},
        {"tavrisk \t\n\r\v\f ", {}},
        {"tavrisk v=1 p=2", {"v=1", "p=2"}},
        {"tavrisk\tv=1\t\t /log  ", {"v=1", "/log"}},
        {"\"C:\\Program Files\\tavrisk.exe\" v=1", {"v=1"}},
        {"\"C:\\unterminated program v=1", {}},
        {"\"C:\\a.exe\"v=1", {"v=1"}},
        {"C:\\tavrisk.exe\nv=1", {"v=1"}},
        {"x r=\"D:\\My Tools\\app.exe\" v=2", {"r=D:\\My Tools\\app.exe", "v=2"}},
        {"x \"ab\"cd", {"ab", "cd"}},
        {"x \"\"", {""}},
        {"x \"\" \"\"", {"", ""}},
        {"x \"\"\"\"", {"", ""}},
        {"x \"a b\"\"c d\"", {"a b", "c d"}},
        {"x r=\"D:\\Tools\\\" v=3", {"r=D:\\Tools\" v=3"}},
        {"x a\\\\\"b c\"", {"a\\\"b", "c"}},
        {"x \\\"quoted\\\" next", {"\"quoted\"", "next"}},
        {"x \"say \\\"hi\\\" there\" z", {"say \"hi\" there", "z"}},
        {"x C:\\dir\\\\sub\\ y", {"C:\\dir\\\\sub\\", "y"}},
        {"x a\"b c\"d e", {"ab cd", "e"}},
        {"x a\"open to the end", {"aopen to the end"}},
        {"x \"open to the end", {"open to the end"}},
        {"x a\nb c\rd", {"a\nb", "c\rd"}},
        {"x a\vb\fc", {"a\vb\fc"}},
        {"x \\", {"\\"}},
        {"x \\\"", {"\""}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(Split(row.line), row.expected);
    }
}

TEST(SplitCommandLine, NeverWritesPastShortDestinations) {
    const std::string line = "prog alpha \"beta gamma\" delta";
    char text[8];
    const char* args[2] = {};
    const auto counts = tavrisk::SplitCommandLine(line, text, args);
    EXPECT_EQ(counts.arguments, 3u);
    EXPECT_EQ(counts.textBytes, std::string("alpha").size() + 1 + 11 + 6);
    EXPECT_STREQ(args[0], "alpha");
}

}  // namespace
