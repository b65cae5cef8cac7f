// Start-to-exit time of whole programs, interleaved run by run: tavrisk.exe v=0 and v=9
// against yardsticks that commit, touch and release the same bytes, and an empty program.
// Usage: start_bench RUNS TAVRISK.EXE [OTHER-TAVRISK.EXE]   (Windows paths; the yardsticks
// and the empty program are the ones built beside this program)
// Prints two Markdown tables: each program's median, minimum and maximum start-to-exit time
// and median peak working set; then the start and pass ratios beside their targets.
// Exits 1 when any run could not start or ended with an exit code other than 0.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "timing.h"

namespace {

struct Program {
    Program(std::string label, std::string commandLine)
        : label(std::move(label)), commandLine(std::move(commandLine)) {}
    std::string label;
    std::string commandLine;
    std::vector<double> milliseconds;  // timed runs that exited 0
    std::vector<double> peakKb;        // sampled runs that exited 0
    int runs = 0;                      // every start, the untimed first round included
    int failures = 0;
    std::string lastFailure;
};

struct Build {
    std::string label;  // "tavrisk" or "other tavrisk"
    size_t v0, v9;      // indices into the program list
};

bool Start(Program& program, PROCESS_INFORMATION& info) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string line = program.commandLine;
    ++program.runs;
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return true;
    ++program.failures;
    program.lastFailure = "could not start (error " + std::to_string(GetLastError()) + ")";
    return false;
}

// Closes the handles of an ended process; true when it exited 0.
bool Finish(Program& program, const PROCESS_INFORMATION& info) {
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    if (code == 0) return true;
    ++program.failures;
    char text[40];
    std::snprintf(text, sizeof text, "exit code 0x%lX", static_cast<unsigned long>(code));
    program.lastFailure = text;
    return false;
}

// Start to exit, nothing else running in this process meanwhile.
void TimeOnce(Program& program) {
    PROCESS_INFORMATION info = {};
    const double start = Now();
    if (!Start(program, info)) return;
    WaitForSingleObject(info.hProcess, INFINITE);
    const double elapsed = Now() - start;
    if (Finish(program, info)) program.milliseconds.push_back(elapsed);
}

// Wine forgets an ended process's counters, so the peak is sampled while it runs:
// the last reading before the exit, which a peak never falls back from. The polling
// would slow the program down, so these runs are not the timed ones.
void PeakOnce(Program& program) {
    PROCESS_INFORMATION info = {};
    if (!Start(program, info)) return;
    SIZE_T peak = 0;
    do {
        PROCESS_MEMORY_COUNTERS counters = {};
        counters.cb = sizeof counters;
        if (GetProcessMemoryInfo(info.hProcess, &counters, sizeof counters))
            peak = std::max(peak, counters.PeakWorkingSetSize);
    } while (WaitForSingleObject(info.hProcess, 1) == WAIT_TIMEOUT);
    if (Finish(program, info)) program.peakKb.push_back(static_cast<double>(peak) / 1024.0);
}

// Every program once per run; the starting program moves on by one each run, so that
// no program always follows the same one (say, always the run that just released 255 MB).
template <typename Measure>
void Interleave(std::vector<Program>& programs, int runs, Measure measure) {
    for (int run = 0; run < runs; ++run)
        for (size_t k = 0; k < programs.size(); ++k) measure(programs[(run + k) % programs.size()]);
}

double MedianOr(const std::vector<double>& values) { return values.empty() ? NAN : Median(values); }

std::string Figure(double value, const char* format) {
    if (std::isnan(value)) return "n/a";
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string BesideThisProgram(const char* name) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string self(path, std::min<DWORD>(length, MAX_PATH));
    return self.substr(0, self.find_last_of('\\') + 1) + name;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: start_bench RUNS TAVRISK.EXE [OTHER-TAVRISK.EXE]\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));

    enum : size_t { kEmpty, kTouch24, kTouch255 };
    std::vector<Program> programs = {
        {"empty program", Quoted(BesideThisProgram("empty_program.exe"))},
        {"yardstick 24 MB", Quoted(BesideThisProgram("touch_reference_v0.exe"))},
        {"yardstick 255 MB", Quoted(BesideThisProgram("touch_reference_v9.exe"))},
    };
    std::vector<Build> builds;
    for (int i = 2; i < argc; ++i) {
        const std::string label = i == 2 ? "tavrisk" : "other tavrisk";
        builds.push_back({label, programs.size(), programs.size() + 1});
        programs.push_back({label + " v=0", Quoted(argv[i]) + " v=0"});
        programs.push_back({label + " v=9", Quoted(argv[i]) + " v=9"});
    }

    // One round untimed: the first start of each file reads it from disk.
    Interleave(programs, 1, [](Program& program) {
        PROCESS_INFORMATION info = {};
        if (Start(program, info)) {
            WaitForSingleObject(info.hProcess, INFINITE);
            Finish(program, info);
        }
    });
    Interleave(programs, runs, TimeOnce);
    Interleave(programs, runs, PeakOnce);

    std::printf("| program | median (ms) | min (ms) | max (ms) | peak working set, median (KB) |\n");
    std::printf("|---|---|---|---|---|\n");
    std::vector<size_t> order = {kEmpty, kTouch24};
    for (const Build& build : builds) order.push_back(build.v0);
    order.push_back(kTouch255);
    for (const Build& build : builds) order.push_back(build.v9);
    for (size_t index : order) {
        const Program& program = programs[index];
        const auto& ms = program.milliseconds;
        const bool any = !ms.empty();
        std::printf("| %s | %s | %s | %s | %s |\n", program.label.c_str(), Figure(MedianOr(ms), "%.1f").c_str(),
                    Figure(any ? *std::min_element(ms.begin(), ms.end()) : NAN, "%.1f").c_str(),
                    Figure(any ? *std::max_element(ms.begin(), ms.end()) : NAN, "%.1f").c_str(),
                    Figure(MedianOr(program.peakKb), "%.0f").c_str());
    }

    const double empty = MedianOr(programs[kEmpty].milliseconds);
    const double touch24 = MedianOr(programs[kTouch24].milliseconds);
    const double touch255 = MedianOr(programs[kTouch255].milliseconds);
    std::string header = "| ratio of medians |", rule = "|---|", start = "| start: v=0 / yardstick 24 MB |",
                pass = "| pass: (v=9 - empty) / (yardstick 255 MB - empty) |";
    for (const Build& build : builds) {
        header += " " + build.label + " |";
        rule += "---|";
        start += " " + Figure(MedianOr(programs[build.v0].milliseconds) / touch24, "%.2f") + " |";
        pass += " " + Figure((MedianOr(programs[build.v9].milliseconds) - empty) / (touch255 - empty), "%.2f") + " |";
    }
    std::printf("\n%s target |\n%s---|\n%s at most 1.15 |\n%s at most 1.05 |\n", header.c_str(), rule.c_str(),
                start.c_str(), pass.c_str());
    std::printf("\nThe targets are for an otherwise idle machine; they are reported here, not checked.\n");

    bool allExitedZero = true;
    for (const Program& program : programs) {
        if (program.failures == 0) continue;
        allExitedZero = false;
        std::printf(
            "\n**%s: %d of its %d starts (warm-up, timed and sampled) failed and are left out of the "
            "figures; the last: %s.**\n",
            program.label.c_str(), program.failures, program.runs, program.lastFailure.c_str());
    }
    return allExitedZero ? 0 : 1;
}
