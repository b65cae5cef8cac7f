// GlobalMemoryStatusEx, not GlobalMemoryStatus: the older call caps physical memory
// at 2 GB for a 32-bit program and would always read 0 freed.
#include "reclaim/memory_status.h"

namespace tavrisk {

BOOL ReadMemoryStatus(MEMORYSTATUSEX& status) {
    status.dwLength = sizeof status;
    return GlobalMemoryStatusEx(&status);
}

}  // namespace tavrisk
