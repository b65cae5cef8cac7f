// The option grammar: /log, v=, p=, r=, /? and the number reader behind v= and p=.
#pragma once

#include <cstdint>

namespace tavrisk {

// The run's settings. `program` points into the argument vector, which lives
// as long as the process, so a long r= value is held whole and never copied.
struct RunOptions {
    // Written out rather than left to the member initialisers alone: for a set
    // of defaults that holds a pointer, the compiler would otherwise copy the
    // record from a template that mingw keeps in writable data.
    RunOptions() : program("") {}

    std::int32_t cleanMode = 1;
    std::int32_t promptMode = 0;
    bool logEnabled = false;
    const char* program;
};

enum class ParseOutcome {
    Run,               // every argument accepted: run one cleanup
    ShowAbout,         // no arguments, or /? or -?
    CommandLineError,  // `badArgument` fits no option
};

struct ParseResult {
    ParseOutcome outcome = ParseOutcome::Run;
    const char* badArgument = nullptr;
};

// Reads optional white space, one optional sign and decimal digits, wrapping
// around in 32 bits; stops at the first other character. Never fails.
std::int32_t ParseOptionNumber(const char* text);

// Modes above 9, compared unsigned (so every negative one too), become 9.
std::int32_t ClampCleanMode(std::int32_t cleanMode);

// Examines arguments 1 to argc - 1 from left to right into `options`.
ParseResult ParseOptions(int argc, const char* const* argv, RunOptions& options);

}  // namespace tavrisk
