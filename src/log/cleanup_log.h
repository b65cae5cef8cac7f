// The cleanup log beside the executable: one record line per logged run.
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/wide_text.h"

namespace tavrisk {

// The executable's folder, a backslash and "Tavrisk.log", in UTF-8. False, with
// an empty `path`, when the path would pass MAX_PATH UTF-16 units with its zero,
// or the module name was cut.
bool BuildLogPath(HMODULE module, char (&path)[kPathUtf8Bytes]);

// Appends one record to the log at the UTF-8 `logPath`, with the header first when
// the log is empty (new, or left empty by a run or a user).
// True only when the record, and any header, was written whole. False when the
// file could not be opened or a write failed; the file is then as it was before
// the call (one that this call created is removed where the system allows
// deleting it through its handle, and left empty otherwise).
bool AppendCleanupLog(const char* logPath, std::int32_t cleanMode, std::int64_t freedBytes, std::uint64_t availPhys,
                      std::uint64_t totalPhys);

}  // namespace tavrisk
