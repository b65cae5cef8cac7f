// The shell seam: the linker routes the product's calls of shell32::ShellExecuteA here (--wrap, see
// tests/win32/CMakeLists.txt). It appends the file handed to the shell to the file named in
// kShellRecordVariable, then makes the call as usual (tests only). Recorded before the shell
// starts anything, in the product's own order: what the shell starts records itself only later.
#include <windows.h>

#include <cstdio>

#include "shared_names.h"

// tavrisk::shell32::ShellExecuteA under the names that --wrap gives its two ends; i686 symbols
// carry a leading underscore of their own (__USER_LABEL_PREFIX__), x86_64 ones none.
#define TAVRISK_TEXT(x) #x
#define TAVRISK_LABEL(prefix, name) TAVRISK_TEXT(prefix) name
HINSTANCE RecordedShellExecuteA(
    HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
    INT show) asm(TAVRISK_LABEL(__USER_LABEL_PREFIX__,
                                "__wrap__ZN7tavrisk7shell3213ShellExecuteAEP6HWND__PKcS4_S4_S4_i"));
HINSTANCE RealShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show) asm(
    TAVRISK_LABEL(__USER_LABEL_PREFIX__, "__real__ZN7tavrisk7shell3213ShellExecuteAEP6HWND__PKcS4_S4_S4_i"));

HINSTANCE RecordedShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show) {
    char path[MAX_PATH];
    if (GetEnvironmentVariableA(testing_support::kShellRecordVariable, path, MAX_PATH)) {
        if (FILE* out = std::fopen(path, "ab")) {
            std::fprintf(out, "shell file=%s\n", file ? file : "");
            std::fclose(out);
        }
    }
    return RealShellExecuteA(owner, verb, file, parameters, directory, show);
}
