// The cleanup log beside the executable: one record line per logged run.
#pragma once

#include <windows.h>

#include <cstdint>

namespace tavrisk {

// The executable's folder, a backslash and "Tavrisk.log". False, with nothing
// usable in `path`, when the result would not fit or the module name was cut.
bool BuildLogPath(HMODULE module, char (&path)[MAX_PATH]);

// Appends one record (and the header when this call creates the file).
// 1 when the file could be opened, 0 otherwise.
int AppendCleanupLog(const char* logPath, std::int32_t cleanMode, std::int64_t freedBytes,
                     std::uint64_t availPhys, std::uint64_t totalPhys);

}  // namespace tavrisk
