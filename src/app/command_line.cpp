// Command-line splitting: quoted stretches, \" for a literal quote, blanks as separators.
#include "app/command_line.h"

#include "app/white_space.h"

namespace tavrisk {
namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t'; }

std::size_t SkipProgramName(std::string_view line) {
    std::size_t i = 0;
    if (!line.empty() && line[0] == '"') {
        i = line.find('"', 1);
        return i == std::string_view::npos ? line.size() : i + 1;
    }
    while (i < line.size() && !IsWhiteSpace(line[i])) ++i;
    return i;
}

// Writes into the caller's spans while they have room and counts regardless.
class Output {
public:
    Output(std::span<char> text, std::span<const char*> arguments) : text_(text), arguments_(arguments) {}

    void BeginArgument() {
        if (counts_.arguments < arguments_.size() && counts_.textBytes < text_.size())
            arguments_[counts_.arguments] = text_.data() + counts_.textBytes;
        ++counts_.arguments;
    }
    void Put(char c) {
        if (counts_.textBytes < text_.size()) text_[counts_.textBytes] = c;
        ++counts_.textBytes;
    }
    void EndArgument() { Put('\0'); }
    SplitCounts Counts() const { return counts_; }

private:
    std::span<char> text_;
    std::span<const char*> arguments_;
    SplitCounts counts_;
};

}  // namespace

SplitCounts SplitCommandLine(std::string_view line, std::span<char> text, std::span<const char*> arguments) {
    Output out(text, arguments);
    std::size_t i = SkipProgramName(line);
    while (i < line.size() && IsWhiteSpace(line[i])) ++i;

    while (i < line.size()) {
        if (IsSeparator(line[i])) {
            ++i;
            continue;
        }
        out.BeginArgument();
        if (line[i] == '"') {
            // A quoted argument: ends at the next unescaped quote; the next
            // character starts a new argument even without a separator.
            for (++i; i < line.size(); ++i) {
                if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == '"') {
                    out.Put('"');
                    ++i;
                } else if (line[i] == '"') {
                    ++i;
                    break;
                } else {
                    out.Put(line[i]);
                }
            }
        } else {
            bool quoted = false;
            for (; i < line.size(); ++i) {
                const char c = line[i];
                if (c == '\\' && i + 1 < line.size() && line[i + 1] == '"') {
                    out.Put('"');
                    ++i;
                } else if (c == '"') {
                    quoted = !quoted;
                } else if (!quoted && IsSeparator(c)) {
                    break;
                } else {
                    out.Put(c);
                }
            }
        }
        out.EndArgument();
    }
    return out.Counts();
}

}  // namespace tavrisk
