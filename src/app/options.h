// The option grammar: /log, v=, p=, t=, r=, /? and the number reader behind v=, p= and t=.
#pragma once

#include <cstdint>
#include <optional>

namespace tavrisk {

// What the user sees and hears around the pass (p=). The option reads any
// number: a value without a name here does nothing, like None.
enum class PromptMode : std::int32_t {
    None = 0,             // nothing (the default)
    AskAndReport = 1,     // ask first; then pause, start the sound and report
    Sound = 2,            // the completion sound, played to its end
    SoundAndOpenLog = 3,  // with /log: the sound, then the log in its viewer
    OpenLog = 4,          // with /log: the log in its viewer
};

// The run's settings. `program` points into the argument vector, which lives
// as long as the process, so a long r= value is held whole and never copied.
struct RunOptions {
    // Written out rather than left to the member initialisers alone: for a set
    // of defaults that holds a pointer, the compiler would otherwise copy the
    // record from a template that mingw keeps in writable data.
    RunOptions() : program("") {}

    std::int32_t cleanMode = 1;
    PromptMode promptMode = PromptMode::None;
    std::int32_t memoryLoadThreshold = 0;  // t=, in percent; 0 or less: always clean
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

// Whether a run with memory-load threshold `threshold` (t=, in percent) cleans
// when the system reports `load` percent of its physical memory in use: only a
// load below a positive threshold leaves memory alone. Without a threshold, or
// when the load could not be read, the run cleans.
constexpr bool ShouldClean(std::int32_t threshold, std::optional<std::uint32_t> load) {
    return threshold <= 0 || !load || *load >= static_cast<std::uint32_t>(threshold);
}

// Examines arguments 1 to argc - 1 from left to right into `options`.
ParseResult ParseOptions(int argc, const char* const* argv, RunOptions& options);

}  // namespace tavrisk
