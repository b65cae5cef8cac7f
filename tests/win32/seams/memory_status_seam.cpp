// Linked in place of the product's ReadMemoryStatus: the system's figures, with load, available
// and total physical memory taken from the script in kMemoryScriptVariable when there is one, one
// snapshot a call (tests only). Wine answers from a cache for about a second, so a real pass here
// always reads 0 freed; the script gives the figures a known, non-zero difference.
#include "reclaim/memory_status.h"
#include "shared_names.h"

namespace {

int g_calls = 0;  // snapshots answered so far

unsigned long long ReadNumber(const char*& text) {
    unsigned long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) value = value * 10 + static_cast<unsigned>(*text - '0');
    if (*text == ',') ++text;
    return value;
}

}  // namespace

namespace tavrisk {

BOOL ReadMemoryStatus(MEMORYSTATUSEX& status) {
    status.dwLength = sizeof status;
    const BOOL read = GlobalMemoryStatusEx(&status);
    char script[1024];
    const DWORD length = GetEnvironmentVariableA(testing_support::kMemoryScriptVariable, script, sizeof script);
    if (length == 0 || length >= sizeof script) return read;
    // The snapshot for this call: the call's own, or the last one.
    const char* at = script;
    for (int skip = g_calls++; skip > 0; --skip) {
        const char* next = at;
        while (*next && *next != ' ') ++next;
        if (!*next) break;
        at = next + 1;
    }
    status.dwMemoryLoad = static_cast<DWORD>(ReadNumber(at));
    status.ullAvailPhys = ReadNumber(at);
    status.ullTotalPhys = ReadNumber(at);
    return TRUE;
}

}  // namespace tavrisk
