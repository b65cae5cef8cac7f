// ToUtf8 and ToUtf16 over WideCharToMultiByte and MultiByteToWideChar with CP_UTF8, and the
// module path read through them.
#include "runtime/wide_text.h"

namespace tavrisk {

// CP_UTF8 takes no flags but 0 before Vista, and fails with MB_PRECOMPOSED,
// WC_NO_BEST_FIT_CHARS or a default character on every version:
// WC_ERR_INVALID_CHARS would also turn one unpaired surrogate into a failure of
// the whole text. A length of -1 counts the terminating zero, so an empty text
// converts to one zero rather than failing.
int ToUtf8(const wchar_t* text, char* out, int outBytes) {
    return WideCharToMultiByte(CP_UTF8, 0, text, -1, out, outBytes, nullptr, nullptr);
}

int ToUtf16(const char* text, wchar_t* out, int outUnits) {
    return MultiByteToWideChar(CP_UTF8, 0, text, -1, out, outUnits);
}

bool ReadModulePath(HMODULE module, char (&path)[kPathUtf8Bytes]) {
    wchar_t widePath[MAX_PATH];
    const DWORD length = GetModuleFileNameW(module, widePath, MAX_PATH);
    // XP leaves a path that was cut without its terminating zero.
    return length != 0 && length < MAX_PATH && ToUtf8(widePath, path, kPathUtf8Bytes) != 0;
}

}  // namespace tavrisk
