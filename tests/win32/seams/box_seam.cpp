// The box seam: the linker routes the product's calls of user32::MessageBoxA here (--wrap, see
// tests/win32/CMakeLists.txt). It appends each box's type flags and caption to the file named in
// kBoxRecordVariable, then shows the box as usual (tests only). Recorded before the box opens, so
// a test can read the record while the box waits for its answer.
#include <windows.h>

#include <cstdio>

#include "shared_names.h"

// tavrisk::user32::MessageBoxA under the names that --wrap gives its two ends; i686 symbols carry
// a leading underscore of their own (__USER_LABEL_PREFIX__), x86_64 ones none.
#define TAVRISK_TEXT(x) #x
#define TAVRISK_LABEL(prefix, name) TAVRISK_TEXT(prefix) name
int RecordedMessageBoxA(HWND owner, LPCSTR text, LPCSTR caption,
                        UINT type) asm(TAVRISK_LABEL(__USER_LABEL_PREFIX__,
                                                     "__wrap__ZN7tavrisk6user3211MessageBoxAEP6HWND__PKcS4_j"));
int RealMessageBoxA(HWND owner, LPCSTR text, LPCSTR caption,
                    UINT type) asm(TAVRISK_LABEL(__USER_LABEL_PREFIX__,
                                                 "__real__ZN7tavrisk6user3211MessageBoxAEP6HWND__PKcS4_j"));

int RecordedMessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    char path[MAX_PATH];
    if (GetEnvironmentVariableA(testing_support::kBoxRecordVariable, path, MAX_PATH)) {
        if (FILE* out = std::fopen(path, "ab")) {
            std::fprintf(out, "box type=0x%02X caption=%s\n", type, caption ? caption : "");
            std::fclose(out);
        }
    }
    return RealMessageBoxA(owner, text, caption, type);
}
