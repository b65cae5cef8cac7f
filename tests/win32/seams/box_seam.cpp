// The box seam: the linker routes the product's calls of user32::MessageBoxW here (--wrap, see
// tests/win32/CMakeLists.txt). It appends each box's type flags and caption (UTF-8) to the file named
// in kBoxRecordVariable, then shows the box as usual (tests only). Recorded before the box opens, so
// a test can read the record while the box waits for its answer.
#include <windows.h>

#include <cstdio>

#include "record_file.h"
#include "shared_names.h"

// tavrisk::user32::MessageBoxW under the names that --wrap gives its two ends; i686 symbols carry
// a leading underscore of their own (__USER_LABEL_PREFIX__), x86_64 ones none.
#define TAVRISK_TEXT(x) #x
#define TAVRISK_LABEL(prefix, name) TAVRISK_TEXT(prefix) name
int RecordedMessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption,
                        UINT type) asm(TAVRISK_LABEL(__USER_LABEL_PREFIX__,
                                                     "__wrap__ZN7tavrisk6user3211MessageBoxWEP6HWND__PKwS4_j"));
int RealMessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption,
                    UINT type) asm(TAVRISK_LABEL(__USER_LABEL_PREFIX__,
                                                 "__real__ZN7tavrisk6user3211MessageBoxWEP6HWND__PKwS4_j"));

int RecordedMessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    if (FILE* out = testing_support::OpenRecordFile(testing_support::kBoxRecordVariable)) {
        char name[1024] = "";
        if (caption) WideCharToMultiByte(CP_UTF8, 0, caption, -1, name, sizeof name, nullptr, nullptr);
        std::fprintf(out, "box type=0x%02X caption=%s\n", type, name);
        std::fclose(out);
    }
    return RealMessageBoxW(owner, text, caption, type);
}
