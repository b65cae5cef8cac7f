// SearchSystemFolderOnly: SetDefaultDllDirectories looked up in kernel32, which XP and unpatched Vista/7 lack.
#include <windows.h>

#include "runtime/library_search.h"

namespace tavrisk {

bool SearchSystemFolderOnly() {
    // LOAD_LIBRARY_SEARCH_SYSTEM32 alone: the default-directories flag would put
    // the executable's folder back. Loads by full path with
    // LOAD_WITH_ALTERED_SEARCH_PATH still work after this call.
    constexpr DWORD kSearchSystem32 = 0x00000800;
    using Function = BOOL(WINAPI*)(DWORD);
    const auto setDirectories = reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
    return setDirectories && setDirectories(kSearchSystem32);
}

}  // namespace tavrisk
