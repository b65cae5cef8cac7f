// Functions of system libraries that the executable does not import at load time.
// Each is looked up in its library, loaded from the system folder, when it is
// called; when it cannot be found, the call fails as the function documents.
#pragma once

#include <windows.h>

namespace tavrisk {

namespace kernel32 {
// Vista and later: absent on XP, where it fails (FALSE) without being called.
BOOL SetFileInformationByHandle(HANDLE file, int informationClass, void* information, DWORD bytes);
}  // namespace kernel32

namespace shell32 {
// 0 (out of memory or resources) when the shell cannot be reached.
HINSTANCE ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show);
}  // namespace shell32

namespace winmm {
BOOL sndPlaySoundA(LPCSTR sound, UINT flags);
}  // namespace winmm

}  // namespace tavrisk
