// Option grammar: only the first one or two characters of an argument decide what it is.
#include "app/options.h"

#include "app/white_space.h"

namespace tavrisk {
namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(const char* text, const char* lowerWord) {
    for (; *lowerWord != '\0'; ++text, ++lowerWord) {
        if (AsciiLower(*text) != *lowerWord) return false;
    }
    return *text == '\0';
}

}  // namespace

std::int32_t ParseOptionNumber(const char* text) {
    while (IsWhiteSpace(*text)) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') {
        negative = *text == '-';
        ++text;
    }
    std::uint32_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) value = value * 10u + static_cast<std::uint32_t>(*text - '0');
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

std::int32_t ClampCleanMode(std::int32_t cleanMode) {
    return static_cast<std::uint32_t>(cleanMode) > 9u ? 9 : cleanMode;
}

ParseResult ParseOptions(int argc, const char* const* argv, RunOptions& options) {
    if (argc < 2) return {ParseOutcome::ShowAbout, nullptr};

    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const unsigned char first = static_cast<unsigned char>(arg[0]);
        const char second = first != 0 ? arg[1] : '\0';
        switch (first) {
        case '/':
        case '-':
            if (second == '?') return {ParseOutcome::ShowAbout, nullptr};
            if (EqualsIgnoringCase(arg + 1, "log")) options.logEnabled = true;
            break;
        case 'v':
        case 'V':
            if (second == '=') options.cleanMode = ParseOptionNumber(arg + 2);
            break;
        case 'p':
        case 'P':
            if (second == '=') options.promptMode = static_cast<PromptMode>(ParseOptionNumber(arg + 2));
            break;
        case 't':
        case 'T':
            if (second == '=') options.memoryLoadThreshold = ParseOptionNumber(arg + 2);
            break;
        case 'r':
        case 'R':
            if (second == '=') options.program = arg + 2;
            break;
        default:
            return {ParseOutcome::CommandLineError, arg};
        }
    }
    return {ParseOutcome::Run, nullptr};
}

}  // namespace tavrisk
