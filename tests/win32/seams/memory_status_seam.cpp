// Linked in place of the product's ReadMemoryStatus: the system's figures, with load, available
// and total physical memory taken from the script in kMemoryScriptVariable when there is one, one
// snapshot a call (tests only). Wine answers from a cache for about a second, so a real pass here
// always reads 0 freed; the script gives the figures a known, non-zero difference.
#include "reclaim/memory_status.h"

#include <cstdio>
#include <cstring>

#include "shared_names.h"

namespace {
int g_calls = 0;  // snapshots answered so far
}

namespace tavrisk {

BOOL ReadMemoryStatus(MEMORYSTATUSEX& status) {
    status.dwLength = sizeof status;
    const BOOL read = GlobalMemoryStatusEx(&status);
    char script[1024];
    const DWORD length = GetEnvironmentVariableA(testing_support::kMemoryScriptVariable, script, sizeof script);
    if (length == 0 || length >= sizeof script) return read;
    // The snapshot for this call: the call's own, or the last one.
    const char* at = script;
    for (int skip = g_calls++; skip > 0 && std::strchr(at, ' '); --skip) at = std::strchr(at, ' ') + 1;
    unsigned long load = 0;
    std::sscanf(at, "%lu,%llu,%llu", &load, &status.ullAvailPhys, &status.ullTotalPhys);
    status.dwMemoryLoad = load;
    return TRUE;
}

}  // namespace tavrisk
