// Libraries loaded at run time: from the system folder by their full path, and kept for the process.
#pragma once

#include <windows.h>

namespace tavrisk {

// Loads `fileName` (for example "winmm.dll") from the system folder by its full
// path, so that a file of that name beside the executable is never used, and
// with LOAD_WITH_ALTERED_SEARCH_PATH, so that its own imports are looked for in
// the system folder first. Null when the folder is unknown, the path does not fit
// MAX_PATH or the load fails. Nothing unloads it: the shell and the multimedia
// system may go on working on threads of their own after a call has returned,
// and the process ends soon after anyway.
HMODULE LoadSystemLibrary(const char* fileName);

// The address of `name` in system library `fileName`, or null.
FARPROC SystemProcAddress(const char* fileName, const char* name);

}  // namespace tavrisk
