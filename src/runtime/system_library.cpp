// LoadSystemLibrary: GetSystemDirectoryA, a backslash, the file name, LoadLibraryExA.
#include "runtime/system_library.h"

namespace tavrisk {

HMODULE LoadSystemLibrary(const char* fileName) {
    char path[MAX_PATH];
    UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;  // failed, or the folder does not fit
    if (path[length - 1] != '\\') path[length++] = '\\';
    const int nameLength = lstrlenA(fileName);
    if (length + static_cast<UINT>(nameLength) + 1 > MAX_PATH) return nullptr;
    lstrcpyA(path + length, fileName);
    return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

FARPROC SystemProcAddress(const char* fileName, const char* name) {
    // GetProcAddress with a null module would search the executable itself.
    HMODULE library = LoadSystemLibrary(fileName);
    return library ? GetProcAddress(library, name) : nullptr;
}

}  // namespace tavrisk
