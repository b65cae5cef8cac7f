// Opens a document or starts a program: the shell first, then CreateProcess.
#pragma once

#include <windows.h>

namespace tavrisk {

// `target` and `directory` (null: our own) are UTF-8. 1 when the shell accepted the target; 0 after a reported failure;
// after the fallback, its process-creation result.
int LaunchProgram(HWND owner, const char* target, const char* directory, int showCommand);

}  // namespace tavrisk
