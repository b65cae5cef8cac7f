// The shell seam: the linker routes the product's calls of shell32::ShellExecuteW here (--wrap, see
// tests/win32/CMakeLists.txt). It appends the file handed to the shell (UTF-8) to the file named in
// kShellRecordVariable, then makes the call as usual (tests only). Recorded before the shell
// starts anything, in the product's own order: what the shell starts records itself only later.
#include <windows.h>

#include <cstdio>

#include "record_file.h"
#include "shared_names.h"

// tavrisk::shell32::ShellExecuteW under the names that --wrap gives its two ends; i686 symbols
// carry a leading underscore of their own (__USER_LABEL_PREFIX__), x86_64 ones none.
#define TAVRISK_TEXT(x) #x
#define TAVRISK_LABEL(prefix, name) TAVRISK_TEXT(prefix) name
HINSTANCE RecordedShellExecuteW(
    HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory,
    INT show) asm(TAVRISK_LABEL(__USER_LABEL_PREFIX__,
                                "__wrap__ZN7tavrisk7shell3213ShellExecuteWEP6HWND__PKwS4_S4_S4_i"));
HINSTANCE RealShellExecuteW(
    HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory,
    INT show) asm(TAVRISK_LABEL(__USER_LABEL_PREFIX__,
                                "__real__ZN7tavrisk7shell3213ShellExecuteWEP6HWND__PKwS4_S4_S4_i"));

HINSTANCE RecordedShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory,
                                INT show) {
    if (FILE* out = testing_support::OpenRecordFile(testing_support::kShellRecordVariable)) {
        char name[2048] = "";
        if (file) WideCharToMultiByte(CP_UTF8, 0, file, -1, name, sizeof name, nullptr, nullptr);
        std::fprintf(out, "shell file=%s\n", name);
        std::fclose(out);
    }
    return RealShellExecuteW(owner, verb, file, parameters, directory, show);
}
