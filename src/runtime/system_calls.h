// Functions of system libraries that the executable does not import at load time.
// Each is looked up in its library, loaded from the system folder, when it is
// called; when it cannot be found, the call fails as the function documents
// failure. A run that shows no box, plays no sound and starts nothing so never
// loads the window and graphics libraries at all. Before any library but kernel32
// is used, GuardLibrarySearch (runtime/library_search.h) has run.
#pragma once

#include <windows.h>

#include <cstdarg>

namespace tavrisk {

namespace kernel32 {
// Vista and later: absent on XP, where it fails (FALSE) without being called.
BOOL SetFileInformationByHandle(HANDLE file, int informationClass, void* information, DWORD bytes);
}  // namespace kernel32

namespace user32 {
INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC procedure, LPARAM parameter);
BOOL EndDialog(HWND dialog, INT_PTR result);
int GetClassNameW(HWND window, LPWSTR name, int size);
HDC GetDC(HWND window);
HWND GetDesktopWindow();
BOOL GetWindowRect(HWND window, LPRECT rect);
int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
int ReleaseDC(HWND window, HDC dc);
BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
DWORD WaitForInputIdle(HANDLE process, DWORD milliseconds);
// An empty text and 0 when unavailable.
int wsprintfA(LPSTR out, LPCSTR format, ...);
int wvsprintfA(LPSTR out, LPCSTR format, va_list arguments);
}  // namespace user32

namespace gdi32 {
int GetDeviceCaps(HDC dc, int index);
}  // namespace gdi32

namespace shell32 {
// 0 (out of memory or resources) when the shell cannot be reached.
HINSTANCE ShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory, INT show);
}  // namespace shell32

namespace winmm {
BOOL sndPlaySoundA(LPCSTR sound, UINT flags);
}  // namespace winmm

}  // namespace tavrisk
