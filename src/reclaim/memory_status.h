// The system's memory figures, read in a file of their own: tests link scripted figures in its place.
#pragma once

#include <windows.h>

namespace tavrisk {

// GlobalMemoryStatusEx with the record's length set: FALSE when the system refused.
BOOL ReadMemoryStatus(MEMORYSTATUSEX& status);

}  // namespace tavrisk
