// Start-to-exit time and peak working set of whole programs, interleaved run by run.
// Usage: start_bench RUNS "LABEL|PROGRAM COMMAND LINE" ...
// Prints one table row per program: median start-to-exit time and median peak working set.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "timing.h"

namespace {

struct Program {
    std::string label;
    std::string commandLine;
    std::vector<double> milliseconds;
    std::vector<double> peakKb;
};

bool Start(const std::string& commandLine, PROCESS_INFORMATION& info) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string line = commandLine;
    return CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
}

// Start to exit, nothing else running in this process meanwhile.
double TimeOnce(const std::string& commandLine) {
    PROCESS_INFORMATION info = {};
    const double start = Now();
    if (!Start(commandLine, info)) return -1;
    WaitForSingleObject(info.hProcess, INFINITE);
    const double elapsed = Now() - start;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return elapsed;
}

// Wine forgets an ended process's counters, so the peak is sampled while it runs:
// the last reading before the exit, which a peak never falls back from.
double PeakOnce(const std::string& commandLine) {
    PROCESS_INFORMATION info = {};
    if (!Start(commandLine, info)) return -1;
    SIZE_T peak = 0;
    do {
        PROCESS_MEMORY_COUNTERS counters = {};
        counters.cb = sizeof counters;
        if (GetProcessMemoryInfo(info.hProcess, &counters, sizeof counters))
            peak = std::max(peak, counters.PeakWorkingSetSize);
    } while (WaitForSingleObject(info.hProcess, 1) == WAIT_TIMEOUT);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return static_cast<double>(peak) / 1024.0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: start_bench RUNS \"LABEL=COMMAND LINE\" ...\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<Program> programs;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        const size_t bar = argument.find('|');
        programs.push_back({argument.substr(0, bar), argument.substr(bar + 1), {}, {}});
    }
    for (int run = 0; run < runs; ++run)
        for (auto& program : programs) program.milliseconds.push_back(TimeOnce(program.commandLine));
    for (int run = 0; run < runs; ++run)
        for (auto& program : programs) program.peakKb.push_back(PeakOnce(program.commandLine));

    const double reference = Median(programs.back().milliseconds);
    std::printf("| program | start-to-exit median (ms) | ratio to %s | peak working set median (KB) |\n",
                programs.back().label.c_str());
    std::printf("|---|---|---|---|\n");
    for (const auto& program : programs) {
        const double ms = Median(program.milliseconds);
        std::printf("| %s | %.1f | %.2f | %.0f |\n", program.label.c_str(), ms, ms / reference,
                    Median(program.peakKb));
    }
    return 0;
}
