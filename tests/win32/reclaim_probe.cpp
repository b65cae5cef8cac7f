// Runs one reclaim pass in a fresh process and writes its working set before and peak working set after.
// Usage: reclaim_probe MODE OUT-FILE
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>

#include "reclaim/reclaim.h"
#include "reclaim/size_table.h"

static PROCESS_MEMORY_COUNTERS Counters() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const unsigned mode = static_cast<unsigned>(std::atoi(argv[1]));
    // The working set now, not its peak: the peak may hold pages already given back.
    const SIZE_T before = Counters().WorkingSetSize;
    MEMORYSTATUSEX status;
    const long long freed = tavrisk::ReclaimMemory(mode, status);
    const SIZE_T after = Counters().PeakWorkingSetSize;
    FILE* out = std::fopen(argv[2], "w");
    if (!out) return 3;
    std::fprintf(out, "%lu %lu %lu %lld\n", static_cast<unsigned long>(before), static_cast<unsigned long>(after),
                 static_cast<unsigned long>(tavrisk::ReclaimRequestSize(mode)), freed);
    std::fclose(out);
    return 0;
}
